// The calendar window's paint as the program runs it: a CMemDC on the client surface,
// the frame fill and the year calendar's Draw, which creates and deletes its fonts and
// loads its strings every time; also on a screen with a factor of 2 (four times the
// pixels, text rendered at twice the size).
#include <benchmark/benchmark.h>

#include "tools/brelvin-render/CCalendarPicture.h"

namespace {

const int kClientWidth = 628;
const int kClientHeight = 499;

void PaintAtScale(benchmark::State& state, int nScale)
{
    CCalendarPicture picture(kClientWidth, kClientHeight, nScale);
    picture.ChangeYear(2027);
    for (auto _ : state) {
        picture.Paint();
        benchmark::DoNotOptimize(picture.GetPixels());
    }
}

void FullPaint(benchmark::State& state) { PaintAtScale(state, AFX_SCALE_ONE); }
BENCHMARK(FullPaint)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void FullPaintAt2x(benchmark::State& state) { PaintAtScale(state, 2 * AFX_SCALE_ONE); }
BENCHMARK(FullPaintAt2x)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// A "+" or "-" click: all panels and day cells rebuilt, then the paint.
void YearChangeAndPaint(benchmark::State& state)
{
    CCalendarPicture picture(kClientWidth, kClientHeight);
    int nYear = 2027;
    for (auto _ : state) {
        nYear = nYear == 2027 ? 2028 : 2027;
        picture.ChangeYear(nYear);
        benchmark::DoNotOptimize(picture.GetPixels());
    }
}
BENCHMARK(YearChangeAndPaint)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
