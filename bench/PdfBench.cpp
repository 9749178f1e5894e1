// A year's PDF as brelvin-render makes it: the calendar's paint on an A4 printer page
// through CMemDC's pass-through, then the page finished (font subsets embedded, content
// compressed), all written into memory, so that the disk's speed is not measured.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/gdi/CDC.h"
#include "platform/gdi/pdf/AfxPdfDevice.h"
#include "tools/brelvin-render/CCalendarPicture.h"

namespace {

BOOL AppendTo(void* pContext, const unsigned char* pData, unsigned int nLength)
{
    static_cast<std::string*>(pContext)->append(reinterpret_cast<const char*>(pData), nLength);
    return TRUE;
}

void YearPdf(benchmark::State& state)
{
    CCalendarPicture picture(628, 499, AFX_SCALE_ONE, FALSE);
    picture.ChangeYear(2027);
    const double kMm = 72 / 25.4;
    const AFX_PDF_PAGE page = {297 * kMm, 210 * kMm, 10 * kMm, 628, 499, "Brelvin 2027", "brelvin-render"};
    size_t nBytes = 0;
    for (auto _ : state) {
        std::string strPdf;
        AfxPdfDevice device(page, AppendTo, &strPdf);
        CDC dc;
        dc.Attach(device.CreateDC());
        picture.Print(&dc);
        dc.DeleteDC();
        CString strError;
        if (!device.Finish(strError)) {
            state.SkipWithError(strError);
            break;
        }
        nBytes = strPdf.size();
    }
    state.counters["bytes"] = static_cast<double>(nBytes);
}
BENCHMARK(YearPdf)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
