// The device of every window, bitmap and picture: 32-bit pixels drawn by the software
// rasteriser.
#pragma once

#include "platform/gdi/AfxDevice.h"
#include "platform/gdi/AfxSurface.h"

class AfxRasterDevice : public AfxDevice {
public:
    void Fill(const RECT& rcClip, const RECT& rc, COLORREF cr) override;
    // Each glyph's coverage mask blended in the text colour at its pen position.
    void DrawGlyphs(const RECT& rcClip, const AFX_GLYPH_RUN& run) override;

    AFX_SURFACE m_surface = {nullptr, 0, 0, 0};  // no pixels on a printer surface
};
