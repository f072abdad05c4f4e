// Time from creating the main frame to its first shown window: every child,
// control and skin picture of the first screen, as start-up makes them.

#include "app/MainFrameEventImp.h"
#include "app/StartupScale.h"
#include "base/Globals.h"
#include "ui/qt/KWQtSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <string>

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
}
BENCHMARK(BM_MainFrameToFirstShownWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    InitKWApplication(&app);
    const std::wstring appDir = GetKWAppDirPath();
    LoadKWStyleSheet((appDir + L"/Lumivane_Style.css").c_str());
    SetKWSkinPath((appDir + L"/Skin/").c_str());
    g_languageIndex = 0;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
