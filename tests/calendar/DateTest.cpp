#include <gtest/gtest.h>

#include "calendar/AFCYueObj.h"
#include "calendar/JulianDay.h"

namespace {

// Zeller's congruence on the proleptic Gregorian calendar, turned to 0 = Sunday.
int GregorianWeekday(int year, int month, int day)
{
    if (month < 3) {
        month += 12;
        year -= 1;
    }
    int k = year % 100;
    int j = year / 100;
    int h = (day + 13 * (month + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;  // 0 = Saturday
    return (h + 6) % 7;
}

int GregorianMonthLength(int year, int month)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return lengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

int FirstWeekday(int year, int month) { return AFCYueObj(year, month, 1).GetFirstWeekday(); }

TEST(DateTest, JulianDayValuesAcrossTheCalendarSwitch)
{
    EXPECT_EQ(GetJulianDay(1, 1, 2000), 2451545);
    EXPECT_EQ(GetJulianDay(3, 1, 1900), 2415080);
    EXPECT_EQ(GetJulianDay(3, 1, 2100), 2488129);
    EXPECT_EQ(GetJulianDay(10, 15, 1582), 2299161);
    EXPECT_EQ(GetJulianDay(10, 4, 1582), 2299160);
    // Before the switch 1500 is a Julian leap year; after it 1700 is no Gregorian one.
    EXPECT_EQ(GetJulianDay(3, 1, 1500) - GetJulianDay(2, 28, 1500), 2);
    EXPECT_EQ(GetJulianDay(3, 1, 1700) - GetJulianDay(2, 28, 1700), 1);
    // Year 0 and negative years are Julian leap years when divisible by 4.
    EXPECT_EQ(GetJulianDay(3, 1, 0) - GetJulianDay(2, 28, 0), 2);
    EXPECT_EQ(GetJulianDay(3, 1, -4) - GetJulianDay(2, 28, -4), 2);
    EXPECT_EQ(GetJulianDay(3, 1, -3) - GetJulianDay(2, 28, -3), 1);
}

TEST(DateTest, LeapYearRules)
{
    for (int year : {2000, 1600, 2004, 0, -4, -400}) {
        EXPECT_EQ(AFCYueObj(year, 1, 1).IsLeapYear(), 1) << year;
    }
    for (int year : {1900, 2100, 2001, -100, -1}) {
        EXPECT_EQ(AFCYueObj(year, 1, 1).IsLeapYear(), 0) << year;
    }
}

TEST(DateTest, DaysInMonth)
{
    EXPECT_EQ(AFCYueObj(2000, 2, 1).GetDaysInMonth(), 29);
    EXPECT_EQ(AFCYueObj(1900, 2, 1).GetDaysInMonth(), 28);
    EXPECT_EQ(AFCYueObj(2100, 2, 1).GetDaysInMonth(), 28);
    EXPECT_EQ(AFCYueObj(2001, 4, 1).GetDaysInMonth(), 30);
    EXPECT_EQ(AFCYueObj(1582, 10, 1).GetDaysInMonth(), 31);
    for (int year : {-400, 0, 1, 1582, 2026}) {
        EXPECT_EQ(AFCYueObj(year, 1, 1).GetDaysInMonth(), 31) << year;
    }
}

TEST(DateTest, MonthOutsideTheYearHasNoDaysAndNoCells)
{
    for (int month : {0, 13, -5, 1000}) {
        AFCYueObj panel(2000, month, 1);
        EXPECT_EQ(panel.GetDaysInMonth(), 0) << month;
        panel.m_rcBounds = {0, 0, 232, 216};
        panel.LayoutDays();
        EXPECT_TRUE(panel.m_DayList.IsEmpty()) << month;
    }
}

TEST(DateTest, FirstWeekdayOfKnownMonths)
{
    EXPECT_EQ(FirstWeekday(2000, 1), 6);
    EXPECT_EQ(FirstWeekday(2000, 10), 0);
    EXPECT_EQ(FirstWeekday(1900, 3), 4);
    EXPECT_EQ(FirstWeekday(2100, 3), 1);
    EXPECT_EQ(FirstWeekday(1584, 1), 0);
    EXPECT_EQ(FirstWeekday(2026, 2), 0);
    EXPECT_EQ(FirstWeekday(2026, 12), 2);
}

TEST(DateTest, EveryMonthFrom1584To3000AgreesWithTheGregorianCalendar)
{
    for (int year = 1584; year <= 3000; ++year) {
        for (int month = 1; month <= 12; ++month) {
            AFCYueObj panel(year, month, 1);
            ASSERT_EQ(panel.GetFirstWeekday(), GregorianWeekday(year, month, 1)) << year << "-" << month;
            ASSERT_EQ(panel.GetDaysInMonth(), GregorianMonthLength(year, month)) << year << "-" << month;
            int next = GetJulianDay(month == 12 ? 1 : month + 1, 1, month == 12 ? year + 1 : year);
            ASSERT_EQ(next - GetJulianDay(month, 1, year), GregorianMonthLength(year, month))
                << year << "-" << month;
        }
    }
}

}  // namespace
