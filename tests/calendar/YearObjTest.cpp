#include <gtest/gtest.h>

#include <memory>

#include "CalendarTestUtil.h"
#include "FixedClock.h"
#include "calendar/AFCYearObj.h"
#include "platform/gdi/AfxGdi.h"

namespace {

AFCDayObj* DayOf(const AFCYearObj& year, int month, int day)
{
    return DaysOf(*MonthsOf(year).at(static_cast<size_t>(month - 1))).at(static_cast<size_t>(day - 1));
}

// A point in the middle of a cell.
POINT Inside(const AFCDayObj* pDay)
{
    return {(pDay->m_rcCell.left + pDay->m_rcCell.right) / 2, (pDay->m_rcCell.top + pDay->m_rcCell.bottom) / 2};
}

void ExpectDefaultColors(const AFCYearObj& year)
{
    EXPECT_EQ(year.m_crBack, 0xFFFFFFu);
    EXPECT_EQ(year.m_crText, 0x000000u);
    EXPECT_EQ(year.m_crFrame, 0x474747u);
    EXPECT_EQ(year.m_crTitleBack, GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(year.m_crTitleText, 0xFFFFFFu);
    EXPECT_EQ(year.m_crWeekBack, GetSysColor(COLOR_INFOBK));
}

TEST(YearObjTest, ConstructorLaysOutTwelveMonthsOfTheYear)
{
    AFCYearObj year(2000, CRect(0, 0, 400, 400));
    std::vector<AFCYueObj*> months = MonthsOf(year);
    ASSERT_EQ(months.size(), 12u);
    for (int m = 1; m <= 12; ++m) {
        AFCYueObj* pMonth = months[static_cast<size_t>(m - 1)];
        EXPECT_EQ(pMonth->m_nYear, 2000);
        EXPECT_EQ(pMonth->m_nMonth, m - 1);
        EXPECT_EQ(pMonth->m_nSelDay, 1);
        EXPECT_EQ(pMonth->m_nSelMonth, m);
        EXPECT_EQ(pMonth->m_nSelYear, 2000);
        EXPECT_EQ(pMonth->m_DayList.GetCount(), pMonth->GetDaysInMonth());
    }
    EXPECT_EQ(year.m_nSelDay, 1);
    EXPECT_EQ(year.m_nSelMonth, 1);
    EXPECT_EQ(year.m_nSelYear, 2000);
    EXPECT_RECT(year.m_rcPrevButton, 0, 0, 0, 0);
    EXPECT_RECT(year.m_rcNextButton, 0, 0, 0, 0);
    EXPECT_EQ(year.m_MonthList.GetBlockSize(), 10);
    ExpectDefaultColors(year);
}

TEST(YearObjTest, PanelRectanglesIn400By400)
{
    AFCYearObj year(2000, CRect(0, 0, 400, 400));
    std::vector<AFCYueObj*> months = MonthsOf(year);
    EXPECT_RECT(months[0]->m_rcBounds, 1, 26, 100, 150);
    EXPECT_RECT(months[3]->m_rcBounds, 298, 26, 397, 150);
    EXPECT_RECT(months[4]->m_rcBounds, 1, 150, 100, 274);
    EXPECT_RECT(months[11]->m_rcBounds, 298, 274, 397, 398);
    for (size_t i = 0; i < months.size(); ++i) {
        const RECT& rc = months[i]->m_rcBounds;
        EXPECT_EQ(rc.left, 1 + static_cast<int>(i % 4) * 99);
        EXPECT_EQ(rc.top, 26 + static_cast<int>(i / 4) * 124);
        EXPECT_EQ(rc.right - rc.left, 99);
        EXPECT_EQ(rc.bottom - rc.top, 124);
    }
}

TEST(YearObjTest, PanelRectanglesIn596By330)
{
    AFCYearObj year(2000, CRect(0, 0, 596, 330));
    std::vector<AFCYueObj*> months = MonthsOf(year);
    EXPECT_RECT(months[0]->m_rcBounds, 1, 26, 149, 127);
    EXPECT_RECT(months[11]->m_rcBounds, 445, 228, 593, 329);
}

TEST(YearObjTest, DefaultCalendarIsThisYearWithoutPanelsUntilSetYear)
{
    FixedClock clock(2026, 5, 20);
    AFCYearObj year;
    EXPECT_EQ(year.m_nYear, 2026);
    EXPECT_EQ(year.m_nSelYear, 2026);
    EXPECT_TRUE(year.m_MonthList.IsEmpty());
    EXPECT_RECT(year.m_rcBounds, 0, 0, 0, 0);
    ExpectDefaultColors(year);

    year.SetYear(2001);
    std::vector<AFCYueObj*> months = MonthsOf(year);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_RECT(months[0]->m_rcBounds, 1, 26, 1, 17);  // width 0, height -9
    EXPECT_RECT(months[5]->m_rcBounds, 1, 17, 1, 8);
    EXPECT_RECT(months[11]->m_rcBounds, 1, 8, 1, -1);
}

TEST(YearObjTest, CreatedByClassNameForThisYear)
{
    FixedClock clock(1999, 12, 31);
    CRuntimeClass* pClass = CRuntimeClass::FromName("AFCYearObj");
    ASSERT_NE(pClass, nullptr);
    EXPECT_EQ(pClass->m_wSchema, 0u);
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CObject));
    std::unique_ptr<CObject> pObject(CRuntimeClass::CreateObject("AFCYearObj"));
    AFCYearObj* pYear = dynamic_cast<AFCYearObj*>(pObject.get());
    ASSERT_NE(pYear, nullptr);
    EXPECT_EQ(pYear->m_nYear, 1999);
    EXPECT_TRUE(pYear->m_MonthList.IsEmpty());
    EXPECT_TRUE(pYear->m_rcBounds.IsRectNull());
}

TEST(YearObjTest, HitSelectsOneCellAcrossAllPanels)
{
    AFCYearObj year(2000, CRect(0, 0, 596, 330));
    POINT pt = Inside(DayOf(year, 3, 15));
    AFCDayObj* pFirst = year.HitTestDay(&pt);
    ASSERT_EQ(pFirst, DayOf(year, 3, 15));
    EXPECT_EQ(year.m_nSelDay, 15);
    EXPECT_EQ(year.m_nSelMonth, 3);
    EXPECT_EQ(year.m_nSelYear, 2000);

    pt = Inside(DayOf(year, 11, 2));
    AFCDayObj* pSecond = year.HitTestDay(&pt);
    ASSERT_EQ(pSecond, DayOf(year, 11, 2));
    EXPECT_EQ(SelectedDaysOf(year), std::vector<AFCDayObj*>{pSecond});
    EXPECT_EQ(year.m_nSelDay, 2);
    EXPECT_EQ(year.m_nSelMonth, 11);
    // The March panel keeps the date it found; only its cell is unmarked.
    EXPECT_EQ(MonthsOf(year)[2]->m_nSelDay, 15);
}

TEST(YearObjTest, MissesKeepTheSelection)
{
    AFCYearObj year(2000, CRect(0, 0, 400, 400));
    POINT pt = Inside(DayOf(year, 6, 10));
    AFCDayObj* pSelected = year.HitTestDay(&pt);
    ASSERT_NE(pSelected, nullptr);

    const POINT misses[] = {
        {200, 10},   // header
        {10, 30},    // January title
        {10, 45},    // January weekday row
        {0, 200},    // one-pixel margin
        {398, 200},  // uncovered right columns
        {200, 398},  // uncovered bottom row
        {200, 25},   // between header and the first panel row
        {500, 500},  // outside the calendar
    };
    for (POINT miss : misses) {
        EXPECT_EQ(year.HitTestDay(&miss), nullptr) << miss.x << "," << miss.y;
    }
    EXPECT_EQ(SelectedDaysOf(year), std::vector<AFCDayObj*>{pSelected});
    EXPECT_EQ(year.m_nSelDay, 10);
    EXPECT_EQ(year.m_nSelMonth, 6);
}

TEST(YearObjTest, SharedEdgeBetweenPanelsBelongsToTheRightOrLowerOne)
{
    AFCYearObj year(2000, CRect(0, 0, 400, 400));
    std::vector<AFCYueObj*> months = MonthsOf(year);
    // The panel edge x = 100 is February's left edge: only February's margin is there.
    POINT pt = {100, 100};
    EXPECT_EQ(year.HitTestDay(&pt), nullptr);
    AFCDayObj* pFebFirst = DayOf(year, 2, 1);
    pt = {pFebFirst->m_rcCell.left, pFebFirst->m_rcCell.top};
    EXPECT_EQ(year.HitTestDay(&pt), pFebFirst);
}

TEST(YearObjTest, SetYearKeepsDayAndMonthTakesTheYearAndMarksNothing)
{
    AFCYearObj year(2000, CRect(0, 0, 400, 400));
    POINT pt = Inside(DayOf(year, 3, 15));
    ASSERT_NE(year.HitTestDay(&pt), nullptr);
    year.SetYear(2001);
    EXPECT_EQ(year.m_nYear, 2001);
    EXPECT_EQ(year.m_nSelDay, 15);
    EXPECT_EQ(year.m_nSelMonth, 3);
    EXPECT_EQ(year.m_nSelYear, 2001);
    EXPECT_TRUE(SelectedDaysOf(year).empty());
    std::vector<AFCYueObj*> months = MonthsOf(year);
    ASSERT_EQ(months.size(), 12u);
    for (AFCYueObj* pMonth : months) {
        EXPECT_EQ(pMonth->m_nYear, 2001);
    }
    EXPECT_EQ(months[1]->m_DayList.GetCount(), 28);
}

TEST(YearObjTest, SetYearLaysOutInTheCurrentBounds)
{
    AFCYearObj year(2000, CRect(0, 0, 400, 400));
    year.m_rcBounds = CRect(0, 0, 596, 330);
    EXPECT_RECT(MonthsOf(year)[11]->m_rcBounds, 298, 274, 397, 398);
    year.SetYear(2000);
    EXPECT_RECT(MonthsOf(year)[11]->m_rcBounds, 445, 228, 593, 329);
}

TEST(YearObjTest, LayoutTwiceGivesTwentyFourPanelsAndTheLastHitWins)
{
    AFCYearObj year(2000, CRect(0, 0, 400, 400));
    year.LayoutMonths();
    std::vector<AFCYueObj*> months = MonthsOf(year);
    ASSERT_EQ(months.size(), 24u);
    AFCDayObj* pFirstCopy = DayOf(year, 4, 20);
    AFCDayObj* pSecondCopy = DaysOf(*months[15]).at(19);
    POINT pt = Inside(pFirstCopy);
    EXPECT_EQ(year.HitTestDay(&pt), pSecondCopy);
    EXPECT_EQ(SelectedDaysOf(year), std::vector<AFCDayObj*>{pSecondCopy});

    year.SetYear(2000);
    EXPECT_EQ(year.m_MonthList.GetCount(), 12);
}

TEST(YearObjTest, ClearSelectionUnmarksEveryPanel)
{
    AFCYearObj year(2000, CRect(0, 0, 400, 400));
    POINT pt = Inside(DayOf(year, 8, 8));
    ASSERT_NE(year.HitTestDay(&pt), nullptr);
    year.ClearSelection();
    EXPECT_TRUE(SelectedDaysOf(year).empty());
    EXPECT_EQ(year.m_nSelMonth, 8);
}

TEST(YearObjTest, AddMonthAppendsAndTakesOwnership)
{
    AFCYearObj year;
    AFCYueObj* pMonth = new AFCYueObj(2000, 1, 1);
    POSITION pos = year.AddMonth(pMonth);
    EXPECT_EQ(year.m_MonthList.GetAt(pos), pMonth);
}  // LeakSanitizer checks that the calendar deleted it

}  // namespace
