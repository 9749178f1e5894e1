#include "platform/core/AfxScale.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <string>

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

// GDK_SCALE as GTK reads it: the whole number it starts with (after blanks and a sign),
// anything after it ignored; nothing or 0 is 1, and a number of any size above 4 is 4.
int ReadGdkScale(LPCTSTR psz)
{
    while (std::isspace(static_cast<unsigned char>(*psz))) {
        ++psz;
    }
    const bool bNegative = *psz == '-';
    if (*psz == '+' || *psz == '-') {
        ++psz;
    }
    long long nValue = 0;
    for (; std::isdigit(static_cast<unsigned char>(*psz)) && nValue <= AFX_SCALE_MAX; ++psz) {
        nValue = nValue * 10 + (*psz - '0');
    }
    if (bNegative || nValue == 0) {
        return AFX_SCALE_ONE;
    }
    return static_cast<int>(std::min<long long>(nValue * AFX_SCALE_ONE, AFX_SCALE_MAX));
}

// Xft.dpi over 96 to the nearest quarter: (dpi + 12) / 24 quarters. The fraction of the
// dpi can never reach the next quarter on its own, so only the whole part counts. Blanks
// around the number are the resource file's, not the number's.
BOOL ReadXftDpi(LPCTSTR psz, int& nScale)
{
    std::string strDpi = psz != nullptr ? psz : "";
    const size_t nFirst = strDpi.find_first_not_of(" \t");
    strDpi = nFirst == std::string::npos ? "" : strDpi.substr(nFirst, strDpi.find_last_not_of(" \t") - nFirst + 1);
    long long nWhole = 0;
    long long nFraction = 0;
    int nFractionDigits = 0;
    if (!ReadDecimal(strDpi.c_str(), nWhole, nFraction, nFractionDigits) || (nWhole == 0 && nFraction == 0)) {
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

int AfxChooseScale(const AFX_SCALE_SOURCES& sources, CString& strWarning, CString* pstrSource)
{
    strWarning.Empty();
    CString strIgnored;
    CString& strSource = pstrSource != nullptr ? *pstrSource : strIgnored;
    strSource.Empty();
    int nScale = AFX_SCALE_ONE;
    if (IsSet(sources.lpszOwn)) {
        strSource = sources.lpszOwnName != nullptr ? sources.lpszOwnName : "the scale";
        if (AfxParseScale(sources.lpszOwn, &nScale)) {
            return nScale;
        }
        strWarning.Format("%s '%s' is not a factor from 1 to 4 in steps of 0.25; ignored",
                          sources.lpszOwnName != nullptr ? sources.lpszOwnName : "the scale",
                          static_cast<LPCTSTR>(AfxPrintable(sources.lpszOwn)));
    }
    if (IsSet(sources.lpszGdkScale)) {
        strSource = "GDK_SCALE";
        return ReadGdkScale(sources.lpszGdkScale);
    }
    strSource = "Xft.dpi";
    if (ReadXftDpi(sources.lpszXftDpi, nScale)) {
        return nScale;
    }
    strSource.Empty();
    return AFX_SCALE_ONE;
}

CString AfxScaleText(int nScale)
{
    static const char* const kQuarters[] = {"", ".25", ".5", ".75"};
    CString strText;
    strText.Format("%d%s", nScale / AFX_SCALE_ONE, kQuarters[nScale % AFX_SCALE_ONE]);
    return strText;
}
