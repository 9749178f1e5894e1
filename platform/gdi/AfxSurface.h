// The meeting point of the drawing code and whatever shows its pixels.
#pragma once

#include <cstdint>

#include "platform/core/WinDef.h"

// A block of 32-bit pixels 0x00RRGGBB, nPitch pixels per row.
struct AFX_SURFACE {
    uint32_t* pBits;
    int cx;
    int cy;
    int nPitch;
};

// A device context that draws into part of a surface: device point (0, 0) lands on
// surface pixel ptOrigin, and nothing outside rcClip (surface pixels) is touched.
// The caller keeps the surface alive and deletes the context with AfxDeleteSurfaceDC.
HDC AfxCreateSurfaceDC(const AFX_SURFACE& surface, POINT ptOrigin, const RECT& rcClip);
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
