// The year calendar's drawing: background, header bar, "-" and "+" boxes, the year,
// and the month panels over it all.
#include "tests/drawing/TestSurface.h"

#include "calendar/AFCYearObj.h"

namespace {

const COLORREF kFrame = RGB(0x47, 0x47, 0x47);

// A calendar without panels (the default constructor makes none).
void SetUpEmpty(AFCYearObj& year, int nYear, const CRect& rcBounds)
{
    year.m_nYear = nYear;
    year.m_rcBounds = rcBounds;
}

// The black one-pixel outline of a box, on its inner edge pixels.
void ExpectOutline(const TestSurface& s, const CRect& rc)
{
    EXPECT_TRUE(s.All(CRect(rc.left, rc.top, rc.right, rc.top + 1), kBlack));
    EXPECT_TRUE(s.All(CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom), kBlack));
    EXPECT_TRUE(s.All(CRect(rc.left, rc.top, rc.left + 1, rc.bottom), kBlack));
    EXPECT_TRUE(s.All(CRect(rc.right - 1, rc.top, rc.right, rc.bottom), kBlack));
}

TEST(YearDrawing, HeaderBoxesAndBackground)
{
    AFCYearObj year(2000, CRect(0, 0, 400, 400));
    TestSurface s(420, 420);
    year.Draw(s.DC());

    EXPECT_EQ(s.ChangedBox(), CRect(0, 0, 400, 400));
    EXPECT_EQ(year.m_rcPrevButton, CRect(4, 4, 22, 21));
    EXPECT_EQ(year.m_rcNextButton, CRect(378, 4, 396, 21));

    // The header bar spans the whole width, rows 0 to 24.
    EXPECT_TRUE(s.All(CRect(0, 0, 400, 4), kFrame));
    EXPECT_TRUE(s.All(CRect(0, 21, 400, 25), kFrame));
    EXPECT_TRUE(s.All(CRect(0, 0, 4, 25), kFrame));
    EXPECT_TRUE(s.All(CRect(396, 0, 400, 25), kFrame));
    // White between the header and the first panel row, and in the one-pixel margins.
    EXPECT_TRUE(s.All(CRect(0, 25, 400, 26), kWhite));
    EXPECT_TRUE(s.All(CRect(0, 25, 1, 400), kWhite));
    EXPECT_TRUE(s.All(CRect(397, 25, 400, 400), kWhite));
    EXPECT_TRUE(s.All(CRect(0, 398, 400, 400), kWhite));

    // Each box: black outline, white inside with a black sign in it.
    for (const CRect& rc : {year.m_rcPrevButton, year.m_rcNextButton}) {
        ExpectOutline(s, rc);
        const CRect rcInside(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1);
        EXPECT_GT(s.Count(rcInside, kWhite), 0);
        EXPECT_GT(s.Count(rcInside, kBlack), 0);
        EXPECT_EQ(s.Count(rcInside, kFrame), 0);
    }
    // The year in white between the boxes, centred in the header.
    const CRect rcYearInk = s.Box(CRect(22, 0, 378, 25), kWhite, true);
    ASSERT_FALSE(rcYearInk.IsRectEmpty());
    EXPECT_NEAR((rcYearInk.left + rcYearInk.right) / 2.0, 200.0, 2.0);
    EXPECT_NEAR((rcYearInk.top + rcYearInk.bottom) / 2.0, 12.5, 3.0);
}

TEST(YearDrawing, HeaderInTheFrameColourWithSignsInTheCallersTextColour)
{
    AFCYearObj year;
    SetUpEmpty(year, 2000, CRect(0, 0, 400, 100));
    const COLORREF crFrame = RGB(0x20, 0x60, 0x20);
    year.m_crFrame = crFrame;
    TestSurface s(400, 100);
    const COLORREF crCaller = RGB(0, 0, 0xFF);
    s.DC()->SetTextColor(crCaller);
    year.Draw(s.DC());

    EXPECT_TRUE(s.All(CRect(0, 0, 400, 4), crFrame));
    EXPECT_TRUE(s.All(CRect(0, 21, 400, 25), crFrame));
    EXPECT_EQ(s.Count(CRect(0, 0, 400, 100), kFrame), 0);
    for (const CRect& rc : {year.m_rcPrevButton, year.m_rcNextButton}) {
        const CRect rcInside(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1);
        EXPECT_GT(s.CountInk(rcInside, kWhite, crCaller), 0);
        EXPECT_EQ(s.CountInk(rcInside, kWhite, kBlack), 0);
    }
    EXPECT_GT(s.CountInk(CRect(22, 0, 378, 25), crFrame, kWhite), 0);
    EXPECT_EQ(s.CountInk(CRect(22, 0, 378, 25), crFrame, crCaller), 0);
}

TEST(YearDrawing, YearIsPrintedWithoutPadding)
{
    AFCYearObj year;
    SetUpEmpty(year, 987, CRect(0, 0, 400, 100));
    TestSurface s(400, 100);
    year.Draw(s.DC());

    const CRect rcHeader(0, 0, 400, 25);
    const CRect rcBetween(22, 0, 378, 25);
    TestSurface ref(400, 100);
    DrawReferenceText(ref.DC(), TitleLogFont(), rcHeader, kFrame, kWhite, TRANSPARENT, "987");
    EXPECT_TRUE(s.SameAs(ref, rcBetween));
    for (const char* pszPadded : {"0987", " 987"}) {
        DrawReferenceText(ref.DC(), TitleLogFont(), rcHeader, kFrame, kWhite, TRANSPARENT, pszPadded);
        EXPECT_FALSE(s.SameAs(ref, rcBetween)) << pszPadded;
    }
}

TEST(YearDrawing, EmptyCalendarAtAnOffset)
{
    AFCYearObj year;
    SetUpEmpty(year, 2000, CRect(10, 20, 410, 320));
    TestSurface s(440, 340);
    year.Draw(s.DC());

    EXPECT_EQ(s.ChangedBox(), CRect(10, 20, 410, 320));
    EXPECT_EQ(year.m_rcPrevButton, CRect(14, 24, 32, 41));
    EXPECT_EQ(year.m_rcNextButton, CRect(388, 24, 406, 41));
    EXPECT_TRUE(s.All(CRect(10, 20, 410, 21), kFrame));
    ExpectOutline(s, year.m_rcPrevButton);
    ExpectOutline(s, year.m_rcNextButton);
    // Below the header only the white background.
    EXPECT_TRUE(s.All(CRect(10, 45, 410, 320), kWhite));
}

TEST(YearDrawing, NarrowBoundsDrawOverlappingBoxesLeftFirst)
{
    AFCYearObj year;
    SetUpEmpty(year, 2000, CRect(0, 0, 30, 200));
    TestSurface s(40, 200);
    year.Draw(s.DC());

    EXPECT_EQ(year.m_rcPrevButton, CRect(4, 4, 22, 21));
    EXPECT_EQ(year.m_rcNextButton, CRect(8, 4, 26, 21));
    // The "+" box lies over the "-" box: its left edge crosses the other's inside, and
    // its white inside covers the other's right edge. The year, drawn last, lies over
    // both in the middle rows, so look above and below it.
    for (int y : {5, 18}) {
        EXPECT_EQ(s.Pixel(4, y), kBlack) << y;
        EXPECT_EQ(s.Pixel(8, y), kBlack) << y;
        EXPECT_EQ(s.Pixel(21, y), kWhite) << y;
        EXPECT_EQ(s.Pixel(25, y), kBlack) << y;
    }
    EXPECT_TRUE(s.All(CRect(4, 4, 26, 5), kBlack));
    EXPECT_TRUE(s.All(CRect(4, 20, 26, 21), kBlack));
    EXPECT_TRUE(s.All(CRect(26, 0, 30, 4), kFrame));
}

TEST(YearDrawing, PanelsAreDrawnOverTheHeaderInListOrder)
{
    AFCYearObj year;
    SetUpEmpty(year, 2000, CRect(0, 0, 300, 240));
    AFCYueObj* pFirst = new AFCYueObj(2000, 1, 1);
    pFirst->m_rcBounds = CRect(0, 0, 200, 240);
    pFirst->m_crBack = RGB(255, 0, 0);
    year.AddMonth(pFirst);
    AFCYueObj* pSecond = new AFCYueObj(2000, 2, 1);
    pSecond->m_rcBounds = CRect(100, 0, 300, 240);
    pSecond->m_crBack = RGB(0, 255, 0);
    year.AddMonth(pSecond);
    TestSurface s(300, 240);

    year.Draw(s.DC());

    // Row 0 is outside both title bars: only the panel backgrounds show there.
    EXPECT_TRUE(s.All(CRect(0, 0, 100, 1), RGB(255, 0, 0)));
    EXPECT_TRUE(s.All(CRect(100, 0, 300, 1), RGB(0, 255, 0)));
    EXPECT_EQ(s.Count(CRect(0, 0, 300, 240), kFrame), 0);
}

TEST(YearDrawing, LaterDrawMovesTheHeaderAndBoxesButNotThePanels)
{
    AFCYearObj year(2000, CRect(0, 0, 400, 400));
    {
        TestSurface s(420, 420);
        year.Draw(s.DC());
    }
    year.m_rcBounds = CRect(0, 0, 300, 400);
    TestSurface s(420, 420);
    year.Draw(s.DC());

    EXPECT_EQ(year.m_rcNextButton, CRect(278, 4, 296, 21));
    ExpectOutline(s, year.m_rcNextButton);
    EXPECT_TRUE(s.All(CRect(0, 0, 300, 4), kFrame));
    EXPECT_EQ(s.Count(CRect(300, 0, 420, 25), kFrame), 0);
    // April and December stay where the first layout put them, outside the new bounds.
    const COLORREF crTitle = GetSysColor(COLOR_ACTIVECAPTION);
    EXPECT_EQ(s.Pixel(390, 28), crTitle);
    EXPECT_EQ(s.Pixel(390, 276), crTitle);
}

TEST(YearDrawing, RestoresFontAndStateAndLeavesTheStockFontAlone)
{
    HGDIOBJ hStock = GetStockObject(DEFAULT_GUI_FONT);
    const LOGFONT lfBefore = StockGuiLogFont();
    for (int nMode : {TRANSPARENT, OPAQUE}) {
        for (bool bPanels : {false, true}) {
            AFCYearObj withPanels(2000, CRect(0, 0, 400, 400));
            AFCYearObj empty;
            SetUpEmpty(empty, 2000, CRect(0, 0, 400, 400));
            AFCYearObj& drawn = bPanels ? withPanels : empty;

            TestSurface s(400, 400);
            CDC* pDC = s.DC();
            {
                CallerState caller(pDC, nMode);

                drawn.Draw(pDC);

                EXPECT_EQ(pDC->GetCurrentFont(), caller.Font());
                // Panels leave black text in opaque mode; without panels the caller's come back.
                EXPECT_EQ(pDC->GetTextColor(), bPanels ? kBlack : kCallersText);
                EXPECT_EQ(pDC->GetBkMode(), bPanels ? OPAQUE : nMode) << nMode;
            }

            // The stock font is still there, unchanged, with no wrapper of ours left on it.
            const LOGFONT lfAfter = StockGuiLogFont();
            EXPECT_EQ(std::memcmp(&lfBefore, &lfAfter, sizeof(LOGFONT)), 0);
            EXPECT_EQ(CGdiObject::FromHandle(hStock)->GetSafeHandle(), hStock);
        }
    }
}

}  // namespace
