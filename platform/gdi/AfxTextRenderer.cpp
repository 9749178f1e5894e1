#include "platform/gdi/AfxTextRenderer.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/AfxDevice.h"
#include "platform/gdi/AfxDeviceContext.h"
#include "platform/gdi/AfxFontEngine.h"
#include "platform/gdi/AfxGdiObjects.h"

namespace {

struct TEXT_LINE {
    std::string strText;
    int nMnemonic = -1;
};

int Length(LPCTSTR lpsz, int nCount)
{
    if (lpsz == nullptr) {
        return 0;
    }
    return nCount < 0 ? static_cast<int>(std::strlen(lpsz)) : nCount;
}

int Width(AfxFontFace* pFace, const std::string& str)
{
    int cx = 0;
    for (unsigned char ch : str) {
        cx += pFace->GetAdvance(ch);
    }
    return cx;
}

// Strips "&" marks: "&&" is a literal "&", "&x" underlines x.
TEXT_LINE StripPrefix(const std::string& str, BOOL bShowMnemonic)
{
    TEXT_LINE line;
    for (size_t i = 0; i < str.size(); ++i) {
        if (str[i] == '&' && i + 1 < str.size()) {
            ++i;
            if (str[i] != '&' && line.nMnemonic < 0 && bShowMnemonic) {
                line.nMnemonic = static_cast<int>(line.strText.size());
            }
        } else if (str[i] == '&') {
            continue;
        }
        line.strText += str[i];
    }
    return line;
}

// Greedy word wrap at blanks; a word wider than the line stays whole.
void Wrap(AfxFontFace* pFace, const TEXT_LINE& para, int cxMax, std::vector<TEXT_LINE>& lines)
{
    const std::string& s = para.strText;
    size_t nStart = 0;
    while (true) {
        size_t nEnd = s.size();
        if (Width(pFace, s.substr(nStart)) > cxMax) {
            size_t nBreak = std::string::npos;
            for (size_t i = nStart + 1; i < s.size(); ++i) {
                if (s[i] == ' ' && Width(pFace, s.substr(nStart, i - nStart)) <= cxMax) {
                    nBreak = i;
                } else if (s[i] == ' ' && nBreak == std::string::npos) {
                    nBreak = i;
                    break;
                } else if (s[i] == ' ') {
                    break;
                }
            }
            nEnd = nBreak == std::string::npos ? s.size() : nBreak;
        }
        TEXT_LINE line;
        line.strText = s.substr(nStart, nEnd - nStart);
        const int nMnemonic = para.nMnemonic - static_cast<int>(nStart);
        line.nMnemonic = nMnemonic >= 0 && nMnemonic < static_cast<int>(line.strText.size()) ? nMnemonic : -1;
        lines.push_back(line);
        nStart = nEnd;
        while (nStart < s.size() && s[nStart] == ' ') {
            ++nStart;
        }
        if (nStart >= s.size()) {
            return;
        }
    }
}

std::vector<TEXT_LINE> Layout(AfxFontFace* pFace, const std::string& str, UINT nFormat, int cxMax)
{
    const BOOL bPrefix = (nFormat & DT_NOPREFIX) == 0;
    const BOOL bShow = (nFormat & DT_HIDEPREFIX) == 0;
    std::vector<TEXT_LINE> lines;
    if (nFormat & DT_SINGLELINE) {
        lines.push_back(bPrefix ? StripPrefix(str, bShow) : TEXT_LINE{str, -1});
        return lines;
    }
    size_t nStart = 0;
    while (nStart <= str.size()) {
        size_t nEnd = str.find('\n', nStart);
        if (nEnd == std::string::npos) {
            nEnd = str.size();
        }
        std::string strPara = str.substr(nStart, nEnd - nStart);
        if (!strPara.empty() && strPara.back() == '\r') {
            strPara.pop_back();
        }
        const TEXT_LINE para = bPrefix ? StripPrefix(strPara, bShow) : TEXT_LINE{strPara, -1};
        if ((nFormat & DT_WORDBREAK) && !para.strText.empty()) {
            Wrap(pFace, para, cxMax, lines);
        } else {
            lines.push_back(para);
        }
        nStart = nEnd + 1;
    }
    return lines;
}

// A bar under (or through) the text, from logical x, cx wide, at logical row y.
void Bar(HDC hDC, const RECT& rcClip, int x, int cx, int y, int cy, COLORREF cr)
{
    hDC->pDevice->Fill(rcClip, AfxDcToSurface(hDC, RECT{x, y, x + cx, y + cy}), cr);
}

void Underline(HDC hDC, const RECT& rcClip, AfxFontFace* pFace, int x, int cx, int yBaseline, COLORREF cr)
{
    Bar(hDC, rcClip, x, cx, yBaseline + pFace->GetUnderlineOffset(), pFace->GetUnderlineThickness(), cr);
}

// Characters handed to the device at once: a stack buffer of pen positions, no allocation
// in the paint.
const int kRunLength = 128;

// The glyphs of strText, each at the surface point of its logical pen position.
void DrawGlyphs(HDC hDC, const RECT& rcClip, AFX_GLYPH_RUN run, int x, int yBaseline, const std::string& strText)
{
    POINT pens[kRunLength];
    const unsigned char* pChars = reinterpret_cast<const unsigned char*>(strText.data());
    const int nLength = static_cast<int>(strText.size());
    int xPen = x;
    for (int nStart = 0; nStart < nLength; nStart += kRunLength) {
        run.nCount = std::min(kRunLength, nLength - nStart);
        run.pChars = pChars + nStart;
        for (int i = 0; i < run.nCount; ++i) {
            pens[i] = AfxDcToSurface(hDC, xPen, yBaseline);
            xPen += run.pFace->GetAdvance(run.pChars[i]);
        }
        run.pPens = pens;
        hDC->pDevice->DrawGlyphs(rcClip, run);
    }
}

}  // namespace

SIZE AfxTextExtent(HDC hDC, LPCTSTR lpszString, int nCount)
{
    AfxFontFace* pFace = hDC != nullptr ? AfxFontFaceOf(hDC->hFont) : nullptr;
    if (pFace == nullptr) {
        return SIZE{0, 0};
    }
    const int n = Length(lpszString, nCount);
    return SIZE{Width(pFace, std::string(lpszString != nullptr ? lpszString : "", static_cast<size_t>(n))),
                pFace->GetHeight()};
}

// The layout is logical, from the measuring face; each glyph is drawn by the face for
// the surface's factor at the surface pixel of its logical pen position.
BOOL AfxTextLine(HDC hDC, int x, int y, const std::string& strText, int nMnemonic, const RECT* prcLimit)
{
    AfxFontFace* pFace = AfxFontFaceOf(hDC->hFont);
    AfxFontFace* pInk = AfxFontFaceOf(hDC->hFont, hDC->nScale);
    if (pFace == nullptr || pInk == nullptr) {
        return FALSE;
    }
    RECT rcClip = hDC->rcClip;
    if (prcLimit != nullptr) {
        const RECT rcLimit = AfxDcToSurface(hDC, *prcLimit);
        ::IntersectRect(&rcClip, &rcClip, &rcLimit);
    }
    const int cx = Width(pFace, strText);
    if (hDC->nBkMode == OPAQUE) {
        Bar(hDC, rcClip, x, cx, y, pFace->GetHeight(), hDC->crBk);
    }
    const COLORREF cr = hDC->crText;
    const int yBaseline = y + pFace->GetAscent();
    DrawGlyphs(hDC, rcClip, AFX_GLYPH_RUN{pFace, pInk, nullptr, nullptr, 0, cr}, x, yBaseline, strText);
    if (nMnemonic >= 0 && nMnemonic < static_cast<int>(strText.size())) {
        const int xMnemonic = x + Width(pFace, strText.substr(0, static_cast<size_t>(nMnemonic)));
        const int nAdvance = pFace->GetAdvance(static_cast<unsigned char>(strText[static_cast<size_t>(nMnemonic)]));
        Underline(hDC, rcClip, pFace, xMnemonic, nAdvance, yBaseline, cr);
    }
    if (hDC->hFont->lf.lfUnderline) {
        Underline(hDC, rcClip, pFace, x, cx, yBaseline, cr);
    }
    if (hDC->hFont->lf.lfStrikeOut) {
        Bar(hDC, rcClip, x, cx, yBaseline - pFace->GetAscent() / 3, pFace->GetUnderlineThickness(), cr);
    }
    return TRUE;
}

int AfxDrawText(HDC hDC, LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    AfxFontFace* pFace = hDC != nullptr ? AfxFontFaceOf(hDC->hFont) : nullptr;
    if (pFace == nullptr || lpRect == nullptr) {
        return 0;
    }
    const std::string str(lpszString != nullptr ? lpszString : "", static_cast<size_t>(Length(lpszString, nCount)));
    const std::vector<TEXT_LINE> lines = Layout(pFace, str, nFormat, lpRect->right - lpRect->left);
    const int cyLine = pFace->GetHeight();
    const int cyText = cyLine * static_cast<int>(lines.size());
    int cxText = 0;
    for (const TEXT_LINE& line : lines) {
        cxText = std::max(cxText, Width(pFace, line.strText));
    }
    if (nFormat & DT_CALCRECT) {
        lpRect->right = lpRect->left + cxText;
        lpRect->bottom = lpRect->top + cyText;
        return cyText;
    }
    int y = lpRect->top;
    if ((nFormat & DT_SINGLELINE) && (nFormat & DT_VCENTER)) {
        y += (lpRect->bottom - lpRect->top - cyText) / 2;
    } else if ((nFormat & DT_SINGLELINE) && (nFormat & DT_BOTTOM)) {
        y = lpRect->bottom - cyText;
    }
    const RECT* prcLimit = (nFormat & DT_NOCLIP) ? nullptr : lpRect;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int cx = Width(pFace, lines[i].strText);
        int x = lpRect->left;
        if (nFormat & DT_CENTER) {
            x += (lpRect->right - lpRect->left - cx) / 2;
        } else if (nFormat & DT_RIGHT) {
            x = lpRect->right - cx;
        }
        AfxTextLine(hDC, x, y + cyLine * static_cast<int>(i), lines[i].strText, lines[i].nMnemonic, prcLimit);
    }
    const BOOL bOffset = (nFormat & DT_SINGLELINE) && (nFormat & (DT_VCENTER | DT_BOTTOM));
    return bOffset ? y - lpRect->top + cyText : cyText;
}

BOOL AfxTextMetrics(HDC hDC, LPTEXTMETRIC lptm)
{
    AfxFontFace* pFace = hDC != nullptr ? AfxFontFaceOf(hDC->hFont) : nullptr;
    if (pFace == nullptr || lptm == nullptr) {
        return FALSE;
    }
    std::memset(lptm, 0, sizeof(*lptm));
    const LOGFONT& lf = hDC->hFont->lf;
    lptm->tmHeight = pFace->GetHeight();
    lptm->tmAscent = pFace->GetAscent();
    lptm->tmDescent = pFace->GetDescent();
    lptm->tmInternalLeading = std::max(0, pFace->GetHeight() - pFace->GetEmSize());
    lptm->tmAveCharWidth = pFace->GetAdvance('x');
    for (int ch = 32; ch < 127; ++ch) {
        lptm->tmMaxCharWidth = std::max<LONG>(lptm->tmMaxCharWidth, pFace->GetAdvance(static_cast<unsigned char>(ch)));
    }
    lptm->tmWeight = pFace->GetWeight();
    lptm->tmItalic = lf.lfItalic;
    lptm->tmUnderlined = lf.lfUnderline;
    lptm->tmStruckOut = lf.lfStrikeOut;
    lptm->tmPitchAndFamily = lf.lfPitchAndFamily;
    lptm->tmCharSet = lf.lfCharSet;
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC hDC, LPCTSTR lpString, int nCount, LPSIZE lpSize)
{
    if (hDC == nullptr || lpSize == nullptr) {
        return FALSE;
    }
    *lpSize = AfxTextExtent(hDC, lpString, nCount);
    return TRUE;
}

BOOL GetTextMetrics(HDC hDC, LPTEXTMETRIC lptm)
{
    return AfxTextMetrics(hDC, lptm);
}
