#include "calendar/JulianDay.h"

#include <cmath>

namespace {

// 372 * year + 31 * month + day of 15 October 1582, the first Gregorian day.
const long long s_nGregorianSwitch = 588829;

}  // namespace

int GetJulianDay(int nMonth, int nDay, int nYear)
{
    int nY = nMonth > 2 ? nYear : nYear - 1;
    int nM = nMonth > 2 ? nMonth + 1 : nMonth + 13;
    double dDays = std::floor(365.25 * nY) + std::floor(30.6001 * nM) + nDay + 1720995;
    int nJulian = static_cast<int>(dDays);
    if (372LL * nYear + 31LL * nMonth + nDay >= s_nGregorianSwitch) {
        int nA = nY / 100;
        nJulian += 2 - nA + nA / 4;
    }
    return nJulian;
}
