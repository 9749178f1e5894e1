#include "platform/core/AfxClock.h"

namespace {

struct CSystemClock : IAfxClock {
    time_t GetTime() override { return std::time(nullptr); }
};

CSystemClock s_systemClock;
IAfxClock* s_pClock = nullptr;

}  // namespace

IAfxClock* AfxSetClock(IAfxClock* pClock)
{
    IAfxClock* pOld = s_pClock;
    s_pClock = pClock;
    return pOld;
}

IAfxClock* AfxGetClock() { return s_pClock != nullptr ? s_pClock : &s_systemClock; }
