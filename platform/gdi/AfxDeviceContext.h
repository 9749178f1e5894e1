// The platform object behind HDC: its target pixels, clip, origins and attributes.
#pragma once

#include "platform/core/AfxScale.h"
#include "platform/gdi/AfxGdi.h"
#include "platform/gdi/AfxRaster.h"
#include "platform/gdi/AfxRasterDevice.h"
#include "platform/gdi/AfxSurface.h"

class CDC;

// Logical points map to surface pixels as surface = factor x (logical - window origin +
// ptOrigin), each coordinate rounded on its own (AfxScaleToDevice).
struct HDC__ {
    AfxRasterDevice raster;       // the pixels, where there are any
    AfxDevice* pDevice = &raster; // what the drawing goes to: the raster or a printer page
    int nScale = AFX_SCALE_ONE;   // device pixels per logical pixel, in quarters
    POINT ptOrigin = {0, 0};      // logical position of device point (0, 0) on the surface
    RECT rcClip = {0, 0, 0, 0};   // surface pixels that may change, within the surface
    POINT ptWindowOrg = {0, 0};
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

// Surface pixel of a logical point; a rectangle's edges each on their own, so that
// rectangles that touch on the logical grid touch on the surface.
inline POINT AfxDcToSurface(HDC hDC, int x, int y)
{
    const long long gx = static_cast<long long>(x) - hDC->ptWindowOrg.x + hDC->ptOrigin.x;
    const long long gy = static_cast<long long>(y) - hDC->ptWindowOrg.y + hDC->ptOrigin.y;
    return POINT{AfxScaleToDevice(hDC->nScale, gx), AfxScaleToDevice(hDC->nScale, gy)};
}
RECT AfxDcToSurface(HDC hDC, const RECT& rc);
// The logical rectangle around surface pixels rc. Where the factor is not whole, its left
// and top edges go back to logical points that fall exactly on a surface pixel, so that
// a compatible surface of its size lines up with this one pixel for pixel.
RECT AfxSurfaceToDc(HDC hDC, const RECT& rc);
// A pen nWidth logical pixels wide on the surface: the factor times it, rounded, at
// least one pixel.
int AfxPenDeviceWidth(HDC hDC, int nWidth);
// Fills surface pixels rc (clipped) on the context's device.
inline void AfxDcFill(HDC hDC, const RECT& rc, COLORREF cr)
{
    hDC->pDevice->Fill(hDC->rcClip, rc, cr);
}
// A frame inside logical rectangle rc, nDevice surface pixels wide on every side (0: as wide
// as a one-pixel pen): its outer edges where rc's are, so that it meets the fills around it,
// and its sides of one width wherever it lies. crTopLeft along the top and left,
// crBottomRight along the right and bottom, which run the whole length.
void AfxDcFrame(HDC hDC, const RECT& rc, COLORREF crTopLeft, COLORREF crBottomRight, int nDevice = 0);
// The pixels that drawing on the surface may touch; none on a printer surface.
AFX_RASTER AfxDcRaster(HDC hDC);
