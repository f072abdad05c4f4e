// One update of the fisheye side view, as the panel makes it when the user
// types a distance: the drawing laid out again, its handles and labels
// arranged, on the program's own pictures at the normal look. The cases are
// the person clear of a ceiling camera, near it, and level with a wall
// camera near the wall, where the arrangement has the most to do.
//
// KW_BENCH_ITERATIONS=N runs each case exactly N times instead of for a
// minimum time: instruction counts of two such runs (say under callgrind, N
// and a larger M) then differ by exactly M - N updates of the same sequence.

#include "app/calc/ViewControllerLayout.h"
#include "bench/BenchSupport.h"
#include "ui/api/KWSideSceneFish.h"
#include "ui/qt/KWQtSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <memory>

namespace {

struct FishView {
    FishView(bool ceiling, double mount, double person)
        : view(CreateKWSideSceneFish(nullptr))
    {
        parent.resize(600, 400);
        parent.show();
        RECT rect { 0, 0, 411, 303 };
        view->Create(L"", WS_VISIBLE, rect, &parent, 0);
        view->SetRectTimes(1.0);
        ImageVericalStyle style = SideViewHandleStyle();
        style.strWallMountImage = L"ceshi_bizhuang_nor.png";
        style.strCameraImage = L"ceshi_dingzhuang_nor.png";
        view->SetImage(&style);
        view->MoveWindow(&rect);
        view->SetInstWay(ceiling);
        view->SetObjectHeight(person);
        view->SetVirtualHeight(mount);
    }

    QWidget parent;
    std::unique_ptr<CKWSideSceneFish> view;
};

// The distance typed back and forth between two values 0.1 m apart.
void DistanceSteps(benchmark::State& state, bool ceiling, double mount, double person, double distance)
{
    FishView fish(ceiling, mount, person);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        fish.view->SetObjectDistance(flip ? distance + 0.1 : distance);
    }
    state.SetLabel("time per update");
}

void BM_CeilingPersonClear(benchmark::State& state)
{
    DistanceSteps(state, true, 2.0, 1.7, 4.0);
}
void BM_CeilingPersonNear(benchmark::State& state)
{
    DistanceSteps(state, true, 2.0, 1.7, 1.0);
}
void BM_WallPersonLevelNear(benchmark::State& state)
{
    DistanceSteps(state, false, 1.0, 1.0, 0.6);
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenUnlessAsked();
    QApplication app(argc, argv);
    InitKWApplication(&app);
    UseProgramLookAt1x();
    RegisterCases({ { "BM_CeilingPersonClear", BM_CeilingPersonClear },
        { "BM_CeilingPersonNear", BM_CeilingPersonNear },
        { "BM_WallPersonLevelNear", BM_WallPersonLevelNear } });
    return RunBenchmarks(argc, argv);
}
