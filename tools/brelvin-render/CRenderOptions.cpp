#include "tools/brelvin-render/CRenderOptions.h"

#include <cstring>

#include "calendar/AFCYueObj.h"

namespace {

const int kMaxDigits = 9;  // fits an int without overflow

// Reads a run of 1..kMaxDigits digits; advances psz past it.
BOOL ReadNumber(const char*& psz, int& nValue)
{
    int nDigits = 0;
    nValue = 0;
    while (*psz >= '0' && *psz <= '9') {
        if (++nDigits > kMaxDigits) {
            return FALSE;
        }
        nValue = nValue * 10 + (*psz++ - '0');
    }
    return nDigits > 0;
}

BOOL ReadWholeNumber(const char* psz, int& nValue) { return ReadNumber(psz, nValue) && *psz == '\0'; }

// Reads a number followed by cSeparator (or the end of the text for '\0').
BOOL ReadField(const char*& psz, int& nValue, char cSeparator)
{
    if (!ReadNumber(psz, nValue) || *psz != cSeparator) {
        return FALSE;
    }
    if (cSeparator != '\0') {
        ++psz;
    }
    return TRUE;
}

CString Quoted(const char* psz) { return CString("'") + psz + "'"; }

}  // namespace

BOOL CRenderOptions::Parse(int argc, const char* const* argv, CString& strError)
{
    for (int i = 1; i < argc; ++i) {
        const char* pszArg = argv[i];
        const BOOL bValued = std::strcmp(pszArg, "--year") == 0 || std::strcmp(pszArg, "--select") == 0 ||
                             std::strcmp(pszArg, "--size") == 0;
        if (bValued && i + 1 >= argc) {
            strError = CString("option ") + pszArg + " needs a value";
            return FALSE;
        }
        BOOL bOk = TRUE;
        if (std::strcmp(pszArg, "--year") == 0) {
            bOk = ParseYear(argv[++i], strError);
        } else if (std::strcmp(pszArg, "--select") == 0) {
            bOk = ParseDate(argv[++i], strError);
        } else if (std::strcmp(pszArg, "--size") == 0) {
            bOk = ParseSize(argv[++i], strError);
        } else if (pszArg[0] == '-') {
            strError = "unknown option " + Quoted(pszArg);
            bOk = FALSE;
        } else if (!m_strOutput.IsEmpty()) {
            strError = "more than one output file: " + Quoted(m_strOutput) + " and " + Quoted(pszArg);
            bOk = FALSE;
        } else {
            m_strOutput = pszArg;
        }
        if (!bOk) {
            return FALSE;
        }
    }
    if (m_strOutput.IsEmpty()) {
        strError = "no output file; usage: brelvin-render [--year YEAR] [--select YYYY-MM-DD] "
                   "[--size WIDTHxHEIGHT] OUTPUT.png";
        return FALSE;
    }
    return TRUE;
}

BOOL CRenderOptions::ParseYear(const char* psz, CString& strError)
{
    int nYear = 0;
    if (!ReadWholeNumber(psz, nYear) || nYear < kFirstYear || nYear > kLastYear) {
        strError.Format("the year must be a number from %d to %d, not '%s'", kFirstYear, kLastYear, psz);
        return FALSE;
    }
    m_bYear = TRUE;
    m_nYear = nYear;
    return TRUE;
}

BOOL CRenderOptions::ParseDate(const char* psz, CString& strError)
{
    const char* p = psz;
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;
    BOOL bValid = ReadField(p, nYear, '-') && ReadField(p, nMonth, '-') && ReadField(p, nDay, '\0') &&
                  nMonth >= 1 && nMonth <= 12 && nDay >= 1;
    if (bValid) {
        bValid = nDay <= AFCYueObj(nYear, nMonth, 1).GetDaysInMonth();
    }
    if (!bValid) {
        strError.Format("'%s' is not a valid date YYYY-MM-DD", psz);
        return FALSE;
    }
    m_bSelect = TRUE;
    m_nSelYear = nYear;
    m_nSelMonth = nMonth;
    m_nSelDay = nDay;
    return TRUE;
}

BOOL CRenderOptions::ParseSize(const char* psz, CString& strError)
{
    const char* p = psz;
    int cx = 0;
    int cy = 0;
    if (!ReadField(p, cx, 'x') || !ReadField(p, cy, '\0') || cx < 1 || cy < 1 || cx > kMaxSide ||
        cy > kMaxSide) {
        strError.Format("the size must be WIDTHxHEIGHT from 1x1 to %dx%d, not '%s'", kMaxSide, kMaxSide, psz);
        return FALSE;
    }
    m_nWidth = cx;
    m_nHeight = cy;
    return TRUE;
}
