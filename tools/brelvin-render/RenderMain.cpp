#include "tools/brelvin-render/RenderMain.h"

#include <cstdio>

#include "tools/brelvin-render/CCalendarPicture.h"
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

}  // namespace

int RenderMain(int argc, const char* const* argv)
{
    CRenderOptions options;
    CString strError;
    if (!options.Parse(argc, argv, strError)) {
        return Fail(kExitRefused, strError);
    }
    CCalendarPicture picture(options.m_nWidth, options.m_nHeight);
    if (options.m_bYear) {
        picture.ChangeYear(options.m_nYear);
    }
    if (options.m_bSelect &&
        picture.ClickDay(options.m_nSelYear, options.m_nSelMonth, options.m_nSelDay) == nullptr) {
        strError.Format("%04d-%02d-%02d is not shown in the picture", options.m_nSelYear, options.m_nSelMonth,
                        options.m_nSelDay);
        return Fail(kExitRefused, strError);
    }
    if (!CPngWriter::Write(options.m_strOutput, picture.GetPixels(), picture.Width(), picture.Height(), strError)) {
        return Fail(kExitUnwritable, strError);
    }
    return 0;
}
