// One full update of the IPC tool, as the user makes it: a spin-box change
// reaches the panel, the side view redraws and reports back, the angles and
// the pixel density are computed and the display shows the result. The time
// printed is per update, painting included.

#include "app/MainFrameEventImp.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "base/Globals.h"
#include "ui/qt/KWQtSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDoubleSpinBox>

#include <cstdlib>
#include <string>

namespace {

// The main window with the IPC tool chosen, as the user sees it.
boost::shared_ptr<CMainFrameEventImp> IPCTool()
{
    boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
    frame->OnIPCToolClicked();
    QCoreApplication::processEvents();
    return frame;
}

void BM_InstallHeightChange(benchmark::State& state)
{
    const boost::shared_ptr<CMainFrameEventImp> frame = IPCTool();
    QDoubleSpinBox* box = dynamic_cast<QDoubleSpinBox*>(frame->GetParameterSetting()->GetInstallHeightSpin());
    if (box == nullptr) {
        state.SkipWithError("no install-height spin box");
        return;
    }
    bool high = false;
    for (auto _ : state) {
        high = !high;
        box->setValue(high ? 7.5 : 6.5);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_InstallHeightChange)->Unit(benchmark::kMicrosecond);

void BM_FocalSliderMove(benchmark::State& state)
{
    const boost::shared_ptr<CMainFrameEventImp> frame = IPCTool();
    const boost::shared_ptr<CParameterSettingEventImp> panel = frame->GetParameterSetting();
    int pos = 280;
    for (auto _ : state) {
        pos = pos >= 1200 ? 280 : pos + 1;
        panel->KW_OnSliderPos(kIdFocalSlider, pos);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FocalSliderMove)->Unit(benchmark::kMicrosecond);

void BM_ModelChange(benchmark::State& state)
{
    const boost::shared_ptr<CMainFrameEventImp> frame = IPCTool();
    const boost::shared_ptr<CParameterSettingEventImp> panel = frame->GetParameterSetting();
    const int count = panel->GetModelCombo()->GetCount();
    int index = 0;
    for (auto _ : state) {
        index = (index + 1) % count;
        panel->SelectChanged(kIdModelCombo, index);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ModelChange)->Unit(benchmark::kMicrosecond);

} // namespace

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
