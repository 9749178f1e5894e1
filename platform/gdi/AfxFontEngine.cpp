#include "platform/gdi/AfxFontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/core/AfxAlloc.h"
#include "platform/core/CString.h"

namespace {

const char* const kDefaultFace = "MS Sans Serif";
const LONG kDefaultHeight = -11;

// Windows-1252 characters 0x80 to 0x9F; the rest of the 8-bit range is Latin-1.
const uint16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

FT_ULong CodePointOf(unsigned char ch)
{
    return ch >= 0x80 && ch < 0xA0 ? kCp1252High[ch - 0x80] : ch;
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

BOOL IsBold(const LOGFONT& lf) { return lf.lfWeight >= FW_SEMIBOLD; }

BOOL IsFixed(const LOGFONT& lf)
{
    return (lf.lfPitchAndFamily & 3) == FIXED_PITCH || (lf.lfPitchAndFamily & 0xF0) == FF_MODERN;
}

std::string FaceName(const LOGFONT& lf)
{
    std::string s(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    return s.empty() ? kDefaultFace : s;
}

// Rounded-up pixels of a length in font units.
int CeilPixels(long nUnits, int nEm, int nUnitsPerEm)
{
    if (nUnits <= 0 || nUnitsPerEm <= 0) {
        return 0;
    }
    return static_cast<int>((nUnits * nEm + nUnitsPerEm - 1) / nUnitsPerEm);
}

// Ascent and descent in font units, as Windows measures a cell.
void CellUnits(FT_Face pFace, long& nAscent, long& nDescent)
{
    const TT_OS2* pOs2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(pFace, FT_SFNT_OS2));
    if (pOs2 != nullptr && pOs2->usWinAscent + pOs2->usWinDescent > 0) {
        nAscent = pOs2->usWinAscent;
        nDescent = pOs2->usWinDescent;
    } else {
        nAscent = pFace->ascender;
        nDescent = -pFace->descender;
    }
}

// lfHeight < 0 is the em size, > 0 the cell height, 0 the default.
int EmPixels(FT_Face pFace, LONG nHeight)
{
    if (nHeight == 0) {
        nHeight = kDefaultHeight;
    }
    if (nHeight < 0) {
        return -nHeight;
    }
    long nAscent = 0;
    long nDescent = 0;
    CellUnits(pFace, nAscent, nDescent);
    if (nAscent + nDescent <= 0) {
        return nHeight;
    }
    const long nEm = (static_cast<long>(nHeight) * pFace->units_per_EM + (nAscent + nDescent) / 2) /
                     (nAscent + nDescent);
    return nEm > 0 ? static_cast<int>(nEm) : 1;
}

// The em of the glyphs: nEm pixels times the factor. A whole number of pixels goes
// straight to FreeType; a fraction (11 pixels at 1.25 are 13.75) as 1/64 pixels.
void SetGlyphSize(FT_Face pFace, int nEm, int nScale)
{
    if (nEm * nScale % AFX_SCALE_ONE == 0) {
        FT_Set_Pixel_Sizes(pFace, 0, static_cast<FT_UInt>(nEm * nScale / AFX_SCALE_ONE));
    } else {
        FT_Set_Char_Size(pFace, 0, static_cast<FT_F26Dot6>(nEm) * nScale * 64 / AFX_SCALE_ONE, 72, 72);
    }
}

}  // namespace

AfxFontFace::AfxFontFace(FT_FaceRec_* pFace, const std::string& strFile, int nEm, int nScale, BOOL bEmbolden,
                         BOOL bOblique, LONG nWeight)
    : m_pFace(pFace), m_strFile(strFile), m_nEm(nEm), m_nScale(nScale), m_bEmbolden(bEmbolden), m_bOblique(bOblique),
      m_nWeight(nWeight)
{
    SetGlyphSize(m_pFace, nEm, nScale);
    long nAscent = 0;
    long nDescent = 0;
    CellUnits(m_pFace, nAscent, nDescent);
    m_nAscent = CeilPixels(nAscent, nEm, m_pFace->units_per_EM);
    m_nDescent = CeilPixels(nDescent, nEm, m_pFace->units_per_EM);
    if (m_nAscent == 0) {
        m_nAscent = nEm;
    }
    m_nUnderlineThickness = std::max(1, CeilPixels(m_pFace->underline_thickness, nEm, m_pFace->units_per_EM));
    m_nUnderlineOffset = std::max(1, CeilPixels(-m_pFace->underline_position, nEm, m_pFace->units_per_EM));
    // Keep the underline inside the cell.
    m_nUnderlineOffset = std::min(m_nUnderlineOffset, std::max(0, m_nDescent - m_nUnderlineThickness));
}

AfxFontFace::~AfxFontFace()
{
    FT_Done_Face(m_pFace);
}

const AFX_GLYPH& AfxFontFace::GetGlyph(unsigned char ch)
{
    std::unique_ptr<AFX_GLYPH>& p = m_glyphs[ch];
    if (!p) {
        p = std::make_unique<AFX_GLYPH>();
        Render(ch, *p);
        AfxFontEngine::Instance().CountGlyph();
    }
    return *p;
}

void AfxFontFace::Render(unsigned char ch, AFX_GLYPH& glyph)
{
    if (ch < 0x20) {
        return;  // control characters take no room and show nothing
    }
    const FT_UInt nIndex = FT_Get_Char_Index(m_pFace, CodePointOf(ch));
    if (FT_Load_Glyph(m_pFace, nIndex, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) {
        return;
    }
    FT_GlyphSlot pSlot = m_pFace->glyph;
    glyph.nAdvance = static_cast<int>((pSlot->advance.x + 32) >> 6);
    if (pSlot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (m_bOblique) {
            FT_Matrix shear = {0x10000, 0x0366A, 0, 0x10000};
            FT_Outline_Transform(&pSlot->outline, &shear);
        }
        if (m_bEmbolden) {
            // One logical pixel wider, in 1/64 pixels.
            FT_Outline_EmboldenXY(&pSlot->outline, 64 * m_nScale / AFX_SCALE_ONE, 0);
            glyph.nAdvance += AfxScaleToDevice(m_nScale, 1);
        }
    }
    if (FT_Render_Glyph(pSlot, FT_RENDER_MODE_NORMAL) != 0) {
        return;
    }
    const FT_Bitmap& bm = pSlot->bitmap;
    glyph.nLeft = pSlot->bitmap_left;
    glyph.nTop = pSlot->bitmap_top;
    glyph.cx = static_cast<int>(bm.width);
    glyph.cy = static_cast<int>(bm.rows);
    glyph.mask.resize(static_cast<size_t>(glyph.cx) * static_cast<size_t>(glyph.cy));
    for (int y = 0; y < glyph.cy; ++y) {
        const unsigned char* pRow = bm.pitch >= 0 ? bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch
                                                  : bm.buffer + static_cast<ptrdiff_t>(glyph.cy - 1 - y) * -bm.pitch;
        std::memcpy(&glyph.mask[static_cast<size_t>(y) * glyph.cx], pRow, static_cast<size_t>(glyph.cx));
    }
}

AfxFontEngine& AfxFontEngine::Instance()
{
    static AfxFontEngine s_engine;
    return s_engine;
}

AfxFontEngine::AfxFontEngine()
{
    FT_Library pLibrary = nullptr;
    if (FT_Init_FreeType(&pLibrary) == 0) {
        m_pLibrary = pLibrary;
    }
    m_bFontconfig = FcInit() ? TRUE : FALSE;
}

AfxFontEngine::~AfxFontEngine()
{
    m_byLogFont.clear();
    m_faces.clear();
    if (m_pLibrary != nullptr) {
        FT_Done_FreeType(static_cast<FT_Library>(m_pLibrary));
    }
}

AfxFontFace* AfxFontEngine::FindFace(const LOGFONT& lf, int nScale)
{
    const std::string strKey = Lower(FaceName(lf)) + '|' + std::to_string(lf.lfHeight == 0 ? kDefaultHeight : lf.lfHeight) +
                               '|' + (IsBold(lf) ? 'b' : 'n') + (lf.lfItalic ? 'i' : 'r') + (IsFixed(lf) ? 'f' : 'v') +
                               '|' + std::to_string(nScale);
    auto it = m_byLogFont.find(strKey);
    if (it != m_byLogFont.end()) {
        return it->second;
    }
    AfxFontFace* pFace = OpenFace(lf, nScale);
    m_byLogFont.emplace(strKey, pFace);
    return pFace;
}

AfxFontFace* AfxFontEngine::OpenFace(const LOGFONT& lf, int nScale)
{
    if (m_pLibrary == nullptr || !m_bFontconfig) {
        return nullptr;
    }
    const BOOL bFixed = IsFixed(lf);
    const std::string chain[] = {FaceName(lf), bFixed ? "Liberation Mono" : "Liberation Sans",
                                 bFixed ? "DejaVu Sans Mono" : "DejaVu Sans", bFixed ? "monospace" : "sans-serif"};
    const size_t nLast = sizeof(chain) / sizeof(chain[0]) - 1;
    for (size_t i = 0; i <= nLast; ++i) {
        MATCH match;
        if (!Match(chain[i], IsBold(lf), lf.lfItalic != 0, i < nLast, match)) {
            continue;
        }
        std::unique_ptr<AfxFontFace> pFace = Load(match, lf, nScale);
        if (!pFace) {
            continue;
        }
        const std::string strKey = match.strFile + '|' + std::to_string(match.nIndex) + '|' +
                                   std::to_string(pFace->GetEmSize()) + '|' + (match.bEmbolden ? 'b' : 'n') +
                                   (match.bOblique ? 'o' : 'r') + '|' + std::to_string(lf.lfWeight) + '|' +
                                   std::to_string(nScale);
        auto it = m_faces.find(strKey);
        if (it != m_faces.end()) {
            return it->second.get();
        }
        ++m_stats.nFaces;
        return m_faces.emplace(strKey, std::move(pFace)).first->second.get();
    }
    return nullptr;
}

// bExact: only a face of that family counts; otherwise whatever fontconfig offers.
BOOL AfxFontEngine::Match(const std::string& strFamily, BOOL bBold, BOOL bItalic, BOOL bExact, MATCH& match)
{
    ++m_stats.nMatches;
    FcPattern* pPattern = FcPatternCreate();
    if (pPattern == nullptr) {
        return FALSE;
    }
    FcPatternAddString(pPattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(strFamily.c_str()));
    FcPatternAddInteger(pPattern, FC_WEIGHT, bBold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pPattern, FC_SLANT, bItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pPattern, FC_OUTLINE, FcTrue);
    FcConfigSubstitute(nullptr, pPattern, FcMatchPattern);
    FcDefaultSubstitute(pPattern);
    FcResult result = FcResultNoMatch;
    FcPattern* pFound = FcFontMatch(nullptr, pPattern, &result);
    FcPatternDestroy(pPattern);
    if (pFound == nullptr) {
        return FALSE;
    }
    BOOL bFamily = !bExact;
    FcChar8* pszValue = nullptr;
    for (int i = 0; !bFamily && FcPatternGetString(pFound, FC_FAMILY, i, &pszValue) == FcResultMatch; ++i) {
        bFamily = Lower(reinterpret_cast<const char*>(pszValue)) == Lower(strFamily);
    }
    FcBool bOutline = FcFalse;
    FcPatternGetBool(pFound, FC_OUTLINE, 0, &bOutline);
    BOOL bOk = bFamily && bOutline && FcPatternGetString(pFound, FC_FILE, 0, &pszValue) == FcResultMatch;
    if (bOk) {
        match.strFile = reinterpret_cast<const char*>(pszValue);
        FcPatternGetInteger(pFound, FC_INDEX, 0, &match.nIndex);
        int nWeight = FC_WEIGHT_REGULAR;
        int nSlant = FC_SLANT_ROMAN;
        FcPatternGetInteger(pFound, FC_WEIGHT, 0, &nWeight);
        FcPatternGetInteger(pFound, FC_SLANT, 0, &nSlant);
        match.bEmbolden = bBold && nWeight < FC_WEIGHT_DEMIBOLD;
        match.bOblique = bItalic && nSlant == FC_SLANT_ROMAN;
    }
    FcPatternDestroy(pFound);
    return bOk;
}

std::unique_ptr<AfxFontFace> AfxFontEngine::Load(const MATCH& match, const LOGFONT& lf, int nScale)
{
    FT_Face pFace = nullptr;
    if (FT_New_Face(static_cast<FT_Library>(m_pLibrary), match.strFile.c_str(), match.nIndex, &pFace) != 0) {
        return nullptr;
    }
    if (!FT_IS_SCALABLE(pFace) || pFace->units_per_EM == 0) {
        FT_Done_Face(pFace);
        return nullptr;
    }
    FT_Select_Charmap(pFace, FT_ENCODING_UNICODE);
    const LONG nWeight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
    return std::make_unique<AfxFontFace>(pFace, match.strFile, EmPixels(pFace, lf.lfHeight), nScale,
                                         match.bEmbolden, match.bOblique, nWeight);
}

std::string AfxFontEngine::GetFailure(const LOGFONT& lf)
{
    if (m_pLibrary == nullptr) {
        return "No usable font: FreeType could not be started.";
    }
    if (!m_bFontconfig) {
        return "No usable font: fontconfig could not read its configuration.";
    }
    if (FindFace(lf) == nullptr) {
        return "No usable font: fontconfig finds no scalable font that FreeType can open "
               "(install fonts-liberation2 or fonts-dejavu-core).";
    }
    return std::string();
}

BOOL AfxCheckFonts(CString& strError)
{
    LOGFONT lf;
    if (GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf) != sizeof(lf)) {
        strError = "No usable font: the stock GUI font is missing.";
        return FALSE;
    }
    strError = AfxFontEngine::Instance().GetFailure(lf).c_str();
    // fontconfig and FreeType say no more than that they failed: with memory too short for
    // the program to run at all, that is what to say.
    if (!strError.IsEmpty() && AfxIsMemoryShort())
        strError = "out of memory while looking for a font";
    return strError.IsEmpty();
}
