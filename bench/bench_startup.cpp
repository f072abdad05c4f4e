// Time from creating the main frame to its first shown window: every child,
// control and skin picture of the first screen, as start-up makes them; and
// the resident memory of the process once the first window is shown, at the
// scale the benchmark runs in (1x).

#include "app/MainFrameEventImp.h"
#include "app/StartupScale.h"
#include "base/Globals.h"
#include "bench/BenchSupport.h"
#include "ui/qt/KWQtSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <string>

namespace {

double g_residentAfterStart = 0.0;

// The first main frame of the process, as the program starts: measured
// before any benchmark has run, so that nothing else has grown the heap.
void MeasureResidentAfterStart()
{
    boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
    QCoreApplication::processEvents();
    g_residentAfterStart = ResidentMegabytes();
}

} // namespace

static void BM_MainFrameToFirstShownWindow(benchmark::State& state)
{
    for (auto _ : state) {
        boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(frame.get());
        state.PauseTiming();
        frame.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["resident_MB_after_start"] = g_residentAfterStart;
}
BENCHMARK(BM_MainFrameToFirstShownWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    UseOffscreenUnlessAsked();
    QApplication app(argc, argv);
    InitKWApplication(&app);
    UseProgramLookAt1x();
    MeasureResidentAfterStart();
    return RunBenchmarks(argc, argv);
}
