// Finds a face for a LOGFONT (fontconfig), renders its glyphs (FreeType) and keeps both,
// so that creating the same font again costs a table lookup.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/core/AfxScale.h"
#include "platform/gdi/AfxGdi.h"

struct FT_FaceRec_;

// A rendered character: coverage mask placed relative to the pen on the baseline.
struct AFX_GLYPH {
    int nLeft = 0;     // columns from the pen position to the mask's left edge
    int nTop = 0;      // rows from the mask's top edge down to the baseline
    int cx = 0;
    int cy = 0;
    int nAdvance = 0;  // where the pen goes next
    std::vector<uint8_t> mask;
};

// One face at one pixel size, with its synthesized style. A face for a surface with a
// factor (nScale quarters) renders its glyphs at the factor times the size, fractions of
// a pixel included; its metrics stay those of the logical size, since text is laid out
// in logical pixels.
class AfxFontFace {
public:
    AfxFontFace(FT_FaceRec_* pFace, const std::string& strFile, int nEm, int nScale, BOOL bEmbolden, BOOL bOblique,
                LONG nWeight);
    ~AfxFontFace();
    AfxFontFace(const AfxFontFace&) = delete;
    AfxFontFace& operator=(const AfxFontFace&) = delete;

    int GetAscent() const { return m_nAscent; }
    int GetDescent() const { return m_nDescent; }
    int GetHeight() const { return m_nAscent + m_nDescent; }
    int GetEmSize() const { return m_nEm; }
    LONG GetWeight() const { return m_nWeight; }
    int GetUnderlineOffset() const { return m_nUnderlineOffset; }  // rows below the baseline
    int GetUnderlineThickness() const { return m_nUnderlineThickness; }
    const std::string& GetFile() const { return m_strFile; }

    const AFX_GLYPH& GetGlyph(unsigned char ch);
    int GetAdvance(unsigned char ch) { return GetGlyph(ch).nAdvance; }
    // The font file's glyph of a character, 0 when it has none.
    unsigned GetGlyphIndex(unsigned char ch) const;
    // Whether the style is made up: a regular face thickened, an upright one slanted.
    BOOL IsEmboldened() const { return m_bEmbolden; }
    BOOL IsOblique() const { return m_bOblique; }
    // A second FreeType face on the same font file, for a renderer that sets sizes of its
    // own on it (cairo): this face keeps its size. Null on failure; freed with FT_Done_Face.
    FT_FaceRec_* OpenTwin() const;

private:
    void Render(unsigned char ch, AFX_GLYPH& glyph);

    FT_FaceRec_* m_pFace;
    std::string m_strFile;
    int m_nEm;
    int m_nScale;
    BOOL m_bEmbolden;
    BOOL m_bOblique;
    LONG m_nWeight;
    int m_nAscent = 0;
    int m_nDescent = 0;
    int m_nUnderlineOffset = 1;
    int m_nUnderlineThickness = 1;
    std::array<std::unique_ptr<AFX_GLYPH>, 256> m_glyphs;
};

// The Unicode character of a Windows-1252 one, the 8-bit text of the program.
unsigned long AfxCodePointOf(unsigned char ch);

struct AFX_FONT_CACHE_STATS {
    size_t nFaces;    // sized faces opened
    size_t nMatches;  // fontconfig look-ups made
    size_t nGlyphs;   // glyphs rendered
};

class AfxFontEngine {
public:
    static AfxFontEngine& Instance();
    ~AfxFontEngine();

    // Null when not a single usable font exists. nScale: the factor of the surface that
    // the glyphs are for (AFX_SCALE_ONE for measuring).
    AfxFontFace* FindFace(const LOGFONT& lf, int nScale = AFX_SCALE_ONE);
    // Why FindFace fails, empty when it works.
    std::string GetFailure(const LOGFONT& lf);
    AFX_FONT_CACHE_STATS GetStats() const { return m_stats; }
    void CountGlyph() { ++m_stats.nGlyphs; }

private:
    struct MATCH {
        std::string strFile;
        int nIndex = 0;
        BOOL bEmbolden = FALSE;
        BOOL bOblique = FALSE;
    };

    AfxFontEngine();
    AfxFontFace* OpenFace(const LOGFONT& lf, int nScale);
    BOOL Match(const std::string& strFamily, BOOL bBold, BOOL bItalic, BOOL bExact, MATCH& match);
    std::unique_ptr<AfxFontFace> Load(const MATCH& match, const LOGFONT& lf, int nScale);

    void* m_pLibrary = nullptr;  // FT_Library
    BOOL m_bFontconfig = FALSE;
    std::unordered_map<std::string, std::unique_ptr<AfxFontFace>> m_faces;  // by file and size
    std::unordered_map<std::string, AfxFontFace*> m_byLogFont;
    AFX_FONT_CACHE_STATS m_stats = {0, 0, 0};
};
