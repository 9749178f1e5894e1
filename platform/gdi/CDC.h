// A drawing surface: a device context over 32-bit pixels, with the attributes and
// drawing operations of the classic framework's CDC.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CSize.h"
#include "platform/core/CString.h"
#include "platform/gdi/AfxGdi.h"

class CGdiObject;
class CFont;
class CBitmap;
class CPen;
class CBrush;

// Logical coordinates map to device pixels as device = logical - window origin
// (MM_TEXT), times the surface's factor (AfxScaleToDevice) when its screen
// has one. Everything a caller sees stays logical: sizes, text extents, the clip box. A fresh surface has black text, a white opaque background,
// a one-pixel black pen, a white brush and the system font.
class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    CDC() = default;
    ~CDC() override;  // deletes the surface it holds (DeleteDC)

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    // The object attached to hDC, or a wrapper that lives until hDC is deleted.
    // Null for a null handle. Never delete what it returns.
    static CDC* FromHandle(HDC hDC);

    BOOL Attach(HDC hDC);  // takes the printer mark from the surface
    HDC Detach();
    BOOL DeleteDC();
    BOOL CreateCompatibleDC(CDC* pDC);

    // TRUE on a printer surface (AfxCreatePrinterDC).
    BOOL IsPrinting() const { return m_bPrinting; }

    // Attributes.
    int SetBkMode(int nBkMode);
    int GetBkMode() const;
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point);
    CPoint GetWindowOrg() const;
    CPoint OffsetWindowOrg(int nWidth, int nHeight);
    CPoint GetCurrentPosition() const;

    // Selection: each returns what was selected before (null on failure).
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CGdiObject* SelectStockObject(int nIndex);
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;

    // Clipping, in logical coordinates.
    int GetClipBox(LPRECT lpRect) const;
    BOOL PtVisible(int x, int y) const;

    // Fills and frames.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);  // also sets the background colour
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void DrawFocusRect(LPCRECT lpRect);  // dotted; drawing it twice restores the pixels
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);

    // Lines with the current pen; LineTo leaves its end point untouched.
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y);

    COLORREF SetPixel(int x, int y, COLORREF crColor);  // CLR_INVALID when clipped away
    COLORREF GetPixel(int x, int y) const;               // CLR_INVALID outside the clip box

    // Text in the current font, text colour and background mode. nCount -1: up to the
    // terminating zero. DrawText returns the height of the text.
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str);
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
    int GetDeviceCaps(int nIndex) const;

    // Block copy; rops SRCCOPY (needs pSrcDC), PATCOPY (current brush), BLACKNESS, WHITENESS.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);

    BOOL DrawIcon(int x, int y, HICON hIcon);
};
