// Lines, rectangles, fills, clipping, origins and block copies on the drawing surface.
#include "tests/gdi/SurfaceFixture.h"

#include <functional>
#include <vector>

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

class SurfaceDrawing : public SurfaceFixture {};

TEST_F(SurfaceDrawing, FreshSurfaceHasTheDefaultAttributes)
{
    EXPECT_EQ(m_dc.GetTextColor(), kBlack);
    EXPECT_EQ(m_dc.GetBkColor(), kWhite);
    EXPECT_EQ(m_dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(m_dc.GetCurrentPen()->GetSafeHandle(), GetStockObject(BLACK_PEN));
    EXPECT_EQ(m_dc.GetCurrentBrush()->GetSafeHandle(), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(m_dc.GetCurrentFont()->GetSafeHandle(), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 0));
    EXPECT_FALSE(m_dc.IsPrinting());

    LOGPEN lp;
    ASSERT_EQ(m_dc.GetCurrentPen()->GetObject(sizeof(lp), &lp), static_cast<int>(sizeof(lp)));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_SOLID));
    EXPECT_EQ(lp.lopnWidth.x, 1);
    EXPECT_EQ(lp.lopnColor, kBlack);
}

TEST_F(SurfaceDrawing, LineToLeavesItsEndPointUntouched)
{
    m_dc.MoveTo(1, 53);
    m_dc.LineTo(231, 53);
    for (int x = 1; x <= 230; ++x) {
        ASSERT_EQ(Pixel(x, 53), kBlack) << "x = " << x;
    }
    EXPECT_EQ(Pixel(0, 53), kUntouched);
    EXPECT_EQ(Pixel(231, 53), kUntouched);
    EXPECT_EQ(ChangedBox(), CRect(1, 53, 231, 54));
    EXPECT_EQ(m_dc.GetCurrentPosition(), CPoint(231, 53));
}

TEST_F(SurfaceDrawing, LinesInEveryDirectionStopBeforeTheirEnd)
{
    const POINT ends[] = {{10, 40}, {10, 0}, {40, 10}, {0, 10}, {30, 30}, {0, 0}, {17, 35}};
    for (const POINT& pt : ends) {
        Reset(RECT{0, 0, kWidth, kHeight});
        m_dc.MoveTo(10 + 50, 10 + 50);
        m_dc.LineTo(pt.x + 50, pt.y + 50);
        EXPECT_EQ(Pixel(pt.x + 50, pt.y + 50), kUntouched) << pt.x << "," << pt.y;
        EXPECT_EQ(Pixel(60, 60), kBlack) << pt.x << "," << pt.y;
    }
    // A line to its own start draws nothing.
    Reset(RECT{0, 0, kWidth, kHeight});
    m_dc.MoveTo(5, 5);
    m_dc.LineTo(5, 5);
    EXPECT_TRUE(ChangedBox().IsRectEmpty());
}

// The pixels drawn on a fresh surface of the given factor, the fixture's size in logical pixels.
std::vector<uint32_t> DrawnAt(int nScale, const std::function<void(CDC&)>& draw)
{
    const int cx = AfxScaleToDevice(nScale, 100);
    std::vector<uint32_t> pixels(static_cast<size_t>(cx) * cx, 0x123456);
    CDC dc;
    dc.Attach(AfxCreateSurfaceDC(AFX_SURFACE{pixels.data(), cx, cx, cx}, POINT{0, 0}, RECT{0, 0, 100, 100}, nScale));
    draw(dc);
    AfxDeleteSurfaceDC(dc.Detach());
    return pixels;
}

// At 2 a one-pixel pen is two surface pixels wide: a line covers exactly the blocks of the
// logical pixels it covers at 1, not a pixel beside them.
TEST_F(SurfaceDrawing, AtTwoLinesAndOutlinesCoverTheBlocksOfTheirPixels)
{
    const std::vector<std::function<void(CDC&)>> figures = {
        [](CDC& dc) { dc.MoveTo(3, 10); dc.LineTo(40, 10); },
        [](CDC& dc) { dc.MoveTo(12, 30); dc.LineTo(12, 2); },
        [](CDC& dc) { dc.MoveTo(5, 5); dc.LineTo(25, 19); },
        [](CDC& dc) { dc.Rectangle(2, 3, 20, 15); },
    };
    for (size_t i = 0; i < figures.size(); ++i) {
        const std::vector<uint32_t> one = DrawnAt(AFX_SCALE_ONE, figures[i]);
        const std::vector<uint32_t> two = DrawnAt(2 * AFX_SCALE_ONE, figures[i]);
        const std::vector<uint32_t> blocks = DrawnAt(2 * AFX_SCALE_ONE, [&](CDC& dc) {
            for (int y = 0; y < 100; ++y) {
                for (int x = 0; x < 100; ++x) {
                    if (one[static_cast<size_t>(y) * 100 + x] != 0x123456) {
                        dc.SetPixel(x, y, AfxColorFromPixel(one[static_cast<size_t>(y) * 100 + x]));
                    }
                }
            }
        });
        EXPECT_TRUE(two == blocks) << "figure " << i;
    }
}

TEST_F(SurfaceDrawing, PenStylesAndColours)
{
    CPen dotted(PS_DOT, 1, RGB(255, 0, 0));
    CPen* pOld = m_dc.SelectObject(&dotted);
    m_dc.MoveTo(0, 0);
    m_dc.LineTo(10, 0);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(Pixel(x, 0), x % 2 == 0 ? RGB(255, 0, 0) : kUntouched) << x;
    }
    m_dc.SelectStockObject(NULL_PEN);
    m_dc.MoveTo(0, 5);
    m_dc.LineTo(10, 5);
    EXPECT_EQ(Pixel(0, 5), kUntouched);
    m_dc.SelectObject(pOld);
    EXPECT_EQ(m_dc.GetCurrentPen()->GetSafeHandle(), GetStockObject(BLACK_PEN));
}

TEST_F(SurfaceDrawing, RectangleOnAFreshSurfaceIsWhiteWithABlackOutline)
{
    m_dc.Rectangle(4, 4, 22, 21);
    EXPECT_EQ(ChangedBox(), CRect(4, 4, 22, 21));
    for (int y = 4; y < 21; ++y) {
        for (int x = 4; x < 22; ++x) {
            const bool bEdge = x == 4 || x == 21 || y == 4 || y == 20;
            ASSERT_EQ(Pixel(x, y), bEdge ? kBlack : kWhite) << x << "," << y;
        }
    }
}

TEST_F(SurfaceDrawing, RectangleWithTheNullBrushLeavesTheInside)
{
    m_dc.SelectStockObject(NULL_BRUSH);
    m_dc.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(Pixel(10, 10), kBlack);
    EXPECT_EQ(Pixel(19, 19), kBlack);
    EXPECT_EQ(Pixel(15, 15), kUntouched);

    CBrush brush(RGB(0, 255, 0));
    m_dc.SelectObject(&brush);
    CPen wide(PS_SOLID, 2, RGB(0, 0, 255));
    m_dc.SelectObject(&wide);
    m_dc.Rectangle(30, 30, 40, 40);
    EXPECT_EQ(Pixel(31, 31), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(38, 38), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(32, 32), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(37, 37), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(40, 40), kUntouched);
    m_dc.SelectStockObject(BLACK_PEN);
    m_dc.SelectStockObject(WHITE_BRUSH);
}

TEST_F(SurfaceDrawing, FillsAndFrames)
{
    const CRect rc(10, 20, 30, 25);
    m_dc.FillSolidRect(&rc, RGB(1, 2, 3));
    EXPECT_EQ(ChangedBox(), rc);
    EXPECT_EQ(m_dc.GetBkColor(), RGB(1, 2, 3));

    Reset(RECT{0, 0, kWidth, kHeight});
    m_dc.FillSolidRect(10, 20, 20, 5, RGB(1, 2, 3));
    EXPECT_EQ(ChangedBox(), rc);

    Reset(RECT{0, 0, kWidth, kHeight});
    m_dc.Draw3dRect(&rc, RGB(255, 255, 255), RGB(128, 128, 128));
    EXPECT_EQ(ChangedBox(), rc);
    EXPECT_EQ(Pixel(10, 20), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(29, 24), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(29, 20), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(10, 24), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(15, 22), kUntouched);
}

TEST_F(SurfaceDrawing, FocusRectangleIsDottedAndUndoesItself)
{
    const std::vector<uint32_t> before = m_pixels;
    const CRect rc(10, 10, 30, 20);
    m_dc.DrawFocusRect(&rc);
    EXPECT_EQ(ChangedBox(), rc);
    EXPECT_NE(Pixel(10, 10), Pixel(11, 10));
    EXPECT_EQ(Pixel(15, 15), kUntouched);
    m_dc.DrawFocusRect(&rc);
    EXPECT_EQ(m_pixels, before);
}

TEST_F(SurfaceDrawing, NothingOutsideTheClipBoxChanges)
{
    const RECT rcClip = {50, 60, 60, 70};
    Reset(rcClip);
    CRect rcBox;
    EXPECT_EQ(m_dc.GetClipBox(&rcBox), SIMPLEREGION);
    EXPECT_EQ(rcBox, CRect(rcClip));

    m_dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(200, 0, 0));
    EXPECT_EQ(ChangedBox(), CRect(rcClip));

    Reset(rcClip);
    const CRect rcAll(0, 0, kWidth, kHeight);
    m_dc.Rectangle(0, 0, 100, 100);
    m_dc.MoveTo(0, 0);
    m_dc.LineTo(kWidth, kHeight);
    m_dc.SetPixel(10, 10, RGB(1, 1, 1));
    m_dc.DrawText("Outside the clip box", -1, CRect(0, 0, 300, 40), DT_SINGLELINE | DT_NOCLIP);
    m_dc.BitBlt(0, 0, kWidth, kHeight, &m_dc, 1, 1, SRCCOPY);
    m_dc.DrawFocusRect(CRect(0, 0, 300, 300));
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!PtInRect(&rcClip, POINT{x, y})) {
                ASSERT_EQ(Pixel(x, y), kUntouched) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(m_dc.GetPixel(10, 10), CLR_INVALID);
    EXPECT_EQ(m_dc.SetPixel(10, 10, kBlack), CLR_INVALID);
}

TEST_F(SurfaceDrawing, WindowOriginShiftsDrawingAndTheClipBox)
{
    EXPECT_EQ(m_dc.SetWindowOrg(50, 60), CPoint(0, 0));
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(50, 60));
    m_dc.FillSolidRect(50, 60, 10, 10, RGB(0, 128, 0));
    EXPECT_EQ(ChangedBox(), CRect(0, 0, 10, 10));
    CRect rcBox;
    m_dc.GetClipBox(&rcBox);
    EXPECT_EQ(rcBox, CRect(50, 60, 50 + kWidth, 60 + kHeight));
    m_dc.SetPixel(55, 65, RGB(1, 2, 3));
    EXPECT_EQ(Pixel(5, 5), RGB(1, 2, 3));
    EXPECT_EQ(m_dc.GetPixel(55, 65), RGB(1, 2, 3));
}

TEST_F(SurfaceDrawing, SurfaceOriginPlacesDeviceZero)
{
    // A context for a child window at (100, 50) of the back buffer, 40 x 30.
    Reset(RECT{100, 50, 140, 80}, POINT{100, 50});
    CRect rcBox;
    m_dc.GetClipBox(&rcBox);
    EXPECT_EQ(rcBox, CRect(0, 0, 40, 30));
    m_dc.FillSolidRect(-10, -10, 1000, 1000, RGB(0, 0, 1));
    EXPECT_EQ(ChangedBox(), CRect(100, 50, 140, 80));
    m_dc.SetPixel(5, 5, RGB(7, 7, 7));
    EXPECT_EQ(Pixel(105, 55), RGB(7, 7, 7));
}

TEST_F(SurfaceDrawing, BitBltCopiesExactlyAndRespectsTheDestinationClip)
{
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(&m_dc));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&m_dc, 30, 20));
    uint32_t* pBits = bitmap.GetBits();
    ASSERT_NE(pBits, nullptr);
    for (int i = 0; i < 30 * 20; ++i) {
        pBits[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFFu;
    }
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    ASSERT_NE(pOld, nullptr);

    m_dc.BitBlt(100, 100, 30, 20, &memDC, 0, 0, SRCCOPY);
    EXPECT_EQ(ChangedBox(), CRect(100, 100, 130, 120));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            ASSERT_EQ(m_pixels[static_cast<size_t>(100 + y) * kWidth + 100 + x], pBits[y * 30 + x]);
        }
    }

    // Part of the source, into a clipped destination, with a window origin on the source.
    Reset(RECT{0, 0, 105, 105});
    memDC.SetWindowOrg(10, 10);
    m_dc.BitBlt(100, 100, 30, 20, &memDC, 15, 12, SRCCOPY);
    EXPECT_EQ(ChangedBox(), CRect(100, 100, 105, 105));
    EXPECT_EQ(m_pixels[static_cast<size_t>(100) * kWidth + 100], pBits[2 * 30 + 5]);

    memDC.SelectObject(pOld);
}

TEST_F(SurfaceDrawing, BitBltWithinOneSurfaceHandlesOverlap)
{
    for (int x = 0; x < 20; ++x) {
        m_dc.FillSolidRect(x, 0, 1, 20, RGB(x, 0, 0));
    }
    m_dc.BitBlt(5, 3, 20, 20, &m_dc, 0, 0, SRCCOPY);
    for (int x = 0; x < 20; ++x) {
        ASSERT_EQ(Pixel(x + 5, 10), RGB(x, 0, 0)) << x;
    }
    m_dc.BitBlt(0, 0, 20, 20, &m_dc, 5, 3, SRCCOPY);
    EXPECT_EQ(Pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(10, 5), RGB(10, 0, 0));
}

TEST_F(SurfaceDrawing, MemorySurfaceStartsWithAOnePixelBitmap)
{
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(nullptr));
    BITMAP bm;
    ASSERT_EQ(memDC.GetCurrentBitmap()->GetBitmap(&bm), static_cast<int>(sizeof(bm)));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    CRect rcBox;
    memDC.GetClipBox(&rcBox);
    EXPECT_EQ(rcBox, CRect(0, 0, 1, 1));

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&memDC, 596, 330));
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    ASSERT_NE(pOld, nullptr);
    memDC.GetClipBox(&rcBox);
    EXPECT_EQ(rcBox, CRect(0, 0, 596, 330));
    ASSERT_EQ(bitmap.GetBitmap(&bm), static_cast<int>(sizeof(bm)));
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(memDC.SelectObject(pOld), &bitmap);
}

TEST_F(SurfaceDrawing, ObjectsDeletedWhileSelectedStayUsableUntilReplaced)
{
    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&memDC, 8, 8);
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    memDC.SelectObject(&pen);
    EXPECT_TRUE(bitmap.DeleteObject());
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
    memDC.MoveTo(0, 0);
    memDC.LineTo(8, 0);
    EXPECT_EQ(memDC.GetPixel(3, 0), RGB(255, 0, 0));
    EXPECT_EQ(memDC.SelectObject(pOld), nullptr);
    EXPECT_EQ(memDC.SelectStockObject(BLACK_PEN), nullptr);
}

TEST_F(SurfaceDrawing, ContextWithoutSurfaceDrawsNothing)
{
    CDC empty;
    const CRect rc(0, 0, 10, 10);
    empty.FillSolidRect(&rc, kBlack);
    empty.Rectangle(&rc);
    empty.MoveTo(0, 0);
    EXPECT_FALSE(empty.LineTo(5, 5));
    EXPECT_EQ(empty.DrawText("x", 1, CRect(rc), DT_SINGLELINE), 0);
    EXPECT_FALSE(empty.BitBlt(0, 0, 10, 10, &m_dc, 0, 0, SRCCOPY));
    CRect rcBox;
    EXPECT_EQ(empty.GetClipBox(&rcBox), RGN_ERROR);
    m_dc.BitBlt(0, 0, 10, 10, &empty, 0, 0, SRCCOPY);
    EXPECT_TRUE(ChangedBox().IsRectEmpty());
}

TEST_F(SurfaceDrawing, FromHandleGivesTheAttachedObjectOrOneLastingWrapper)
{
    EXPECT_EQ(CDC::FromHandle(m_dc.GetSafeHdc()), &m_dc);
    HDC hDC = CreateCompatibleDC(nullptr);
    CDC* pWrapper = CDC::FromHandle(hDC);
    ASSERT_NE(pWrapper, nullptr);
    EXPECT_EQ(CDC::FromHandle(hDC), pWrapper);
    EXPECT_EQ(pWrapper->GetSafeHdc(), hDC);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);
    DeleteDC(hDC);
}

}  // namespace
