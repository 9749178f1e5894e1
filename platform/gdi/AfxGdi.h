// Graphics constants, records and the flat drawing functions of the framework stand-in:
// stock objects, LOGFONT, GetObject, CreateFontIndirect, system colours and metrics.
#pragma once

#include "platform/core/WinDef.h"
#include "platform/gdi/AfxSurface.h"

class CString;

// Background modes.
#define TRANSPARENT 1
#define OPAQUE 2

// Mapping mode: one logical unit is one pixel, y grows downward.
#define MM_TEXT 1

// DrawText formats.
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_HIDEPREFIX 0x00100000

// Raster operations for BitBlt.
#define SRCCOPY 0x00CC0020u
#define PATCOPY 0x00F00021u
#define BLACKNESS 0x00000042u
#define WHITENESS 0x00FF0062u

// Pen styles.
#define PS_SOLID 0
#define PS_DOT 2
#define PS_NULL 5

// Brush styles.
#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL

// Stock objects.
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define OEM_FIXED_FONT 10
#define ANSI_FIXED_FONT 11
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEVICE_DEFAULT_FONT 14
#define SYSTEM_FIXED_FONT 16
#define DEFAULT_GUI_FONT 17

// Object types, as GetCurrentObject asks for them.
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_MEMDC 10

// Clip results.
#define RGN_ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2

#define CLR_INVALID 0xFFFFFFFFu

// Device capabilities.
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define LOGPIXELSX 88
#define LOGPIXELSY 90

// Font weights, character sets, pitch and family.
#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_HEAVY 900
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define OEM_CHARSET 255
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define ANTIALIASED_QUALITY 4
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30

#define LF_FACESIZE 32

struct LOGFONT {
    LONG lfHeight;  // < 0: character (em) height in pixels, > 0: cell height, 0: default
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    TCHAR lfFaceName[LF_FACESIZE];
};
typedef LOGFONT* LPLOGFONT;
typedef LOGFONT LOGFONTA;

struct TEXTMETRIC {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};
typedef TEXTMETRIC* LPTEXTMETRIC;

// A bitmap's description; every bitmap here holds 32-bit pixels 0x00RRGGBB, top row first.
struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    UINT_PTR lbHatch;
};

struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
};

// System colours (the classic Windows standard scheme).
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_BTNHILIGHT COLOR_BTNHIGHLIGHT

// System metrics.
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CXICON 11
#define SM_CYICON 12
#define SM_CXCURSOR 13
#define SM_CYCURSOR 14
#define SM_CYMENU 15
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SM_CXDOUBLECLK 36
#define SM_CYDOUBLECLK 37
#define SM_CXEDGE 45
#define SM_CYEDGE 46
#define SM_CXSMICON 49
#define SM_CYSMICON 50
#define SM_CXDRAG 68
#define SM_CYDRAG 69
#define SM_CXFIXEDFRAME SM_CXDLGFRAME
#define SM_CYFIXEDFRAME SM_CYDLGFRAME
#define AFX_SM_COUNT 100

// Stock objects are shared and live for the whole program; DeleteObject ignores them.
HGDIOBJ GetStockObject(int nIndex);
// Copies an object's description (LOGFONT, BITMAP, LOGBRUSH, LOGPEN) into lpObject;
// returns the number of bytes copied, 0 on failure. A null buffer asks for the size.
int GetObject(HGDIOBJ hObject, int nCount, LPVOID lpObject);
// Frees a created object. An object still selected into a surface is freed when it
// is replaced there or the surface is deleted.
BOOL DeleteObject(HGDIOBJ hObject);

HFONT CreateFontIndirect(const LOGFONT* lplf);
HBRUSH CreateSolidBrush(COLORREF cr);
HPEN CreatePen(int nPenStyle, int nWidth, COLORREF cr);
// Bitmaps hold 32-bit pixels; CreateBitmap accepts nBitCount 32 only (lpBits may be null).
HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits);
// cx by cy logical pixels of hDC, or of the screen when hDC is null: as many pixels as
// that surface's factor makes of them.
HBITMAP CreateCompatibleBitmap(HDC hDC, int cx, int cy);
// A memory surface with a 1x1 stock bitmap selected, with the factor of hDC, or of the
// screen when hDC is null.
HDC CreateCompatibleDC(HDC hDC);
BOOL DeleteDC(HDC hDC);
HGDIOBJ SelectObject(HDC hDC, HGDIOBJ hObject);
HGDIOBJ GetCurrentObject(HDC hDC, UINT uObjectType);
BOOL GetTextExtentPoint32(HDC hDC, LPCTSTR lpString, int nCount, LPSIZE lpSize);
BOOL GetTextMetrics(HDC hDC, LPTEXTMETRIC lptm);
int GetDeviceCaps(HDC hDC, int nIndex);
int SetBkMode(HDC hDC, int nMode);
COLORREF SetBkColor(HDC hDC, COLORREF cr);
COLORREF SetTextColor(HDC hDC, COLORREF cr);
int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);

// Pixels of a bitmap, for the render tool and tests: 0x00RRGGBB, pitch = width.
BOOL AfxGetBitmapSurface(HBITMAP hBitmap, AFX_SURFACE* pSurface);

COLORREF GetSysColor(int nIndex);
HBRUSH GetSysColorBrush(int nIndex);
int GetSystemMetrics(int nIndex);
// Lets the window backend tell the real screen size and the like.
void AfxSetSystemMetric(int nIndex, int nValue);

// Start-up check: TRUE when a font file can be found and opened for the stock GUI font.
// Otherwise FALSE with the cause in strError, for the application to show and stop.
BOOL AfxCheckFonts(CString& strError);
