#include "platform/core/AfxScale.h"

#include <algorithm>
#include <climits>

#include "platform/core/AfxDigits.h"
#include "platform/core/AfxPrintable.h"

namespace {

int g_nScreenScale = AFX_SCALE_ONE;

const int kMaxFractionDigits = 9;  // keeps ten to that power, times the fraction, in range

long long FloorDiv(long long n, long long d)
{
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}

int Clamped(long long n)
{
    return static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, n)));
}

// Digits, then optionally a point and more digits: whole part and fraction as
// nFraction / 10^nFractionDigits.
BOOL ReadDecimal(LPCTSTR psz, long long& nWhole, long long& nFraction, int& nFractionDigits)
{
    int nWholeRead = 0;
    int nFractionRead = 0;
    nFractionDigits = 0;
    if (psz == nullptr || !AfxReadDigits(psz, nWholeRead) ||
        (*psz == '.' && !AfxReadDigits(++psz, nFractionRead, &nFractionDigits))) {
        return FALSE;
    }
    nWhole = nWholeRead;
    nFraction = nFractionRead;
    return *psz == '\0';
}

BOOL IsSet(LPCTSTR psz) { return psz != nullptr && *psz != '\0'; }

// GDK_SCALE: a whole number from 1 up.
BOOL ReadGdkScale(LPCTSTR psz, int& nScale)
{
    long long nWhole = 0;
    long long nFraction = 0;
    int nFractionDigits = 0;
    if (!ReadDecimal(psz, nWhole, nFraction, nFractionDigits) || nFractionDigits > 0 || nWhole < 1) {
        return FALSE;
    }
    nScale = static_cast<int>(std::min<long long>(nWhole * AFX_SCALE_ONE, AFX_SCALE_MAX));
    return TRUE;
}

// Xft.dpi over 96 to the nearest quarter: (dpi + 12) / 24 quarters. The fraction of the
// dpi can never reach the next quarter on its own, so only the whole part counts.
BOOL ReadXftDpi(LPCTSTR psz, int& nScale)
{
    long long nWhole = 0;
    long long nFraction = 0;
    int nFractionDigits = 0;
    if (!ReadDecimal(psz, nWhole, nFraction, nFractionDigits) || (nWhole == 0 && nFraction == 0)) {
        return FALSE;
    }
    nScale = static_cast<int>(std::max<long long>(AFX_SCALE_ONE, std::min<long long>((nWhole + 12) / 24, AFX_SCALE_MAX)));
    return TRUE;
}

}  // namespace

int AfxGetScreenScale() { return g_nScreenScale; }

void AfxSetScreenScale(int nScale) { g_nScreenScale = std::max(AFX_SCALE_ONE, std::min(nScale, AFX_SCALE_MAX)); }

RECT AfxScaleToDevice(int nScale, const RECT& rc)
{
    return RECT{AfxScaleToDevice(nScale, rc.left), AfxScaleToDevice(nScale, rc.top), AfxScaleToDevice(nScale, rc.right),
                AfxScaleToDevice(nScale, rc.bottom)};
}

// The inverses of v * nScale / 4 + 1/2, rounded down: d holds v while 4v + 2 <= 4d + 3.
int AfxScaleToLogical(int nScale, int d)
{
    return Clamped(FloorDiv(static_cast<long long>(d) * AFX_SCALE_ONE + 1, nScale));
}

int AfxScaleToLogicalCeil(int nScale, int d)
{
    return Clamped(-FloorDiv(-(static_cast<long long>(d) * AFX_SCALE_ONE - AFX_SCALE_ONE / 2), nScale));
}

BOOL AfxScaleIsWhole(int nScale, long long v) { return (v * nScale) % AFX_SCALE_ONE == 0; }

BOOL AfxParseScale(LPCTSTR lpsz, int* pnScale)
{
    long long nWhole = 0;
    long long nFraction = 0;
    int nFractionDigits = 0;
    if (!ReadDecimal(lpsz, nWhole, nFraction, nFractionDigits) || nWhole > AFX_SCALE_MAX ||
        nFractionDigits > kMaxFractionDigits) {
        return FALSE;
    }
    long long nPower = 1;
    for (int i = 0; i < nFractionDigits; ++i) {
        nPower *= 10;
    }
    // Quarters only: four times the fraction must be whole.
    if (nFraction * AFX_SCALE_ONE % nPower != 0) {
        return FALSE;
    }
    const long long nScale = nWhole * AFX_SCALE_ONE + nFraction * AFX_SCALE_ONE / nPower;
    if (nScale < AFX_SCALE_ONE || nScale > AFX_SCALE_MAX) {
        return FALSE;
    }
    if (pnScale != nullptr) {
        *pnScale = static_cast<int>(nScale);
    }
    return TRUE;
}

int AfxChooseScale(const AFX_SCALE_SOURCES& sources, CString& strWarning)
{
    strWarning.Empty();
    int nScale = AFX_SCALE_ONE;
    if (IsSet(sources.lpszOwn)) {
        if (AfxParseScale(sources.lpszOwn, &nScale)) {
            return nScale;
        }
        strWarning.Format("%s '%s' is not a factor from 1 to 4 in steps of 0.25; ignored",
                          sources.lpszOwnName != nullptr ? sources.lpszOwnName : "the scale",
                          static_cast<LPCTSTR>(AfxPrintable(sources.lpszOwn)));
    }
    if (ReadGdkScale(sources.lpszGdkScale, nScale) || ReadXftDpi(sources.lpszXftDpi, nScale)) {
        return nScale;
    }
    return AFX_SCALE_ONE;
}
