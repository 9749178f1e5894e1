// What a device context draws on: the raster device (the pixels of a back buffer, a bitmap
// or a picture) or a printer page. The context works out where everything goes; the device
// only fills rectangles and places glyphs, in its own units: surface pixels for the raster
// device, the picture's logical pixels for a page, which maps them onto paper itself.
#pragma once

#include "platform/core/WinDef.h"

class AfxFontFace;

// Characters of one line (or a piece of a long one), each with its pen position on the
// baseline, in device units.
struct AFX_GLYPH_RUN {
    AfxFontFace* pFace;  // the face that laid the text out
    AfxFontFace* pInk;   // the same face with its glyphs rendered at the surface's factor
    const unsigned char* pChars;
    const POINT* pPens;
    int nCount;
    COLORREF crText;
};

class AfxDevice {
public:
    virtual ~AfxDevice() = default;
    // Nothing outside rcClip changes.
    virtual void Fill(const RECT& rcClip, const RECT& rc, COLORREF cr) = 0;
    virtual void DrawGlyphs(const RECT& rcClip, const AFX_GLYPH_RUN& run) = 0;
};

// A printer surface over pDevice, for a picture of cx by cy logical pixels drawn at a factor
// of 1: IsPrinting answers TRUE, and block copies, icons and inversions, which need pixels,
// draw nothing. The device must outlive the context (DeleteDC).
HDC AfxCreatePrinterDC(AfxDevice* pDevice, int cx, int cy);
