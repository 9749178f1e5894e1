#include "platform/core/CTime.h"

#include "platform/core/AfxClock.h"

namespace {

thread_local struct tm s_localTm;

}  // namespace

CTime CTime::GetCurrentTime() { return CTime(AfxGetClock()->GetTime()); }

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    struct tm* pResult = ptm != nullptr ? ptm : &s_localTm;
    return localtime_r(&m_time, pResult);
}
