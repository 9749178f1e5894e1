#include "platform/core/CTime.h"

#include "platform/core/AfxClock.h"

namespace {

thread_local struct tm s_localTm;

// Calls get on the local time of t, or gives 0 when there is none.
template <class F>
int LocalField(time_t t, F get)
{
    struct tm tmLocal;
    return localtime_r(&t, &tmLocal) != nullptr ? get(tmLocal) : 0;
}

}  // namespace

CTime CTime::GetCurrentTime() { return CTime(AfxGetClock()->GetTime()); }

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    struct tm* pResult = ptm != nullptr ? ptm : &s_localTm;
    return localtime_r(&m_time, pResult);
}

int CTime::GetYear() const
{
    return LocalField(m_time, [](const struct tm& t) { return t.tm_year + 1900; });
}

int CTime::GetMonth() const
{
    return LocalField(m_time, [](const struct tm& t) { return t.tm_mon + 1; });
}

int CTime::GetDay() const
{
    return LocalField(m_time, [](const struct tm& t) { return t.tm_mday; });
}

int CTime::GetHour() const
{
    return LocalField(m_time, [](const struct tm& t) { return t.tm_hour; });
}

int CTime::GetDayOfWeek() const
{
    return LocalField(m_time, [](const struct tm& t) { return t.tm_wday + 1; });
}
