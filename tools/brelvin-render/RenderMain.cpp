#include "tools/brelvin-render/RenderMain.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/core/AfxVersionInfo.h"
#include "tools/brelvin-render/CCalendarPicture.h"
#include "tools/brelvin-render/CPdfWriter.h"
#include "tools/brelvin-render/CPngWriter.h"
#include "tools/brelvin-render/CRenderOptions.h"

namespace {

const int kExitUnwritable = 1;
const int kExitRefused = 2;

int Fail(int nCode, const CString& strMessage)
{
    std::fprintf(stderr, "brelvin-render: %s\n", static_cast<LPCTSTR>(strMessage));
    return nCode;
}

int Refuse(const CString& strReason) { return Fail(kExitRefused, strReason + "; try 'brelvin-render --help'"); }

// --help and --version; a standard output that cannot take the text is a failure.
int PrintInfo(const CRenderOptions& options)
{
    if (options.m_bHelp) {
        std::fputs(CRenderOptions::GetHelpText(), stdout);
    } else {
        std::printf("brelvin-render %s\n", static_cast<LPCTSTR>(AfxGetFileVersionText()));
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        return Fail(kExitUnwritable, CString("cannot write to standard output: ") + std::strerror(errno));
    }
    return 0;
}

}  // namespace

int RenderMain(int argc, const char* const* argv)
{
    CRenderOptions options;
    CString strError;
    if (!options.Parse(argc, argv, strError)) {
        return Refuse(strError);
    }
    if (options.m_bHelp || options.m_bVersion) {
        return PrintInfo(options);
    }
    // A PDF is drawn once, at the end, on its page: the steps before it need no pixels.
    CCalendarPicture picture(options.m_nWidth, options.m_nHeight, options.m_nScale, !options.m_bPdf);
    if (options.m_bYear) {
        picture.ChangeYear(options.m_nYear);
    }
    if (options.m_bSelect &&
        picture.ClickDay(options.m_nSelYear, options.m_nSelMonth, options.m_nSelDay) == nullptr) {
        strError.Format("%04d-%02d-%02d is not shown in the picture", options.m_nSelYear, options.m_nSelMonth,
                        options.m_nSelDay);
        return Refuse(strError);
    }
    const BOOL bWritten =
        options.m_bPdf ? CPdfWriter::Write(options.m_strOutput, picture, options.m_nPaper, strError)
                       : CPngWriter::Write(options.m_strOutput, picture.GetPixels(), picture.Width(), picture.Height(),
                                           strError);
    return bWritten ? 0 : Fail(kExitUnwritable, strError);
}
