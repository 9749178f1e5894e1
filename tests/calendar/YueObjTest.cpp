#include <gtest/gtest.h>

#include <memory>

#include "CalendarTestUtil.h"
#include "FixedClock.h"
#include "calendar/AFCYueObj.h"
#include "platform/gdi/AfxGdi.h"

namespace {

// A panel of the given month laid out in (0, 0, 232, 216): cells 32 wide and 26 high.
std::unique_ptr<AFCYueObj> LaidOut(int year, int month)
{
    auto panel = std::make_unique<AFCYueObj>(year, month, 1);
    panel->m_rcBounds = {0, 0, 232, 216};
    panel->LayoutDays();
    return panel;
}

AFCDayObj* Day(const AFCYueObj& panel, int day) { return DaysOf(panel).at(static_cast<size_t>(day - 1)); }

// Week row (0..5) of a cell in a panel whose top is 0 and cell height 26.
int WeekRow(const AFCDayObj* pDay) { return (pDay->m_rcCell.top - 4) / 26 - 2; }

TEST(YueObjTest, ConstructorSetsDateAndDefaults)
{
    AFCYueObj panel(2000, 3, 15);
    EXPECT_EQ(panel.m_nYear, 2000);
    EXPECT_EQ(panel.m_nMonth, 2);
    EXPECT_EQ(panel.m_nDay, 14);
    EXPECT_EQ(panel.m_nRows, 8);
    EXPECT_EQ(panel.m_nCols, 7);
    EXPECT_EQ(panel.m_nMargin, 4);
    EXPECT_TRUE(panel.m_bHeaderLine);
    EXPECT_EQ(panel.m_nSelDay, 1);
    EXPECT_EQ(panel.m_nSelMonth, 1);
    EXPECT_EQ(panel.m_nSelYear, 2000);
    EXPECT_EQ(panel.m_DayList.GetBlockSize(), 10);
    EXPECT_EQ(panel.m_crBack, 0xFFFFFFu);
    EXPECT_EQ(panel.m_crText, 0x000000u);
    EXPECT_EQ(panel.m_crFrame, 0x474747u);
    EXPECT_EQ(panel.m_crTitleBack, GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(panel.m_crTitleText, 0xFFFFFFu);
    EXPECT_EQ(panel.m_crWeekBack, GetSysColor(COLOR_INFOBK));
}

TEST(YueObjTest, MinusOneTakesEachPartFromToday)
{
    FixedClock clock(2026, 2, 14);
    AFCYueObj today;
    EXPECT_EQ(today.m_nYear, 2026);
    EXPECT_EQ(today.m_nMonth, 1);
    EXPECT_EQ(today.m_nDay, 13);
    EXPECT_EQ(today.m_nSelYear, 2026);
    AFCYueObj mixed(1999, -1, 3);
    EXPECT_EQ(mixed.m_nYear, 1999);
    EXPECT_EQ(mixed.m_nMonth, 1);
    EXPECT_EQ(mixed.m_nDay, 2);
}

TEST(YueObjTest, CreatedByClassNameForToday)
{
    FixedClock clock(2024, 7, 31);
    CRuntimeClass* pClass = CRuntimeClass::FromName("AFCYueObj");
    ASSERT_NE(pClass, nullptr);
    EXPECT_EQ(pClass->m_wSchema, 0u);
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CObject));
    std::unique_ptr<CObject> pObject(pClass->CreateObject());
    AFCYueObj* pPanel = dynamic_cast<AFCYueObj*>(pObject.get());
    ASSERT_NE(pPanel, nullptr);
    EXPECT_EQ(pPanel->m_nYear, 2024);
    EXPECT_EQ(pPanel->m_nMonth, 6);
    EXPECT_EQ(pPanel->m_nDay, 30);
    EXPECT_RECT(pPanel->m_rcBounds, 0, 0, 0, 0);
    EXPECT_TRUE(pPanel->m_DayList.IsEmpty());
}

TEST(YueObjTest, LayoutOfJanuary2000)
{
    auto panel = LaidOut(2000, 1);
    EXPECT_EQ(panel->m_nCellHeight, 26);
    EXPECT_EQ(panel->m_nCellWidth, 32);
    std::vector<AFCDayObj*> days = DaysOf(*panel);
    ASSERT_EQ(days.size(), 31u);
    EXPECT_RECT(days[0]->m_rcCell, 196, 56, 228, 78);
    EXPECT_EQ(days[0]->m_nColumn, 6);
    EXPECT_RECT(days[30]->m_rcCell, 36, 186, 68, 208);
    EXPECT_EQ(days[30]->m_nColumn, 1);
    EXPECT_EQ(WeekRow(days[30]), 5);
    for (AFCDayObj* pDay : days) {
        EXPECT_EQ(pDay->m_bOddRow, WeekRow(pDay) % 2 == 0 ? 1 : 0) << pDay->m_nDay;
        EXPECT_EQ(pDay->m_rcCell.right - pDay->m_rcCell.left, 32);
        EXPECT_EQ(pDay->m_rcCell.bottom - pDay->m_rcCell.top, 22);
    }
}

TEST(YueObjTest, CellsCarryTheirDateTextAndDefaults)
{
    auto panel = LaidOut(2000, 1);
    int expectedDay = 1;
    for (AFCDayObj* pDay : DaysOf(*panel)) {
        EXPECT_EQ(pDay->m_nDay, expectedDay);
        EXPECT_EQ(pDay->m_nMonth, 1);
        EXPECT_EQ(pDay->m_nYear, 2000);
        EXPECT_EQ(pDay->m_nColorCode, 99);
        EXPECT_FALSE(pDay->m_bSelected);
        EXPECT_EQ(pDay->m_strText.GetLength(), 2);
        ++expectedDay;
    }
    EXPECT_EQ(Day(*panel, 1)->m_strText, " 1");
    EXPECT_EQ(Day(*panel, 10)->m_strText, "10");
}

TEST(YueObjTest, LayoutOfOctober2000LeavesTheLastRowEmpty)
{
    auto panel = LaidOut(2000, 10);
    EXPECT_RECT(Day(*panel, 1)->m_rcCell, 4, 56, 36, 78);
    EXPECT_EQ(Day(*panel, 31)->m_nColumn, 2);
    EXPECT_EQ(WeekRow(Day(*panel, 31)), 4);
    EXPECT_EQ(Day(*panel, 4)->m_nColumn, 3);  // a Wednesday
    EXPECT_EQ(Day(*panel, 5)->m_nColumn, 4);  // a Thursday
}

TEST(YueObjTest, February2026FillsExactlyFourRows)
{
    auto panel = LaidOut(2026, 2);
    std::vector<AFCDayObj*> days = DaysOf(*panel);
    ASSERT_EQ(days.size(), 28u);
    for (AFCDayObj* pDay : days) {
        EXPECT_EQ(WeekRow(pDay), (pDay->m_nDay - 1) / 7) << pDay->m_nDay;
        EXPECT_EQ(pDay->m_nColumn, (pDay->m_nDay - 1) % 7) << pDay->m_nDay;
    }
    for (int day : {1, 8, 15, 22}) {
        EXPECT_EQ(Day(*panel, day)->m_rcCell.left, 4);
    }
}

TEST(YueObjTest, CellCountIsTheMonthLength)
{
    EXPECT_EQ(LaidOut(2000, 2)->m_DayList.GetCount(), 29);
    EXPECT_EQ(LaidOut(1900, 2)->m_DayList.GetCount(), 28);
    EXPECT_EQ(LaidOut(2001, 4)->m_DayList.GetCount(), 30);
    // Six rows are needed: 31 days from a Saturday.
    EXPECT_EQ(LaidOut(2000, 1)->m_DayList.GetCount(), 31);
}

TEST(YueObjTest, LayoutAppendsWithoutEmptying)
{
    auto panel = LaidOut(2000, 2);
    panel->LayoutDays();
    EXPECT_EQ(panel->m_DayList.GetCount(), 58);
}

TEST(YueObjTest, EmptyRectangleGivesNegativeCellsThatNothingHits)
{
    AFCYueObj panel(2000, 1, 1);
    panel.LayoutDays();
    EXPECT_EQ(panel.m_nCellHeight, -1);
    EXPECT_EQ(panel.m_nCellWidth, -1);
    EXPECT_EQ(panel.m_DayList.GetCount(), 31);
    for (int x = -10; x <= 10; ++x) {
        for (int y = -10; y <= 10; ++y) {
            POINT pt = {x, y};
            ASSERT_EQ(panel.HitTestDay(&pt), nullptr) << x << "," << y;
        }
    }
}

TEST(YueObjTest, HitSelectsTheCellAndRecordsItsDate)
{
    auto panel = LaidOut(2000, 1);
    POINT pt = {196, 56};  // top left corner of day 1
    AFCDayObj* pHit = panel->HitTestDay(&pt);
    ASSERT_EQ(pHit, Day(*panel, 1));
    EXPECT_TRUE(pHit->m_bSelected);
    EXPECT_EQ(panel->m_nSelDay, 1);
    EXPECT_EQ(panel->m_nSelMonth, 1);
    EXPECT_EQ(panel->m_nSelYear, 2000);

    pt = {60, 200};  // inside day 31
    AFCDayObj* pSecond = panel->HitTestDay(&pt);
    ASSERT_EQ(pSecond, Day(*panel, 31));
    EXPECT_FALSE(pHit->m_bSelected);
    EXPECT_TRUE(pSecond->m_bSelected);
    EXPECT_EQ(panel->m_nSelDay, 31);
}

TEST(YueObjTest, OverlappingCellsTheLastOneInTheListWins)
{
    auto panel = LaidOut(2000, 3);
    panel->LayoutDays();  // a second, identical set of cells after the first
    std::vector<AFCDayObj*> days = DaysOf(*panel);
    ASSERT_EQ(days.size(), 62u);
    AFCDayObj* pFirstCopy = days[9];
    AFCDayObj* pSecondCopy = days[31 + 9];
    POINT pt = {(pFirstCopy->m_rcCell.left + pFirstCopy->m_rcCell.right) / 2, pFirstCopy->m_rcCell.top};
    EXPECT_EQ(panel->HitTestDay(&pt), pSecondCopy);
    for (AFCDayObj* pDay : days) {
        EXPECT_EQ(pDay->m_bSelected != 0, pDay == pSecondCopy) << pDay->m_nDay;
    }
    EXPECT_EQ(panel->m_nSelDay, 10);
    EXPECT_EQ(panel->m_nSelMonth, 3);
}

TEST(YueObjTest, SharedEdgeBelongsToTheRightHandCell)
{
    auto panel = LaidOut(2000, 10);
    POINT pt = {36, 60};  // where day 1 ends and day 2 begins
    EXPECT_EQ(panel->HitTestDay(&pt), Day(*panel, 2));
    pt = {35, 60};
    EXPECT_EQ(panel->HitTestDay(&pt), Day(*panel, 1));
    pt = {20, 78};  // bottom edge of day 1 is in the next row's 4-pixel strip
    EXPECT_EQ(panel->HitTestDay(&pt), nullptr);
}

TEST(YueObjTest, PointsOutsideTheCellsHitNothingAndKeepTheSelection)
{
    auto panel = LaidOut(2000, 10);
    POINT pick = {100, 100};
    AFCDayObj* pSelected = panel->HitTestDay(&pick);
    ASSERT_NE(pSelected, nullptr);
    int selDay = panel->m_nSelDay;

    const POINT misses[] = {
        {20, 52}, {20, 55},    // 4-pixel strip at the top of week row 0
        {100, 107},            // strip at the top of week row 2
        {20, 10},              // title row
        {20, 40},              // weekday row
        {2, 60},               // left margin
        {229, 60}, {231, 60},  // right margin
        {20, 210},             // bottom margin
        {300, 300}, {-1, -1},  // outside the panel
    };
    for (POINT pt : misses) {
        EXPECT_EQ(panel->HitTestDay(&pt), nullptr) << pt.x << "," << pt.y;
    }
    EXPECT_TRUE(pSelected->m_bSelected);
    EXPECT_EQ(panel->m_nSelDay, selDay);
    int nMarked = 0;
    for (AFCDayObj* pDay : DaysOf(*panel)) {
        nMarked += pDay->m_bSelected ? 1 : 0;
    }
    EXPECT_EQ(nMarked, 1);
}

TEST(YueObjTest, ClearSelectionUnmarksCellsButKeepsTheSelectedDate)
{
    auto panel = LaidOut(2000, 10);
    POINT pt = {100, 100};
    ASSERT_NE(panel->HitTestDay(&pt), nullptr);
    int selDay = panel->m_nSelDay;
    panel->ClearSelection();
    for (AFCDayObj* pDay : DaysOf(*panel)) {
        EXPECT_FALSE(pDay->m_bSelected);
    }
    EXPECT_EQ(panel->m_nSelDay, selDay);
}

TEST(YueObjTest, AddDayAppendsAndTakesOwnership)
{
    AFCYueObj panel(2000, 1, 1);
    AFCDayObj* pDay = new AFCDayObj;
    POSITION pos = panel.AddDay(pDay);
    EXPECT_EQ(panel.m_DayList.GetAt(pos), pDay);
    EXPECT_EQ(panel.m_DayList.FindIndex(panel.m_DayList.GetCount() - 1), pos);
}  // LeakSanitizer checks that the panel deleted it

}  // namespace
