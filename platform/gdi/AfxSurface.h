// The meeting point of the drawing code and whatever shows its pixels.
#pragma once

#include <cstdint>

#include "platform/core/AfxScale.h"
#include "platform/core/WinDef.h"

// A block of 32-bit pixels 0x00RRGGBB, nPitch pixels per row.
struct AFX_SURFACE {
    uint32_t* pBits;
    int cx;
    int cy;
    int nPitch;
};

// A device context that draws into part of a surface which holds nScale / AFX_SCALE_ONE
// pixels for each logical one: device point (0, 0) lands on logical point ptOrigin of the
// surface, and nothing outside rcClip (logical, as ptOrigin) is touched. At AFX_SCALE_ONE
// logical points are the surface's pixels. The caller keeps the surface alive and deletes
// the context with AfxDeleteSurfaceDC.
HDC AfxCreateSurfaceDC(const AFX_SURFACE& surface, POINT ptOrigin, const RECT& rcClip, int nScale = AFX_SCALE_ONE);
void AfxDeleteSurfaceDC(HDC hDC);

// Pixel value of a COLORREF on a surface, and back.
inline uint32_t AfxPixelFromColor(COLORREF cr)
{
    return ((cr & 0xFFu) << 16) | (cr & 0xFF00u) | ((cr >> 16) & 0xFFu);
}
inline COLORREF AfxColorFromPixel(uint32_t px)
{
    return ((px & 0xFFu) << 16) | (px & 0xFF00u) | ((px >> 16) & 0xFFu);
}
