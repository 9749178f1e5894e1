// A printer page: one PDF page drawn with vectors through cairo. The picture's logical
// pixels go onto the page by one factor, as large as fits inside the margin, centred.
// Fills are rectangles; text is glyphs of the very font files the font engine opened, each
// where the text layout put it, so the page has the window's layout, its text embedded
// and searchable, and no pixel anywhere.
#pragma once

#include <map>

#include "platform/core/CString.h"
#include "platform/gdi/AfxDevice.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo_font_face cairo_font_face_t;

// Takes the document's bytes as they come; FALSE stops the writing.
typedef BOOL (*AFX_PDF_WRITE)(void* pContext, const unsigned char* pData, unsigned int nLength);
struct AFX_PDF_SINK {
    AFX_PDF_WRITE pfnWrite;
    void* pContext;
};

struct AFX_PDF_PAGE {
    double cxPage;   // points, 1/72 inch
    double cyPage;
    double dMargin;  // points kept free on the side where the picture fits tightest
    int cxPicture;   // logical pixels
    int cyPicture;
    LPCTSTR lpszTitle;
    LPCTSTR lpszCreator;
};

class AfxPdfDevice : public AfxDevice {
public:
    AfxPdfDevice(const AFX_PDF_PAGE& page, AFX_PDF_WRITE pfnWrite, void* pContext);
    ~AfxPdfDevice() override;
    AfxPdfDevice(const AfxPdfDevice&) = delete;
    AfxPdfDevice& operator=(const AfxPdfDevice&) = delete;

    // A printer surface over the whole picture; deleted (DeleteDC) before Finish.
    HDC CreateDC();
    // Ends the page and writes the rest of the document. FALSE with cairo's reason when
    // anything failed on the way, the writing included: the output is then incomplete.
    BOOL Finish(CString& strError);

    void Fill(const RECT& rcClip, const RECT& rc, COLORREF cr) override;
    void DrawGlyphs(const RECT& rcClip, const AFX_GLYPH_RUN& run) override;

private:
    cairo_font_face_t* FontOf(AfxFontFace* pFace);
    void SetColor(COLORREF cr);

    AFX_PDF_PAGE m_page;
    AFX_PDF_SINK m_sink;
    cairo_surface_t* m_pSurface;
    cairo_t* m_pCairo;
    std::map<AfxFontFace*, cairo_font_face_t*> m_fonts;
};
