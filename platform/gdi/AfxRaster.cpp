#include "platform/gdi/AfxRaster.h"

#include <algorithm>
#include <cstring>

namespace {

// The part of rc that may be drawn; FALSE when nothing is left.
BOOL ClipToRaster(const AFX_RASTER& r, RECT& rc)
{
    return ::IntersectRect(&rc, &rc, &r.rcClip);
}

uint32_t* PixelAt(const AFX_RASTER& r, int x, int y)
{
    return r.pBits + static_cast<ptrdiff_t>(y) * r.nPitch + x;
}

}  // namespace

uint32_t AfxBlendPixel(uint32_t dst, uint32_t src, unsigned alpha)
{
    if (alpha >= 255) {
        return src & 0xFFFFFFu;
    }
    // Red and blue share one multiply, green takes another; a = 0..256.
    const uint32_t a = alpha + (alpha >> 7);
    const uint32_t rb = ((src & 0xFF00FFu) * a + (dst & 0xFF00FFu) * (256 - a)) >> 8;
    const uint32_t g = ((src & 0x00FF00u) * a + (dst & 0x00FF00u) * (256 - a)) >> 8;
    return (rb & 0xFF00FFu) | (g & 0x00FF00u);
}

void AfxRasterFill(const AFX_RASTER& r, RECT rc, uint32_t px)
{
    if (!ClipToRaster(r, rc)) {
        return;
    }
    // One row by hand, the others copied from it: block copies are much faster.
    uint32_t* pFirst = PixelAt(r, rc.left, rc.top);
    std::fill_n(pFirst, rc.right - rc.left, px);
    const size_t nBytes = static_cast<size_t>(rc.right - rc.left) * sizeof(uint32_t);
    for (int y = rc.top + 1; y < rc.bottom; ++y) {
        std::memcpy(PixelAt(r, rc.left, y), pFirst, nBytes);
    }
}

void AfxRasterInvert(const AFX_RASTER& r, RECT rc)
{
    if (!ClipToRaster(r, rc)) {
        return;
    }
    for (int y = rc.top; y < rc.bottom; ++y) {
        uint32_t* p = PixelAt(r, rc.left, y);
        for (int x = rc.left; x < rc.right; ++x, ++p) {
            *p ^= 0xFFFFFFu;
        }
    }
}

void AfxRasterInvertPixel(const AFX_RASTER& r, int x, int y)
{
    AfxRasterInvert(r, RECT{x, y, x + 1, y + 1});
}

void AfxRasterBlendMask(const AFX_RASTER& r, int x, int y, const uint8_t* pMask, int cx, int cy,
                        int nMaskPitch, uint32_t px)
{
    RECT rc = {x, y, x + cx, y + cy};
    if (!ClipToRaster(r, rc)) {
        return;
    }
    for (int row = rc.top; row < rc.bottom; ++row) {
        const uint8_t* m = pMask + static_cast<ptrdiff_t>(row - y) * nMaskPitch + (rc.left - x);
        uint32_t* p = PixelAt(r, rc.left, row);
        for (int col = rc.left; col < rc.right; ++col, ++p, ++m) {
            if (*m != 0) {
                *p = AfxBlendPixel(*p, px, *m);
            }
        }
    }
}

void AfxRasterBlendImage(const AFX_RASTER& r, int x, int y, int cxDst, int cyDst, const uint32_t* pSrc,
                         int cxSrc, int cySrc)
{
    RECT rc = {x, y, x + cxDst, y + cyDst};
    if (cxSrc <= 0 || cySrc <= 0 || !ClipToRaster(r, rc)) {
        return;
    }
    for (int row = rc.top; row < rc.bottom; ++row) {
        const int sy = (row - y) * cySrc / cyDst;
        uint32_t* p = PixelAt(r, rc.left, row);
        for (int col = rc.left; col < rc.right; ++col, ++p) {
            const uint32_t s = pSrc[static_cast<ptrdiff_t>(sy) * cxSrc + (col - x) * cxSrc / cxDst];
            *p = AfxBlendPixel(*p, s, s >> 24);
        }
    }
}

void AfxRasterCopy(const AFX_RASTER& r, int x, int y, int cx, int cy, const AFX_SURFACE& src, POINT ptSrc)
{
    // Limit the block to the source's bounds first, then to the destination clip.
    RECT rcSrc = {ptSrc.x, ptSrc.y, ptSrc.x + cx, ptSrc.y + cy};
    const RECT rcBounds = {0, 0, src.cx, src.cy};
    if (src.pBits == nullptr || !::IntersectRect(&rcSrc, &rcSrc, &rcBounds)) {
        return;
    }
    const int dx = x - ptSrc.x;
    const int dy = y - ptSrc.y;
    RECT rc = {rcSrc.left + dx, rcSrc.top + dy, rcSrc.right + dx, rcSrc.bottom + dy};
    if (!ClipToRaster(r, rc)) {
        return;
    }
    const size_t nBytes = static_cast<size_t>(rc.right - rc.left) * sizeof(uint32_t);
    const bool bUpward = src.pBits == r.pBits && dy > 0;
    for (int i = 0; i < rc.bottom - rc.top; ++i) {
        const int row = bUpward ? rc.bottom - 1 - i : rc.top + i;
        const uint32_t* s = src.pBits + static_cast<ptrdiff_t>(row - dy) * src.nPitch + (rc.left - dx);
        std::memmove(PixelAt(r, rc.left, row), s, nBytes);
    }
}

void AfxRasterStretch(const AFX_RASTER& r, const RECT& rcDst, const AFX_SURFACE& src, const RECT& rcSrc)
{
    const long long cxDst = rcDst.right - rcDst.left;
    const long long cyDst = rcDst.bottom - rcDst.top;
    const long long cxSrc = rcSrc.right - rcSrc.left;
    const long long cySrc = rcSrc.bottom - rcSrc.top;
    RECT rc = rcDst;
    if (src.pBits == nullptr || cxSrc <= 0 || cySrc <= 0 || !ClipToRaster(r, rc)) {
        return;
    }
    for (int row = rc.top; row < rc.bottom; ++row) {
        const long long sy = rcSrc.top + (row - rcDst.top) * cySrc / cyDst;
        if (sy < 0 || sy >= src.cy) {
            continue;
        }
        uint32_t* p = PixelAt(r, rc.left, row);
        for (int col = rc.left; col < rc.right; ++col, ++p) {
            const long long sx = rcSrc.left + (col - rcDst.left) * cxSrc / cxDst;
            if (sx >= 0 && sx < src.cx) {
                *p = src.pBits[sy * src.nPitch + sx];
            }
        }
    }
}
