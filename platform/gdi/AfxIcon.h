// Icons and cursors (HCURSOR is HICON): images with alpha, or a system cursor shape
// that the window backend shows with the system's own cursor.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/WinDef.h"

#define MAKEINTRESOURCE(i) ((LPCTSTR)(UINT_PTR)(WORD)(i))
#define IS_INTRESOURCE(p) ((((UINT_PTR)(p)) >> 16) == 0)

// System cursor ids (the value behind IDC_*), kept in HICON__::nSystemCursor.
#define AFX_CURSOR_ARROW 32512
#define AFX_CURSOR_IBEAM 32513
#define AFX_CURSOR_WAIT 32514
#define AFX_CURSOR_CROSS 32515
#define AFX_CURSOR_SIZEALL 32646
#define AFX_CURSOR_NO 32648
#define AFX_CURSOR_HAND 32649
#define AFX_CURSOR_APPSTARTING 32650

#define IDC_ARROW MAKEINTRESOURCE(AFX_CURSOR_ARROW)
#define IDC_IBEAM MAKEINTRESOURCE(AFX_CURSOR_IBEAM)
#define IDC_WAIT MAKEINTRESOURCE(AFX_CURSOR_WAIT)
#define IDC_CROSS MAKEINTRESOURCE(AFX_CURSOR_CROSS)
#define IDC_SIZEALL MAKEINTRESOURCE(AFX_CURSOR_SIZEALL)
#define IDC_NO MAKEINTRESOURCE(AFX_CURSOR_NO)
#define IDC_HAND MAKEINTRESOURCE(AFX_CURSOR_HAND)
#define IDC_APPSTARTING MAKEINTRESOURCE(AFX_CURSOR_APPSTARTING)
#define IDI_APPLICATION MAKEINTRESOURCE(32512)

#define DI_NORMAL 0x0003

// One image: cx * cy pixels 0xAARRGGBB (straight alpha), top row first.
struct AFX_ICON_IMAGE {
    int cx = 0;
    int cy = 0;
    std::vector<uint32_t> bits;
};

// The object behind HICON and HCURSOR.
struct HICON__ {
    AFX_ICON_IMAGE imageLarge;  // 32 x 32 (SM_CXICON)
    AFX_ICON_IMAGE imageSmall;  // 16 x 16 (SM_CXSMICON)
    std::vector<AFX_ICON_IMAGE> images;  // every image of a resource icon, smallest first
    POINT ptHotspot = {0, 0};   // cursors: the pixel that points
    UINT nSystemCursor = 0;     // AFX_CURSOR_*, or 0 for an image
    BOOL bShared = FALSE;       // system cursors and icons: DestroyIcon leaves them alone
};

// RT_ICON_GROUP resource data: images written as rows of characters; each character is
// looked up in the palette, and a character not in the palette is a transparent pixel.
struct AFX_ICON_RES_IMAGE {
    int cx;
    int cy;
    const char* const* ppszRows;  // cy rows of cx characters
};
struct AFX_ICON_RES {
    const char* pszPaletteKeys;        // one character per palette entry
    const COLORREF* pPaletteColors;    // the colour of each key, 0x00BBGGRR
    const AFX_ICON_RES_IMAGE* pImages; // any square sizes; a missing 32x32 or 16x16 is scaled
    int nImages;
    POINT ptHotspot;
};

// Builds an icon from resource nID (RT_ICON_GROUP); null when there is none.
// The caller owns it (DestroyIcon).
HICON AfxLoadIcon(UINT nID);
// Builds an icon from resource data; null when the data holds no usable image.
HICON AfxCreateIconFromResource(const AFX_ICON_RES& res);
// The icon's image of cx x cx pixels: its own when it has one, else the nearest larger one
// (or the largest) scaled pixel by pixel.
AFX_ICON_IMAGE AfxGetIconImage(HICON hIcon, int cx);
// A shared system cursor (AFX_CURSOR_*); null for an unknown id.
HCURSOR AfxLoadSystemCursor(UINT nCursorId);

// hInstance null: system cursors and icons by IDC_/IDI_ id; otherwise a program icon
// by numeric id, shared like a resource icon (cursors from the program are icons with a
// hotspot, owned by the caller).
HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName);
HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
HICON CopyIcon(HICON hIcon);  // an independent copy, owned by the caller
BOOL DestroyIcon(HICON hIcon);
BOOL DestroyCursor(HCURSOR hCursor);

// Draws the large image at the standard icon size (32 x 32), blending by alpha.
BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon);
// Draws at cx x cy (0 = standard size), choosing the image nearest that size.
BOOL DrawIconEx(HDC hDC, int x, int y, HICON hIcon, int cx, int cy, UINT istepIfAniCur,
                HBRUSH hbrFlickerFreeDraw, UINT diFlags);
