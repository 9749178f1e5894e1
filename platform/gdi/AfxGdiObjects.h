// The platform objects behind HFONT, HPEN, HBRUSH and HBITMAP. Each starts with the
// same header, so that an HGDIOBJ can be inspected without knowing its type.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/gdi/AfxGdi.h"

class CGdiObject;
class AfxFontFace;

struct AFX_GDIHEADER {
    DWORD nType = 0;                     // OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP
    BOOL bStock = FALSE;                 // shared, never freed
    int nSelected = 0;                   // surfaces that have it selected
    BOOL bDeletePending = FALSE;         // freed when the last surface lets go
    CGdiObject* pPermanent = nullptr;    // the wrapper it is attached to
    CGdiObject* pTemporary = nullptr;    // owned wrapper made by FromHandle
};

struct HFONT__ {
    AFX_GDIHEADER hdr;
    LOGFONT lf;
    AfxFontFace* pFace;  // resolved on first use; owned by the font engine
    BOOL bResolved;
    AfxFontFace* pScaledFace;  // glyphs for the factor other than 1 it was last drawn at,
    int nScaledFace;           // that factor (0 until then)
};

struct HPEN__ {
    AFX_GDIHEADER hdr;
    LOGPEN lp;
};

struct HBRUSH__ {
    AFX_GDIHEADER hdr;
    LOGBRUSH lb;
};

struct HBITMAP__ {
    AFX_GDIHEADER hdr;
    int cx;
    int cy;
    std::unique_ptr<uint32_t[]> bits;  // cx * cy pixels, null when empty
    size_t nCapacity;                  // pixels the block holds: cx * cy or a few more
};

// Null for a null handle.
AFX_GDIHEADER* AfxGdiHeader(HGDIOBJ hObject);
// Selection bookkeeping of the surfaces; the release frees an object whose deletion
// was asked for while it was selected, and then answers TRUE.
void AfxGdiAddSelection(HGDIOBJ hObject);
BOOL AfxGdiReleaseSelection(HGDIOBJ hObject);
// The face that measures a font's text; null when no font can be found at all.
AfxFontFace* AfxFontFaceOf(HFONT hFont);
// The face whose glyphs draw it on a surface of factor nScale.
AfxFontFace* AfxFontFaceOf(HFONT hFont, int nScale);
HBITMAP AfxStockBitmap();  // the 1 x 1 bitmap of a fresh memory surface
