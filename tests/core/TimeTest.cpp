#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/core/AfxClock.h"
#include "platform/core/CTime.h"

namespace {

struct FixedClock : IAfxClock {
    time_t m_time = 0;
    time_t GetTime() override { return m_time; }
};

// Noon local time, far from any daylight-saving switch at midnight.
time_t LocalNoon(int year, int month, int day)
{
    struct tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    return mktime(&t);
}

class TimeTest : public ::testing::Test {
protected:
    void SetUp() override { m_pOldClock = AfxSetClock(&m_clock); }
    void TearDown() override { AfxSetClock(m_pOldClock); }

    FixedClock m_clock;
    IAfxClock* m_pOldClock = nullptr;
};

TEST_F(TimeTest, CurrentTimeComesFromTheInstalledClock)
{
    m_clock.m_time = LocalNoon(2026, 2, 14);
    struct tm* ptm = CTime::GetCurrentTime().GetLocalTm(nullptr);
    ASSERT_NE(ptm, nullptr);
    EXPECT_EQ(ptm->tm_year + 1900, 2026);
    EXPECT_EQ(ptm->tm_mon, 1);
    EXPECT_EQ(ptm->tm_mday, 14);
}

TEST_F(TimeTest, NullBufferGivesOneSharedRecord)
{
    m_clock.m_time = LocalNoon(1999, 12, 31);
    struct tm* pFirst = CTime::GetCurrentTime().GetLocalTm(nullptr);
    m_clock.m_time = LocalNoon(2000, 1, 1);
    struct tm* pSecond = CTime::GetCurrentTime().GetLocalTm(nullptr);
    EXPECT_EQ(pFirst, pSecond);
    EXPECT_EQ(pFirst->tm_year + 1900, 2000);  // overwritten by the second call

    struct tm own = {};
    struct tm* pOwn = CTime(LocalNoon(1584, 1, 1)).GetLocalTm(&own);
    EXPECT_EQ(pOwn, &own);
    EXPECT_EQ(own.tm_year + 1900, 1584);
    EXPECT_EQ(pSecond->tm_year + 1900, 2000);  // a caller's buffer leaves the shared one alone
}

TEST_F(TimeTest, RestoringTheSystemClockGivesTheRealTime)
{
    EXPECT_EQ(AfxSetClock(nullptr), &m_clock);
    time_t real = std::time(nullptr);
    time_t now = CTime::GetCurrentTime().GetTime();
    EXPECT_LE(std::llabs(static_cast<long long>(now - real)), 5);
    EXPECT_EQ(AfxSetClock(&m_clock), nullptr);
}

}  // namespace
