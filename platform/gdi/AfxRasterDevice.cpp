#include "platform/gdi/AfxRasterDevice.h"

#include "platform/gdi/AfxFontEngine.h"
#include "platform/gdi/AfxRaster.h"

void AfxRasterDevice::Fill(const RECT& rcClip, const RECT& rc, COLORREF cr)
{
    AfxRasterFill(AFX_RASTER{m_surface.pBits, m_surface.nPitch, rcClip}, rc, AfxPixelFromColor(cr));
}

void AfxRasterDevice::DrawGlyphs(const RECT& rcClip, const AFX_GLYPH_RUN& run)
{
    const AFX_RASTER r = {m_surface.pBits, m_surface.nPitch, rcClip};
    const uint32_t px = AfxPixelFromColor(run.crText);
    for (int i = 0; i < run.nCount; ++i) {
        const AFX_GLYPH& g = run.pInk->GetGlyph(run.pChars[i]);
        if (!g.mask.empty()) {
            AfxRasterBlendMask(r, run.pPens[i].x + g.nLeft, run.pPens[i].y - g.nTop, g.mask.data(), g.cx, g.cy, g.cx,
                               px);
        }
    }
}
