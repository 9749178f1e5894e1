// A month panel of 232 x 216 pixels: title bar, weekday row, separator or outlines, and
// its day cells, on a surface a little larger than the panel.
#include "tests/drawing/TestSurface.h"

#include <memory>

#include "calendar/AFCYueObj.h"

namespace {

const CRect kBounds(0, 0, 232, 216);
const int kCx = 250;
const int kCy = 230;
const CRect kAll(0, 0, kCx, kCy);
// Grid of the 232 x 216 panel: rows 26 pixels, columns 32.
const int kCh = 26;
const int kCw = 32;

CRect WeekdayCell(int i) { return CRect(1 + i * kCw, kCh + 1, 1 + (i + 1) * kCw, 2 * kCh + 1); }

class PanelDrawing : public ::testing::Test {
protected:
    // January 2000: day 1 on a Saturday, 31 days over six week rows.
    std::unique_ptr<AFCYueObj> NewPanel(int nMonth = 1) const
    {
        auto pPanel = std::make_unique<AFCYueObj>(2000, nMonth, 1);
        pPanel->m_rcBounds = kBounds;
        pPanel->LayoutDays();
        return pPanel;
    }

    AFCDayObj* Day(const AFCYueObj& panel, int nDay) const
    {
        return static_cast<AFCDayObj*>(panel.m_DayList.GetAt(panel.m_DayList.FindIndex(nDay - 1)));
    }

    const COLORREF m_crTitle = GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF m_crWeek = GetSysColor(COLOR_INFOBK);
};

TEST_F(PanelDrawing, TitleAndWeekdayRowGeometry)
{
    auto pPanel = NewPanel();
    TestSurface s(kCx, kCy);
    pPanel->Draw(s.DC());

    EXPECT_EQ(pPanel->m_nCellHeight, kCh);
    EXPECT_EQ(pPanel->m_nCellWidth, kCw);
    EXPECT_EQ(CRect(pPanel->m_rcTitle), CRect(1, 1, 231, 27));
    EXPECT_EQ(CRect(pPanel->m_rcTitleLeft), CRect(1, 1, 33, 27));
    EXPECT_EQ(CRect(pPanel->m_rcTitleRight), CRect(199, 1, 231, 27));
    EXPECT_EQ(s.ChangedBox(), kBounds);

    // Title bar: its edges are clear of the centred month name.
    EXPECT_TRUE(s.All(CRect(1, 1, 231, 2), m_crTitle));
    EXPECT_TRUE(s.All(CRect(1, 26, 231, 27), m_crTitle));
    EXPECT_TRUE(s.All(CRect(1, 1, 2, 27), m_crTitle));
    EXPECT_TRUE(s.All(CRect(230, 1, 231, 27), m_crTitle));
    // Panel background around it.
    EXPECT_TRUE(s.All(CRect(0, 0, 232, 1), kWhite));
    EXPECT_TRUE(s.All(CRect(0, 0, 1, 216), kWhite));
    EXPECT_TRUE(s.All(CRect(231, 0, 232, 27), kWhite));

    // Weekday row: top and bottom rows of every cell in the row colour, the last fill
    // reaching the panel's right edge (x = 231) instead of the cell's (x = 224).
    for (int i = 0; i < 7; ++i) {
        const CRect rc = WeekdayCell(i);
        EXPECT_TRUE(s.All(CRect(rc.left, rc.top, rc.right, rc.top + 1), m_crWeek)) << i;
        EXPECT_TRUE(s.All(CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom), m_crWeek)) << i;
    }
    EXPECT_TRUE(s.All(CRect(225, 27, 232, 53), m_crWeek));
    EXPECT_EQ(s.Pixel(0, 40), kWhite);

    // Separator: y = 53 from x = 1 to 230, its end point (231, 53) not drawn.
    EXPECT_TRUE(s.All(CRect(1, 53, 231, 54), kBlack));
    EXPECT_EQ(s.Pixel(0, 53), kWhite);
    EXPECT_EQ(s.Pixel(231, 53), kWhite);
    EXPECT_TRUE(s.All(CRect(0, 54, 232, 56), kWhite));
}

TEST_F(PanelDrawing, SundayLabelIsRedAndTheOthersBlack)
{
    auto pPanel = NewPanel();
    TestSurface s(kCx, kCy);
    pPanel->Draw(s.DC());
    for (int i = 0; i < 7; ++i) {
        const CRect rc = WeekdayCell(i);
        const COLORREF crInk = i == 0 ? kRed : kBlack;
        const COLORREF crOther = i == 0 ? kBlack : kRed;
        EXPECT_GT(s.CountInk(rc, m_crWeek, crInk), 0) << i;
        EXPECT_EQ(s.CountInk(rc, m_crWeek, crOther), 0) << i;
    }
}

TEST_F(PanelDrawing, LabelsAndTitleAreTheStringTableTexts)
{
    auto pPanel = NewPanel();
    TestSurface s(kCx, kCy);
    pPanel->Draw(s.DC());

    // The same texts drawn the same way on a surface of our own.
    const char* const labels[7] = {"Sun", "Mon", "Tue", "We", "Thr", "Fri", "Sat"};
    TestSurface ref(kCx, kCy);
    for (int i = 0; i < 7; ++i) {
        DrawReferenceText(ref.DC(), StockGuiLogFont(), WeekdayCell(i), m_crWeek, i == 0 ? kRed : kBlack, OPAQUE,
                          labels[i]);
        EXPECT_TRUE(s.SameAs(ref, WeekdayCell(i))) << labels[i];
    }
    // "January " keeps its trailing blank and is centred as a whole.
    const CRect rcTitle(1, 1, 231, 27);
    DrawReferenceText(ref.DC(), TitleLogFont(), rcTitle, m_crTitle, kWhite, TRANSPARENT, "January ");
    EXPECT_TRUE(s.SameAs(ref, rcTitle));
    DrawReferenceText(ref.DC(), TitleLogFont(), rcTitle, m_crTitle, kWhite, TRANSPARENT, "January");
    EXPECT_FALSE(s.SameAs(ref, rcTitle));
}

TEST_F(PanelDrawing, MonthOutsideTheYearHasAnEmptyTitle)
{
    auto pPanel = NewPanel();
    pPanel->m_nMonth = 12;
    TestSurface s(kCx, kCy);
    pPanel->Draw(s.DC());
    EXPECT_TRUE(s.All(CRect(1, 1, 231, 27), m_crTitle));
}

TEST_F(PanelDrawing, DrawsInThePanelsOwnColours)
{
    auto pPanel = NewPanel();
    const COLORREF crBack = RGB(0xF0, 0xF0, 0xC0);
    const COLORREF crText = RGB(0, 0x80, 0);
    const COLORREF crTitleBack = RGB(0x40, 0, 0x40);
    const COLORREF crTitleText = RGB(0xFF, 0xFF, 0);
    const COLORREF crWeekBack = RGB(0xC0, 0xE0, 0xFF);
    pPanel->m_crBack = crBack;
    pPanel->m_crText = crText;
    pPanel->m_crFrame = RGB(0x10, 0x20, 0x30);
    pPanel->m_crTitleBack = crTitleBack;
    pPanel->m_crTitleText = crTitleText;
    pPanel->m_crWeekBack = crWeekBack;
    TestSurface s(kCx, kCy);
    pPanel->Draw(s.DC());

    EXPECT_TRUE(s.All(CRect(0, 0, 232, 1), crBack));
    EXPECT_TRUE(s.All(CRect(0, 54, 232, 56), crBack));
    EXPECT_TRUE(s.All(CRect(1, 1, 231, 2), crTitleBack));
    EXPECT_GT(s.CountInk(CRect(1, 1, 231, 27), crTitleBack, crTitleText), 0);
    EXPECT_TRUE(s.All(CRect(225, 27, 232, 28), crWeekBack));
    EXPECT_EQ(s.Count(kAll, pPanel->m_crFrame), 0);
    // "Sun" stays red; the other labels take the panel's text colour.
    EXPECT_GT(s.CountInk(WeekdayCell(0), crWeekBack, kRed), 0);
    for (int i = 1; i < 7; ++i) {
        EXPECT_GT(s.CountInk(WeekdayCell(i), crWeekBack, crText), 0) << i;
        EXPECT_EQ(s.CountInk(WeekdayCell(i), crWeekBack, kBlack), 0) << i;
    }
    // Day numbers: the panel's text colour, the stock font, no background of their own.
    TestSurface ref(kCx, kCy);
    for (int nDay : {1, 15, 31}) {
        const CRect rcCell = Day(*pPanel, nDay)->m_rcCell;
        CString strDay;
        strDay.Format("%2d", nDay);
        DrawReferenceText(ref.DC(), StockGuiLogFont(), rcCell, crBack, crText, TRANSPARENT, strDay);
        EXPECT_TRUE(s.SameAs(ref, rcCell)) << nDay;
    }
}

TEST_F(PanelDrawing, SelectedCellIsHighlightedAndNothingElseChanges)
{
    auto pPanel = NewPanel();
    TestSurface s(kCx, kCy);
    pPanel->Draw(s.DC());
    const std::vector<uint32_t> before = s.Pixels();

    AFCDayObj* pDay = Day(*pPanel, 15);
    pDay->m_bSelected = TRUE;
    pPanel->Draw(s.DC());

    const CRect rcCell = pDay->m_rcCell;
    const COLORREF crHighlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(s.DiffBox(before), rcCell);
    EXPECT_EQ(s.Pixel(rcCell.left, rcCell.top), crHighlight);
    EXPECT_EQ(s.Pixel(rcCell.right - 1, rcCell.bottom - 1), crHighlight);
    EXPECT_GT(s.CountInk(rcCell, crHighlight, kWhite), 0);
    EXPECT_EQ(s.CountInk(rcCell, crHighlight, kBlack), 0);
}

TEST_F(PanelDrawing, FillCodesOfTheCells)
{
    auto pPanel = NewPanel();
    const int codes[] = {100, 101, 102, 103, 104, 105, 106, 99};
    const COLORREF fills[] = {RGB(255, 0, 0), RGB(0, 255, 0),   kWhite,         RGB(0, 0, 255),
                              RGB(0, 128, 128), RGB(128, 0, 0), RGB(0, 128, 0), kWhite};
    for (int i = 0; i < 8; ++i) {
        Day(*pPanel, i + 2)->m_nColorCode = codes[i];
    }
    TestSurface s(kCx, kCy);
    pPanel->Draw(s.DC());
    for (int i = 0; i < 8; ++i) {
        const CRect rc = Day(*pPanel, i + 2)->m_rcCell;
        EXPECT_EQ(s.Pixel(rc.left, rc.top), fills[i]) << codes[i];
        EXPECT_EQ(s.Pixel(rc.right - 1, rc.bottom - 1), fills[i]) << codes[i];
        // The 4-pixel strip above the cell stays panel background.
        EXPECT_EQ(s.Pixel(rc.left, rc.top - 1), kWhite) << codes[i];
    }
}

TEST_F(PanelDrawing, OutlineStyleIsPaintedOverAndDrawsNoSeparator)
{
    auto pLine = NewPanel();
    TestSurface sLine(kCx, kCy);
    pLine->Draw(sLine.DC());

    auto pOutline = NewPanel();
    pOutline->m_bHeaderLine = 0;
    TestSurface s(kCx, kCy);
    s.DC()->MoveTo(0, 0);
    pOutline->Draw(s.DC());

    // The outlines lie under the fills of their own and the next cell; only the
    // separator makes a difference.
    EXPECT_EQ(s.DiffBox(sLine.Pixels()), CRect(1, 53, 231, 54));
    EXPECT_TRUE(s.All(CRect(0, 53, 232, 54), kWhite));
    // The last stroke was the left edge of the Saturday cell.
    EXPECT_EQ(s.DC()->GetCurrentPosition(), CPoint(193, 53));
}

TEST_F(PanelDrawing, LeavesTheCallersFontBlackTextAndOpaqueMode)
{
    auto pPanel = NewPanel();
    TestSurface s(kCx, kCy);
    CDC* pDC = s.DC();
    CallerState caller(pDC, TRANSPARENT);
    CPen* pPen = pDC->GetCurrentPen();

    pPanel->Draw(pDC);

    EXPECT_EQ(pDC->GetCurrentFont(), caller.Font());
    EXPECT_EQ(pDC->GetTextColor(), kBlack);
    EXPECT_EQ(pDC->GetBkMode(), OPAQUE);
    EXPECT_EQ(pDC->GetCurrentPen(), pPen);
}

TEST_F(PanelDrawing, PanelWithoutDaysDrawsTitleAndWeekdayRowOnly)
{
    AFCYueObj panel(2000, 1, 1);
    panel.m_rcBounds = kBounds;
    TestSurface s(kCx, kCy);
    panel.Draw(s.DC());
    EXPECT_TRUE(s.All(CRect(0, 54, 232, 216), kWhite));
    EXPECT_TRUE(s.All(CRect(1, 1, 231, 2), m_crTitle));
    EXPECT_TRUE(s.All(CRect(1, 53, 231, 54), kBlack));
}

}  // namespace
