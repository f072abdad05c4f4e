// One full update of the IPC tool, as the user makes it: a spin-box change
// reaches the panel, the side view redraws and reports back, the angles and
// the pixel density are computed and the display shows the result. The time
// printed is per update, painting included.
//
// KW_BENCH_ITERATIONS=N runs each case exactly N times instead of for a
// minimum time: instruction counts of two such runs (say under callgrind, N
// and a larger M) then differ by exactly M - N updates of the same sequence.

#include "app/MainFrameEventImp.h"
#include "app/calc/IPCCalc.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "base/Globals.h"
#include "bench/BenchSupport.h"
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

// The focal slider is shown for a varifocal lens only: the first model has
// a fixed one, so the first varifocal model of the list is chosen.
bool SelectVarifocalModel(CParameterSettingEventImp& panel)
{
    const int count = panel.GetModelCombo()->GetCount();
    for (int index = 0; index < count; ++index) {
        panel.SelectChanged(kIdModelCombo, index);
        if (std::atoi(panel.GetModel().FLtype.c_str()) == kFocalTypeVarifocal) {
            QCoreApplication::processEvents();
            return true;
        }
    }
    return false;
}

void BM_FocalSliderMove(benchmark::State& state)
{
    const boost::shared_ptr<CMainFrameEventImp> frame = IPCTool();
    const boost::shared_ptr<CParameterSettingEventImp> panel = frame->GetParameterSetting();
    if (!SelectVarifocalModel(*panel)) {
        state.SkipWithError("no varifocal model");
        return;
    }
    int pos = 280;
    for (auto _ : state) {
        pos = pos >= 1200 ? 280 : pos + 1;
        panel->KW_OnSliderPos(kIdFocalSlider, pos);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}

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

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenUnlessAsked();
    QApplication app(argc, argv);
    InitKWApplication(&app);
    UseProgramLookAt1x();
    RegisterCases({ { "BM_InstallHeightChange", BM_InstallHeightChange },
        { "BM_FocalSliderMove", BM_FocalSliderMove }, { "BM_ModelChange", BM_ModelChange } });
    return RunBenchmarks(argc, argv);
}
