// Small helpers for looking at laid-out panels and calendars.
#pragma once

#include <vector>

#include "calendar/AFCYearObj.h"
#include "calendar/AFCYueObj.h"

inline std::vector<AFCDayObj*> DaysOf(const AFCYueObj& panel)
{
    std::vector<AFCDayObj*> days;
    POSITION pos = panel.m_DayList.GetHeadPosition();
    while (pos != nullptr) {
        days.push_back(static_cast<AFCDayObj*>(panel.m_DayList.GetNext(pos)));
    }
    return days;
}

inline std::vector<AFCYueObj*> MonthsOf(const AFCYearObj& year)
{
    std::vector<AFCYueObj*> months;
    POSITION pos = year.m_MonthList.GetHeadPosition();
    while (pos != nullptr) {
        months.push_back(year.m_MonthList.GetNext(pos));
    }
    return months;
}

inline std::vector<AFCDayObj*> SelectedDaysOf(const AFCYearObj& year)
{
    std::vector<AFCDayObj*> selected;
    for (AFCYueObj* pMonth : MonthsOf(year)) {
        for (AFCDayObj* pDay : DaysOf(*pMonth)) {
            if (pDay->m_bSelected) {
                selected.push_back(pDay);
            }
        }
    }
    return selected;
}

inline bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

#define EXPECT_RECT(actual, l, t, r, b) \
    EXPECT_PRED2(SameRect, actual, (RECT{l, t, r, b}))
