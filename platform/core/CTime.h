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

private:
    time_t m_time;
};
