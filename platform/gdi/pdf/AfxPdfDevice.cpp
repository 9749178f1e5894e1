#include "platform/gdi/pdf/AfxPdfDevice.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/gdi/AfxFontEngine.h"

namespace {

const cairo_user_data_key_t kFaceKey = {};

cairo_status_t WriteToSink(void* pClosure, const unsigned char* pData, unsigned int nLength)
{
    const AFX_PDF_SINK* pSink = static_cast<const AFX_PDF_SINK*>(pClosure);
    return pSink->pfnWrite(pSink->pContext, pData, nLength) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

void FreeFace(void* pFace) { FT_Done_Face(static_cast<FT_Face>(pFace)); }

void AppendUtf8(std::string& str, unsigned long nCode)
{
    if (nCode < 0x80) {
        str += static_cast<char>(nCode);
    } else if (nCode < 0x800) {
        str += static_cast<char>(0xC0 | (nCode >> 6));
        str += static_cast<char>(0x80 | (nCode & 0x3F));
    } else {
        str += static_cast<char>(0xE0 | (nCode >> 12));
        str += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
        str += static_cast<char>(0x80 | (nCode & 0x3F));
    }
}

void ClipTo(cairo_t* pCairo, const RECT& rc)
{
    cairo_rectangle(pCairo, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    cairo_clip(pCairo);
}

}  // namespace

AfxPdfDevice::AfxPdfDevice(const AFX_PDF_PAGE& page, AFX_PDF_WRITE pfnWrite, void* pContext)
    : m_page(page), m_sink{pfnWrite, pContext}
{
    m_pSurface = cairo_pdf_surface_create_for_stream(WriteToSink, &m_sink, page.cxPage, page.cyPage);
    cairo_pdf_surface_set_metadata(m_pSurface, CAIRO_PDF_METADATA_TITLE, page.lpszTitle);
    cairo_pdf_surface_set_metadata(m_pSurface, CAIRO_PDF_METADATA_CREATOR, page.lpszCreator);
    m_pCairo = cairo_create(m_pSurface);
    const double dFactor = std::min((page.cxPage - 2 * page.dMargin) / page.cxPicture,
                                    (page.cyPage - 2 * page.dMargin) / page.cyPicture);
    cairo_translate(m_pCairo, (page.cxPage - dFactor * page.cxPicture) / 2,
                    (page.cyPage - dFactor * page.cyPicture) / 2);
    cairo_scale(m_pCairo, dFactor, dFactor);
}

AfxPdfDevice::~AfxPdfDevice()
{
    cairo_destroy(m_pCairo);
    cairo_surface_destroy(m_pSurface);
    for (const auto& font : m_fonts) {
        cairo_font_face_destroy(font.second);
    }
}

HDC AfxPdfDevice::CreateDC()
{
    return AfxCreatePrinterDC(this, m_page.cxPicture, m_page.cyPicture);
}

BOOL AfxPdfDevice::Finish(CString& strError)
{
    cairo_show_page(m_pCairo);
    cairo_surface_finish(m_pSurface);
    cairo_status_t status = cairo_status(m_pCairo);
    if (status == CAIRO_STATUS_SUCCESS) {
        status = cairo_surface_status(m_pSurface);
    }
    if (status != CAIRO_STATUS_SUCCESS) {
        strError = cairo_status_to_string(status);
        return FALSE;
    }
    return TRUE;
}

void AfxPdfDevice::SetColor(COLORREF cr)
{
    cairo_set_source_rgb(m_pCairo, GetRValue(cr) / 255.0, GetGValue(cr) / 255.0, GetBValue(cr) / 255.0);
}

void AfxPdfDevice::Fill(const RECT& rcClip, const RECT& rc, COLORREF cr)
{
    RECT rcFill;
    if (!::IntersectRect(&rcFill, &rc, &rcClip)) {
        return;
    }
    SetColor(cr);
    cairo_rectangle(m_pCairo, rcFill.left, rcFill.top, rcFill.right - rcFill.left, rcFill.bottom - rcFill.top);
    cairo_fill(m_pCairo);
}

// The text goes with its glyphs, one character for each, so that the page can be searched.
void AfxPdfDevice::DrawGlyphs(const RECT& rcClip, const AFX_GLYPH_RUN& run)
{
    cairo_font_face_t* pFont = FontOf(run.pFace);
    if (pFont == nullptr || ::IsRectEmpty(&rcClip)) {
        return;
    }
    std::vector<cairo_glyph_t> glyphs;
    std::vector<cairo_text_cluster_t> clusters;
    std::string strUtf8;
    for (int i = 0; i < run.nCount; ++i) {
        const unsigned char ch = run.pChars[i];
        if (ch < 0x20) {
            continue;  // no glyph and no room, as on the screen
        }
        const size_t nBefore = strUtf8.size();
        AppendUtf8(strUtf8, AfxCodePointOf(ch));
        glyphs.push_back(cairo_glyph_t{run.pFace->GetGlyphIndex(ch), double(run.pPens[i].x), double(run.pPens[i].y)});
        clusters.push_back(cairo_text_cluster_t{static_cast<int>(strUtf8.size() - nBefore), 1});
    }
    if (glyphs.empty()) {
        return;
    }
    cairo_save(m_pCairo);
    ClipTo(m_pCairo, rcClip);
    cairo_set_font_face(m_pCairo, pFont);
    cairo_set_font_size(m_pCairo, run.pFace->GetEmSize());
    SetColor(run.crText);
    cairo_show_text_glyphs(m_pCairo, strUtf8.data(), static_cast<int>(strUtf8.size()), glyphs.data(),
                           static_cast<int>(glyphs.size()), clusters.data(), static_cast<int>(clusters.size()),
                           cairo_text_cluster_flags_t(0));
    cairo_restore(m_pCairo);
}

// A cairo face over a twin of the layout's FreeType face: the same file, sizes of its own.
cairo_font_face_t* AfxPdfDevice::FontOf(AfxFontFace* pFace)
{
    auto it = m_fonts.find(pFace);
    if (it != m_fonts.end()) {
        return it->second;
    }
    FT_Face pTwin = pFace->OpenTwin();
    if (pTwin == nullptr) {
        return nullptr;
    }
    cairo_font_face_t* pFont = cairo_ft_font_face_create_for_ft_face(pTwin, 0);
    if (cairo_font_face_set_user_data(pFont, &kFaceKey, pTwin, FreeFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(pFont);
        FT_Done_Face(pTwin);
        return nullptr;
    }
    cairo_ft_font_face_set_synthesize(pFont, (pFace->IsEmboldened() ? CAIRO_FT_SYNTHESIZE_BOLD : 0) |
                                                 (pFace->IsOblique() ? CAIRO_FT_SYNTHESIZE_OBLIQUE : 0));
    m_fonts.emplace(pFace, pFont);
    return pFont;
}
