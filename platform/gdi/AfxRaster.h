// Pixel work on a block of surface pixels. Every drawing call of the surface ends here,
// and this is the one place that clips: against rcClip, which the device context has
// already limited to the surface's bounds.
#pragma once

#include <cstdint>

#include "platform/gdi/AfxSurface.h"

struct AFX_RASTER {
    uint32_t* pBits;
    int nPitch;
    RECT rcClip;  // surface pixels that may change
};

// rc in surface pixels, right and bottom exclusive.
void AfxRasterFill(const AFX_RASTER& r, RECT rc, uint32_t px);
void AfxRasterInvert(const AFX_RASTER& r, RECT rc);  // XOR with white
void AfxRasterInvertPixel(const AFX_RASTER& r, int x, int y);
// Blends px into the surface by an 8-bit coverage mask whose top-left lands on (x, y).
void AfxRasterBlendMask(const AFX_RASTER& r, int x, int y, const uint8_t* pMask, int cx, int cy,
                        int nMaskPitch, uint32_t px);
// Blends straight-alpha pixels 0xAARRGGBB scaled to cxDst x cyDst (nearest pixel).
void AfxRasterBlendImage(const AFX_RASTER& r, int x, int y, int cxDst, int cyDst, const uint32_t* pSrc,
                         int cxSrc, int cySrc);
// Copies cx x cy pixels from src (point ptSrc) to (x, y); the source is read only inside
// its own bounds, and overlapping blocks of one surface are copied correctly.
void AfxRasterCopy(const AFX_RASTER& r, int x, int y, int cx, int cy, const AFX_SURFACE& src, POINT ptSrc);
// Copies the block rcSrc of src onto rcDst, scaled to it (nearest pixel); the source is
// read only inside its own bounds.
void AfxRasterStretch(const AFX_RASTER& r, const RECT& rcDst, const AFX_SURFACE& src, const RECT& rcSrc);

uint32_t AfxBlendPixel(uint32_t dst, uint32_t src, unsigned alpha);
