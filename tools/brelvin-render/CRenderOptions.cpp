#include "tools/brelvin-render/CRenderOptions.h"

#include <strings.h>

#include <cstring>

#include "calendar/AFCYueObj.h"
#include "platform/core/AfxDigits.h"
#include "platform/core/AfxPrintable.h"

namespace {

BOOL ReadWholeNumber(const char* psz, int& nValue) { return AfxReadDigits(psz, nValue) && *psz == '\0'; }

// Reads a number followed by cSeparator (or the end of the text for '\0').
BOOL ReadField(const char*& psz, int& nValue, char cSeparator)
{
    if (!AfxReadDigits(psz, nValue) || *psz != cSeparator) {
        return FALSE;
    }
    if (cSeparator != '\0') {
        ++psz;
    }
    return TRUE;
}

// Echoed text from the command line, escaped to stay on one line and off the terminal's
// controls.
CString Quoted(const char* psz) { return "'" + AfxPrintable(psz) + "'"; }

BOOL FindEmptyArgument(int argc, const char* const* argv, CString& strError)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '\0') {
            strError.Format("argument %d is empty", i);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

LPCTSTR CRenderOptions::GetHelpText()
{
    return "Usage: brelvin-render [OPTION]... OUTPUT\n"
           "Writes Brelvin's year calendar, as the program shows it, to a PNG picture or\n"
           "a one-page PDF for printing.\n"
           "\n"
           "  --year YEAR           the calendar after a change to YEAR, 1584 to 999999;\n"
           "                        without it, the year 2000 as at start-up\n"
           "  --select YYYY-MM-DD   that day selected, as a click on its cell does\n"
           "  --size WIDTHxHEIGHT   the calendar's size in pixels, from 1x1 to 8192x8192;\n"
           "                        628x499 by default\n"
           "  --format pdf|png      the kind of file; without it, a PDF for an OUTPUT\n"
           "                        ending in .pdf, otherwise a PNG\n"
           "  --scale F             PNG: the picture on a screen scaled by F, 1 to 4 in\n"
           "                        steps of 0.25 (1.5, 2, ...): the size stays in the\n"
           "                        calendar's own pixels, the file is F times as large,\n"
           "                        at most 8192x8192; 1 by default\n"
           "  --paper a4|letter|a3  PDF: the sheet, landscape, A4 by default; the calendar\n"
           "                        fills it inside 10 mm margins\n"
           "  --help                show this help and exit\n"
           "  --version             show the version and exit\n"
           "\n"
           "OUTPUT - writes to standard output and needs --format. An existing OUTPUT is\n"
           "replaced whole and keeps its permissions; a symbolic link is written through to\n"
           "its file. A device, FIFO or socket is refused.\n"
           "\n"
           "To print a year:\n"
           "  brelvin-render --year 2027 --format pdf - | lp\n"
           "\n"
           "Exit status: 0 written; 1 the output could not be written; 2 the command line\n"
           "was refused.\n";
}

BOOL CRenderOptions::Parse(int argc, const char* const* argv, CString& strError)
{
    if (FindEmptyArgument(argc, argv, strError)) {
        return FALSE;
    }
    for (int i = 1; i < argc; ++i) {
        const char* pszArg = argv[i];
        m_bHelp = std::strcmp(pszArg, "--help") == 0;
        m_bVersion = std::strcmp(pszArg, "--version") == 0;
        if (m_bHelp || m_bVersion) {
            return TRUE;
        }
        const BOOL bValued = std::strcmp(pszArg, "--year") == 0 || std::strcmp(pszArg, "--select") == 0 ||
                             std::strcmp(pszArg, "--size") == 0 || std::strcmp(pszArg, "--scale") == 0 ||
                             std::strcmp(pszArg, "--format") == 0 || std::strcmp(pszArg, "--paper") == 0;
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
        } else if (std::strcmp(pszArg, "--scale") == 0) {
            bOk = ParseScale(argv[++i], strError);
        } else if (std::strcmp(pszArg, "--format") == 0) {
            bOk = ParseFormat(argv[++i], strError);
        } else if (std::strcmp(pszArg, "--paper") == 0) {
            bOk = ParsePaper(argv[++i], strError);
        } else if (pszArg[0] == '-' && pszArg[1] != '\0') {
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
        strError = "no output file";
        return FALSE;
    }
    return CheckFormat(strError) && (m_bPdf || CheckPictureSize(strError));
}

BOOL CRenderOptions::ParseYear(const char* psz, CString& strError)
{
    int nYear = 0;
    if (!ReadWholeNumber(psz, nYear) || nYear < kFirstYear || nYear > kLastYear) {
        strError.Format("the year must be a number from %d to %d, not %s", kFirstYear, kLastYear,
                        static_cast<LPCTSTR>(Quoted(psz)));
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
        strError.Format("%s is not a valid date YYYY-MM-DD", static_cast<LPCTSTR>(Quoted(psz)));
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
        strError.Format("the size must be WIDTHxHEIGHT from 1x1 to %dx%d, not %s", kMaxSide, kMaxSide,
                        static_cast<LPCTSTR>(Quoted(psz)));
        return FALSE;
    }
    m_nWidth = cx;
    m_nHeight = cy;
    return TRUE;
}

BOOL CRenderOptions::ParseScale(const char* psz, CString& strError)
{
    if (!AfxParseScale(psz, &m_nScale)) {
        strError.Format("the scale must be a factor from 1 to 4 in steps of 0.25, not %s",
                        static_cast<LPCTSTR>(Quoted(psz)));
        return FALSE;
    }
    m_bScale = TRUE;
    return TRUE;
}

BOOL CRenderOptions::ParseFormat(const char* psz, CString& strError)
{
    if (strcasecmp(psz, "pdf") != 0 && strcasecmp(psz, "png") != 0) {
        strError = "the format must be pdf or png, not " + Quoted(psz);
        return FALSE;
    }
    m_bFormat = TRUE;
    m_bPdf = strcasecmp(psz, "pdf") == 0;
    return TRUE;
}

BOOL CRenderOptions::ParsePaper(const char* psz, CString& strError)
{
    const char* const names[] = {"a4", "letter", "a3"};
    for (int i = 0; i < 3; ++i) {
        if (strcasecmp(psz, names[i]) == 0) {
            m_bPaper = TRUE;
            m_nPaper = static_cast<CPdfWriter::Paper>(i);
            return TRUE;
        }
    }
    strError = "the paper must be a4, letter or a3, not " + Quoted(psz);
    return FALSE;
}

// The format from the name when none is given; then what each format has no use for.
BOOL CRenderOptions::CheckFormat(CString& strError)
{
    const int nLength = m_strOutput.GetLength();
    if (m_strOutput == "-" && !m_bFormat) {
        strError = "standard output needs --format pdf or --format png";
        return FALSE;
    }
    if (!m_bFormat) {
        m_bPdf = nLength >= 4 && strcasecmp(static_cast<LPCTSTR>(m_strOutput) + nLength - 4, ".pdf") == 0;
    }
    if (m_bPdf && m_bScale) {
        strError = "--scale is for a PNG; a PDF has no pixels to scale";
        return FALSE;
    }
    if (!m_bPdf && m_bPaper) {
        strError = "--paper is for a PDF; a PNG has no paper";
        return FALSE;
    }
    return TRUE;
}

// The file's size, not the calendar's, is what the limit is for.
BOOL CRenderOptions::CheckPictureSize(CString& strError) const
{
    const int cx = AfxScaleToDevice(m_nScale, m_nWidth);
    const int cy = AfxScaleToDevice(m_nScale, m_nHeight);
    if (cx > kMaxSide || cy > kMaxSide) {
        strError.Format("the picture would be %dx%d pixels, more than %dx%d", cx, cy, kMaxSide, kMaxSide);
        return FALSE;
    }
    return TRUE;
}
