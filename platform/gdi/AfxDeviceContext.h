// The platform object behind HDC: its target pixels, clip, origins and attributes.
#pragma once

#include "platform/gdi/AfxGdi.h"
#include "platform/gdi/AfxRaster.h"
#include "platform/gdi/AfxSurface.h"

class CDC;

struct HDC__ {
    AFX_SURFACE surface = {nullptr, 0, 0, 0};
    POINT ptOrigin = {0, 0};      // surface pixel of device point (0, 0)
    RECT rcClip = {0, 0, 0, 0};   // surface pixels that may change, within the surface
    POINT ptWindowOrg = {0, 0};
    POINT ptViewportOrg = {0, 0};
    POINT ptCurrent = {0, 0};
    COLORREF crText = RGB(0, 0, 0);
    COLORREF crBk = RGB(255, 255, 255);
    int nBkMode = OPAQUE;
    HFONT hFont = nullptr;
    HPEN hPen = nullptr;
    HBRUSH hBrush = nullptr;
    HBITMAP hBitmap = nullptr;    // memory surfaces only
    BOOL bMemory = FALSE;
    BOOL bPrinting = FALSE;
    CDC* pPermanent = nullptr;    // the CDC attached to it
    CDC* pTemporary = nullptr;    // owned wrapper made by CDC::FromHandle
};

// Surface pixel of a logical point.
POINT AfxDcToSurface(HDC hDC, int x, int y);
RECT AfxDcToSurface(HDC hDC, const RECT& rc);
// What drawing on the surface may touch.
AFX_RASTER AfxDcRaster(HDC hDC);
// Same, further limited to rcLimit (surface pixels).
AFX_RASTER AfxDcRaster(HDC hDC, const RECT& rcLimit);
