// A drawing surface over a block of pixels that start in a colour no drawing uses, so
// that "untouched" can be told apart from "drawn white", with helpers to look at it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <vector>

#include "platform/gdi/AfxSurface.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
inline void PrintTo(const CPoint& pt, std::ostream* os) { *os << "(" << pt.x << ", " << pt.y << ")"; }

constexpr COLORREF kUntouched = RGB(0x12, 0x34, 0x56);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// Whether px is crInk laid over crBack with a coverage of at least a half, as
// anti-aliased text leaves it.
inline bool IsInkOf(COLORREF px, COLORREF crBack, COLORREF crInk)
{
    const int shifts[3] = {0, 8, 16};
    int nWide = 0;
    for (int i = 1; i < 3; ++i) {
        const int d = std::abs(int((crInk >> shifts[i]) & 0xFF) - int((crBack >> shifts[i]) & 0xFF));
        const int dWide = std::abs(int((crInk >> shifts[nWide]) & 0xFF) - int((crBack >> shifts[nWide]) & 0xFF));
        nWide = d > dWide ? i : nWide;
    }
    auto channel = [](COLORREF cr, int nShift) { return double((cr >> nShift) & 0xFF); };
    const double dSpan = channel(crInk, shifts[nWide]) - channel(crBack, shifts[nWide]);
    if (dSpan == 0) {
        return false;
    }
    const double dCover = (channel(px, shifts[nWide]) - channel(crBack, shifts[nWide])) / dSpan;
    if (dCover < 0.5 || dCover > 1.0) {
        return false;
    }
    for (int nShift : shifts) {
        const double dExpected = channel(crBack, nShift) + dCover * (channel(crInk, nShift) - channel(crBack, nShift));
        if (std::abs(channel(px, nShift) - dExpected) > 3.0) {
            return false;
        }
    }
    return true;
}

class TestSurface {
public:
    // A fresh context on cx by cy untouched pixels; device (0, 0) on surface pixel
    // ptOrigin; only rcClip (surface pixels) may change. With a factor (nScale), ptOrigin
    // and rcClip are logical and the surface holds the factor times as many pixels.
    TestSurface(int cx, int cy) : TestSurface(cx, cy, RECT{0, 0, cx, cy}, POINT{0, 0}) {}
    TestSurface(int cx, int cy, const RECT& rcClip, POINT ptOrigin, int nScale = AFX_SCALE_ONE)
        : m_cx(cx), m_cy(cy), m_pixels(static_cast<size_t>(cx) * cy, AfxPixelFromColor(kUntouched))
    {
        m_dc.Attach(AfxCreateSurfaceDC(AFX_SURFACE{m_pixels.data(), cx, cy, cx}, ptOrigin, rcClip, nScale));
    }
    ~TestSurface() { AfxDeleteSurfaceDC(m_dc.Detach()); }
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    CDC* DC() { return &m_dc; }
    const std::vector<uint32_t>& Pixels() const { return m_pixels; }
    COLORREF Pixel(int x, int y) const { return AfxColorFromPixel(m_pixels[Index(x, y)]); }

    // Pixels of exactly cr inside rc.
    int Count(const CRect& rc, COLORREF cr) const
    {
        int n = 0;
        ForEach(rc, [&](int x, int y) { n += Pixel(x, y) == cr ? 1 : 0; });
        return n;
    }
    // Pixels inside rc that are text ink of crInk on crBack.
    int CountInk(const CRect& rc, COLORREF crBack, COLORREF crInk) const
    {
        int n = 0;
        ForEach(rc, [&](int x, int y) { n += IsInkOf(Pixel(x, y), crBack, crInk) ? 1 : 0; });
        return n;
    }
    bool All(const CRect& rc, COLORREF cr) const { return Count(rc, cr) == rc.Width() * rc.Height(); }

    // Bounding box of the pixels inside rc that are (bMatch) or are not (!bMatch) cr.
    CRect Box(const CRect& rc, COLORREF cr, bool bMatch) const
    {
        CRect rcBox;
        ForEach(rc, [&](int x, int y) {
            if ((Pixel(x, y) == cr) == bMatch) {
                Grow(rcBox, x, y);
            }
        });
        return rcBox;
    }
    CRect ChangedBox() const { return Box(CRect(0, 0, m_cx, m_cy), kUntouched, false); }

    // Bounding box of the pixels that differ from an earlier copy.
    CRect DiffBox(const std::vector<uint32_t>& before) const
    {
        CRect rcBox;
        ForEach(CRect(0, 0, m_cx, m_cy), [&](int x, int y) {
            if (m_pixels[Index(x, y)] != before[Index(x, y)]) {
                Grow(rcBox, x, y);
            }
        });
        return rcBox;
    }

    // Whether rc holds the same pixels here and in other.
    bool SameAs(const TestSurface& other, const CRect& rc) const
    {
        bool bSame = true;
        ForEach(rc, [&](int x, int y) { bSame = bSame && Pixel(x, y) == other.Pixel(x, y); });
        return bSame;
    }

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * m_cx + x; }

    template <typename F>
    static void ForEach(const CRect& rc, F f)
    {
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                f(x, y);
            }
        }
    }
    static void Grow(CRect& rc, int x, int y)
    {
        if (rc.IsRectEmpty()) {
            rc = CRect(x, y, x + 1, y + 1);
            return;
        }
        rc = CRect(std::min<int>(rc.left, x), std::min<int>(rc.top, y), std::max<int>(rc.right, x + 1),
                   std::max<int>(rc.bottom, y + 1));
    }

    int m_cx;
    int m_cy;
    std::vector<uint32_t> m_pixels;
    CDC m_dc;
};

// The stock GUI font's description, as the calendar derives its fonts from it.
inline LOGFONT StockGuiLogFont()
{
    LOGFONT lf;
    std::memset(&lf, 0, sizeof(lf));
    GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    return lf;
}

constexpr COLORREF kCallersText = RGB(0, 200, 0);

// A caller's own font, text colour and background mode, set before a drawing call so
// that what the call leaves behind can be told apart from them; the font is put back
// when the state goes.
class CallerState {
public:
    CallerState(CDC* pDC, int nBkMode) : m_pDC(pDC)
    {
        LOGFONT lf = StockGuiLogFont();
        lf.lfHeight = -20;
        m_font.CreateFontIndirect(&lf);
        m_pOldFont = pDC->SelectObject(&m_font);
        pDC->SetTextColor(kCallersText);
        pDC->SetBkMode(nBkMode);
    }
    ~CallerState() { m_pDC->SelectObject(m_pOldFont); }
    CallerState(const CallerState&) = delete;
    CallerState& operator=(const CallerState&) = delete;

    CFont* Font() { return &m_font; }

private:
    CDC* m_pDC;
    CFont m_font;
    CFont* m_pOldFont;
};

// The heavier title and header variant: weight 600, a tenth more height.
inline LOGFONT TitleLogFont()
{
    LOGFONT lf = StockGuiLogFont();
    lf.lfWeight = 600;
    lf.lfHeight += lf.lfHeight / 10;
    return lf;
}

// Draws one text on pDC as the calendar does: centred in rc over a fill.
inline void DrawReferenceText(CDC* pDC, const LOGFONT& lf, const CRect& rc, COLORREF crFill, COLORREF crText,
                              int nBkMode, const char* pszText)
{
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOld = pDC->SelectObject(&font);
    pDC->FillSolidRect(rc, crFill);
    pDC->SetBkMode(nBkMode);
    pDC->SetTextColor(crText);
    CRect rcText = rc;
    pDC->DrawText(pszText, -1, rcText, kCentred);
    pDC->SelectObject(pOld);
}
