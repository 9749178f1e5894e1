// Fixes "now" at noon local time of a given date while a test runs.
#pragma once

#include <ctime>

#include "platform/core/AfxClock.h"

class FixedClock : public IAfxClock {
public:
    FixedClock(int year, int month, int day)
    {
        struct tm t = {};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = 12;
        t.tm_isdst = -1;
        m_time = mktime(&t);
        m_pOldClock = AfxSetClock(this);
    }
    ~FixedClock() override { AfxSetClock(m_pOldClock); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    time_t GetTime() override { return m_time; }

private:
    time_t m_time;
    IAfxClock* m_pOldClock;
};
