// A point in time, in seconds since 1970, read from the installed clock.
#pragma once

#include <ctime>

#include "platform/core/WinDef.h"

class CTime {
public:
    CTime() : m_time(0) {}
    explicit CTime(time_t time) : m_time(time) {}

    static CTime GetCurrentTime();

    time_t GetTime() const { return m_time; }
    // Local broken-down time. With a null buffer the result is one record shared by every
    // caller on this thread, overwritten by the next such call. Null if the time has no
    // local representation.
    struct tm* GetLocalTm(struct tm* ptm = nullptr) const;

    // Local calendar fields; 0 if the time has no local representation.
    int GetYear() const;
    int GetMonth() const;  // 1..12
    int GetDay() const;    // 1..31
    int GetHour() const;
    int GetDayOfWeek() const;  // 1 = Sunday .. 7 = Saturday

    bool operator==(CTime other) const { return m_time == other.m_time; }
    bool operator!=(CTime other) const { return m_time != other.m_time; }
    bool operator<(CTime other) const { return m_time < other.m_time; }

private:
    time_t m_time;
};
