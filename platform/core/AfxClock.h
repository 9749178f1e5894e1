// Where "now" comes from. The system clock by default; a test installs its own to fix
// today's date, and puts the previous one back afterwards.
#pragma once

#include <ctime>

struct IAfxClock {
    virtual ~IAfxClock() = default;
    virtual time_t GetTime() = 0;
};

// Installs pClock (null: the system clock) and returns the one it replaces (null when that
// was the system clock). The caller keeps pClock alive while it is installed.
IAfxClock* AfxSetClock(IAfxClock* pClock);
IAfxClock* AfxGetClock();
