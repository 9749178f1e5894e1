// The off-screen drawing context: full and partial repaints through a bitmap the size
// of the target's clip box, also on a surface with a scale factor, and a printer target
// that is drawn on directly.
#include "tests/drawing/TestSurface.h"

#include <utility>
#include <vector>

#include "calendarwnd/CMemDC.h"
#include "platform/gdi/AfxDevice.h"
#include "platform/gdi/CBitmap.h"

namespace {

const COLORREF kFill = RGB(0x20, 0x40, 0x60);

BITMAP BitmapOf(const CMemDC& dc)
{
    BITMAP bm;
    std::memset(&bm, 0, sizeof(bm));
    dc.m_bitmap.GetBitmap(&bm);
    return bm;
}

TEST(MemDC, FullRepaintBuffersTheWholeClientAreaUntilTheEnd)
{
    TestSurface target(596, 330);
    {
        CMemDC dc(target.DC());
        EXPECT_TRUE(dc.m_bMemDC);
        EXPECT_FALSE(dc.IsPrinting());
        EXPECT_EQ(dc.m_pDC, target.DC());
        EXPECT_EQ(dc.m_rect, CRect(0, 0, 596, 330));
        EXPECT_EQ(BitmapOf(dc).bmWidth, 596);
        EXPECT_EQ(BitmapOf(dc).bmHeight, 330);
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
        EXPECT_EQ(dc.GetCurrentBitmap(), &dc.m_bitmap);
        EXPECT_NE(dc.GetSafeHdc(), target.DC()->GetSafeHdc());

        dc.FillSolidRect(CRect(0, 0, 596, 330), kFill);
        dc.SetPixel(595, 329, kRed);
        // Nothing reaches the target while drawing goes on.
        EXPECT_TRUE(target.ChangedBox().IsRectEmpty());
    }
    EXPECT_EQ(target.Count(CRect(0, 0, 596, 330), kFill), 596 * 330 - 1);
    EXPECT_EQ(target.Pixel(595, 329), kRed);
}

TEST(MemDC, PartialRepaintCoversOnlyTheClipBox)
{
    // A paint surface whose update area is the square (50, 60, 60, 70).
    TestSurface target(596, 330, RECT{50, 60, 60, 70}, POINT{0, 0});
    {
        CMemDC dc(target.DC());
        EXPECT_EQ(dc.m_rect, CRect(50, 60, 60, 70));
        EXPECT_EQ(BitmapOf(dc).bmWidth, 10);
        EXPECT_EQ(BitmapOf(dc).bmHeight, 10);
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(50, 60));
        CRect rcClip;
        dc.GetClipBox(rcClip);
        EXPECT_EQ(rcClip, CRect(50, 60, 60, 70));

        dc.FillSolidRect(CRect(0, 0, 596, 330), kFill);
        const uint32_t* pBits = dc.m_bitmap.GetBits();
        for (int i = 0; i < 100; ++i) {
            ASSERT_EQ(AfxColorFromPixel(pBits[i]), kFill) << i;
        }
        // Drawn in client coordinates: (50, 60) is the bitmap's first pixel.
        dc.SetPixel(50, 60, kRed);
        EXPECT_EQ(AfxColorFromPixel(pBits[0]), kRed);
        // Outside the clip box: lost.
        dc.SetPixel(5, 5, kBlack);
        dc.SetPixel(60, 70, kBlack);
    }
    EXPECT_EQ(target.ChangedBox(), CRect(50, 60, 60, 70));
    EXPECT_EQ(target.Pixel(50, 60), kRed);
    EXPECT_EQ(target.Count(CRect(50, 60, 60, 70), kFill), 99);
}

TEST(MemDC, ChildWindowPaintLandsAtItsPlaceInTheParent)
{
    // A child window's client area starting at surface pixel (11, 11), 20 x 10 of it
    // needing a repaint from client point (5, 2) on.
    TestSurface target(100, 60, RECT{16, 13, 36, 23}, POINT{11, 11});
    {
        CMemDC dc(target.DC());
        EXPECT_EQ(dc.m_rect, CRect(5, 2, 25, 12));
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(5, 2));
        dc.FillSolidRect(CRect(0, 0, 80, 40), kFill);
        dc.SetPixel(5, 2, kRed);
    }
    EXPECT_EQ(target.ChangedBox(), CRect(16, 13, 36, 23));
    EXPECT_EQ(target.Pixel(16, 13), kRed);
}

// Logical pixels of three colours in turn, each its own rectangle.
void DrawPattern(CDC* pDC)
{
    const COLORREF colors[3] = {kFill, kRed, kWhite};
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            pDC->FillSolidRect(x, y, 1, 1, colors[(x + 2 * y) % 3]);
        }
    }
}

// At 1.25 a logical pixel is one or two surface pixels: a part of a window at an odd
// place, repainted through the bitmap, looks as if it had been drawn directly.
TEST(MemDC, AtAFractionalFactorAPartialRepaintLinesUpWithDrawingDirectly)
{
    const RECT rcPart = {14, 7, 31, 26};  // logical, on the surface
    const POINT ptClient = {3, 5};
    TestSurface direct(60, 60, rcPart, ptClient, 5);
    TestSurface buffered(60, 60, rcPart, ptClient, 5);
    DrawPattern(direct.DC());
    {
        CMemDC dc(buffered.DC());
        // Widened to the left and top, to where a logical edge falls on a whole pixel.
        EXPECT_EQ(dc.m_rect, CRect(9, -1, 28, 21));
        DrawPattern(&dc);
    }
    EXPECT_EQ(buffered.ChangedBox(), CRect(18, 9, 39, 33));
    EXPECT_TRUE(buffered.SameAs(direct, CRect(0, 0, 60, 60)));
}

TEST(MemDC, EmptyClipBoxDrawsAndCopiesNothing)
{
    TestSurface target(50, 50, RECT{0, 0, 0, 0}, POINT{0, 0});
    {
        CMemDC dc(target.DC());
        EXPECT_TRUE(dc.m_rect.IsRectEmpty());
        dc.FillSolidRect(CRect(0, 0, 50, 50), kFill);
    }
    EXPECT_TRUE(target.ChangedBox().IsRectEmpty());
}

// A printer page that keeps the fills it is given.
class RecordingPage : public AfxDevice {
public:
    void Fill(const RECT&, const RECT& rc, COLORREF cr) override { m_fills.emplace_back(rc, cr); }
    void DrawGlyphs(const RECT&, const AFX_GLYPH_RUN&) override {}

    std::vector<std::pair<CRect, COLORREF>> m_fills;
};

TEST(MemDC, PrinterTargetPassesEverythingThroughAndKeepsItsHandles)
{
    RecordingPage page;
    CDC target;
    ASSERT_TRUE(target.Attach(AfxCreatePrinterDC(&page, 80, 60)));
    CDC* pTarget = &target;
    HDC hTarget = pTarget->GetSafeHdc();
    CFont font;
    LOGFONT lf = StockGuiLogFont();
    font.CreateFontIndirect(&lf);
    CFont* pOld = pTarget->SelectObject(&font);
    {
        CMemDC dc(pTarget);
        EXPECT_FALSE(dc.m_bMemDC);
        EXPECT_TRUE(dc.IsPrinting());
        EXPECT_EQ(dc.GetSafeHdc(), hTarget);
        EXPECT_EQ(dc.m_hAttribDC, pTarget->m_hAttribDC);
        EXPECT_EQ(dc.m_bitmap.GetSafeHandle(), nullptr);
        EXPECT_EQ(dc.m_pOldBitmap, nullptr);
        // Straight onto the page.
        dc.FillSolidRect(CRect(10, 10, 20, 20), kFill);
        ASSERT_EQ(page.m_fills.size(), 1u);
        EXPECT_EQ(page.m_fills[0].first, CRect(10, 10, 20, 20));
    }
    // Nothing copied at the end; the target and everything selected into it are still
    // whole and its own.
    EXPECT_EQ(page.m_fills.size(), 1u);
    EXPECT_EQ(pTarget->GetSafeHdc(), hTarget);
    EXPECT_EQ(CDC::FromHandle(hTarget), pTarget);
    EXPECT_EQ(pTarget->GetCurrentFont(), &font);
    EXPECT_TRUE(pTarget->IsPrinting());
    pTarget->FillSolidRect(CRect(30, 30, 40, 40), kFill);
    EXPECT_EQ(page.m_fills.size(), 2u);
    EXPECT_GT(pTarget->GetTextExtent("Sun").cx, 0);
    pTarget->SelectObject(pOld);
    AfxDeleteSurfaceDC(target.Detach());
}

}  // namespace
