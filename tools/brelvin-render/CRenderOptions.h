// The command line of brelvin-render:
//   brelvin-render [--year YEAR] [--select YYYY-MM-DD] [--size WIDTHxHEIGHT]
//                  [--format pdf|png] [--scale F] [--paper a4|letter|a3] OUTPUT
//   brelvin-render --help | --version
// Options are read in order; --help or --version ends the reading. OUTPUT "-" is standard
// output.
#pragma once

#include "platform/core/AfxScale.h"
#include "platform/core/CString.h"
#include "platform/core/WinDef.h"
#include "tools/brelvin-render/CPdfWriter.h"

class CRenderOptions {
public:
    static constexpr int kDefaultWidth = 628;   // the running program's calendar
    static constexpr int kDefaultHeight = 499;
    static constexpr int kMaxSide = 8192;       // a 64-megapixel picture at most, also at a scale
    static constexpr int kFirstYear = 1584;     // the calendar never shows an earlier year
    static constexpr int kLastYear = 999999;    // keeps the date arithmetic in range

    // FALSE with a one-line reason in strError when the command line is refused.
    BOOL Parse(int argc, const char* const* argv, CString& strError);
    // The usage, the options and the exit codes, for --help.
    static LPCTSTR GetHelpText();

    BOOL m_bHelp = FALSE;
    BOOL m_bVersion = FALSE;
    BOOL m_bYear = FALSE;
    int m_nYear = 0;
    BOOL m_bSelect = FALSE;
    int m_nSelYear = 0;
    int m_nSelMonth = 0;  // 1..12
    int m_nSelDay = 0;
    int m_nWidth = kDefaultWidth;
    int m_nHeight = kDefaultHeight;
    int m_nScale = AFX_SCALE_ONE;  // quarters: the screen's factor that the picture is for
    BOOL m_bPdf = FALSE;           // from --format, else from the output's name
    CPdfWriter::Paper m_nPaper = CPdfWriter::paperA4;
    CString m_strOutput;

private:
    BOOL ParseYear(const char* psz, CString& strError);
    BOOL ParseDate(const char* psz, CString& strError);
    BOOL ParseSize(const char* psz, CString& strError);
    BOOL ParseScale(const char* psz, CString& strError);
    BOOL ParseFormat(const char* psz, CString& strError);
    BOOL ParsePaper(const char* psz, CString& strError);
    BOOL CheckFormat(CString& strError);
    BOOL CheckPictureSize(CString& strError) const;

    BOOL m_bFormat = FALSE;  // the options given, for the rules between them
    BOOL m_bScale = FALSE;
    BOOL m_bPaper = FALSE;
};
