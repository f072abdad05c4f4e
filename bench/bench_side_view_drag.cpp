// One drag step of the side view's handles: the mouse move the handle gets,
// the conversion into the model, the redraw and the reports to a listener.
// A drag must keep up with the pointer, so a step has to stay far below a
// 60 Hz frame (16.7 ms). The cases with paint also paint the scene, as the
// screen would after the step; the 4K one draws the view at twice the size,
// with pictures twice as large, at the 4K scale.

#include "bench/BenchSupport.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/scenes/KWQTVSliderItem.h"
#include "ui/scenes/KWQTVerticalSceneC.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>

#include <memory>

namespace {

// Takes the reports as the calculator's controller would, without passing
// them on.
struct Sink : IKWVerticalSceneCEvent {
    void OnBlindDistanceChanged(double b, double l) override { sum += b + l; }
    void OnInstallChanged(double a, double h) override { sum += a + h; }
    void OnTarHDistanceChanged(double d) override { sum += d; }
    void OnTargetViewHeightsChanged(double t, double b) override { sum += t + b; }
    void OnTargetHeightChanged(double h) override { sum += h; }
    double sum = 0.0;
};

struct Bench {
    explicit Bench(int scale)
        : times(scale)
    {
        const auto picture = [this, scale](const char* name, int w, int h) {
            QPixmap pixmap(w * scale, h * scale);
            pixmap.fill(Qt::gray);
            pixmap.save(skinDir.path() + QLatin1Char('/') + QLatin1String(name), "PNG");
        };
        for (const char* name : { "move_shangxia_nor.PNG", "move_shangxia_hov.PNG", "move_shangxia_pre.PNG",
                 "move_zuoyou_nor.PNG", "move_zuoyou_hov.PNG", "move_zuoyou_pre.PNG" }) {
            picture(name, 26, 26);
        }
        picture("besidepeople_nor.PNG", 104, 254);
        picture("besidevideodown_nor.png", 20, 34);
        SetSkinPath((skinDir.path() + QLatin1Char('/')).toStdWString());

        view = std::make_unique<CKWQTVerticalSceneC>(&sink);
        view->Create(L"", WS_VISIBLE, RECT { 0, 0, 691 * scale, 303 * scale }, nullptr, 0);
        view->SetRectTimes(scale);
        ImageVericalStyle style;
        style.strVDragNormal = L"move_shangxia_nor.PNG";
        style.strVDragHover = L"move_shangxia_hov.PNG";
        style.strVDragPressed = L"move_shangxia_pre.PNG";
        style.strHDragNormal = L"move_zuoyou_nor.PNG";
        style.strHDragHover = L"move_zuoyou_hov.PNG";
        style.strHDragPressed = L"move_zuoyou_pre.PNG";
        style.strPerson = L"besidepeople_nor.PNG";
        style.strCameraImage = L"besidevideodown_nor.png";
        view->SetSkin(&style);
        view->ChangeXYLangage(L"Height", L"Length");
        view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    }

    CKWQTVSliderItem* Handle(int id) const
    {
        for (QGraphicsItem* item : view->GetScene()->items()) {
            auto* handle = dynamic_cast<CKWQTVSliderItem*>(item);
            if (handle != nullptr && handle->GetSliderId() == id) {
                return handle;
            }
        }
        return nullptr;
    }

    // One mouse move delivered to the handle, as the scene delivers it to
    // the item that grabbed the mouse.
    void Step(CKWQTVSliderItem* handle, const QPointF& at)
    {
        QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
        move.setScenePos(at);
        move.setPos(at);
        move.setButtons(Qt::LeftButton);
        view->GetScene()->sendEvent(handle, &move);
    }

    double times;
    QTemporaryDir skinDir;
    Sink sink;
    std::unique_ptr<CKWQTVerticalSceneC> view;
};

Bench* g_bench = nullptr;
Bench* g_bench4K = nullptr;

// Alternates between two positions a few pixels apart (at scale 1), so that
// every step changes the values and their labels.
void DragStepsOn(Bench* bench, benchmark::State& state, int id, QPointF a, QPointF b, bool paint)
{
    CKWQTVSliderItem* handle = bench->Handle(id);
    QImage frame(bench->view->size(), QImage::Format_ARGB32_Premultiplied);
    a *= bench->times;
    b *= bench->times;
    bool flip = false;
    for (auto _ : state) {
        bench->Step(handle, flip ? a : b);
        flip = !flip;
        if (paint) {
            QPainter painter(&frame);
            bench->view->GetScene()->render(&painter);
        }
    }
    benchmark::DoNotOptimize(bench->sink.sum);
    state.SetLabel("time per drag step");
}

void DragSteps(benchmark::State& state, int id, QPointF a, QPointF b, bool paint)
{
    DragStepsOn(g_bench, state, id, a, b, paint);
}

void BM_CameraHeightStep(benchmark::State& state)
{
    DragSteps(state, 1, { 28, 120 }, { 28, 140 }, false);
}
void BM_BlindDistanceStep(benchmark::State& state)
{
    DragSteps(state, 2, { 120, 274 }, { 140, 274 }, false);
}
void BM_TargetDistanceStep(benchmark::State& state)
{
    DragSteps(state, 3, { 300, 274 }, { 320, 274 }, false);
}
void BM_TargetHeightStep(benchmark::State& state)
{
    DragSteps(state, 4, { 314, 220 }, { 314, 200 }, false);
}
void BM_CameraHeightStepWithPaint(benchmark::State& state)
{
    DragSteps(state, 1, { 28, 120 }, { 28, 140 }, true);
}

void BM_CameraHeightStepWithPaint4K(benchmark::State& state)
{
    DragStepsOn(g_bench4K, state, 1, { 28, 120 }, { 28, 140 }, true);
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenUnlessAsked();
    QApplication app(argc, argv);
    InitKWApplication(&app);
    benchmark::Initialize(&argc, argv);
    RegisterCases({ { "BM_CameraHeightStep", BM_CameraHeightStep },
        { "BM_BlindDistanceStep", BM_BlindDistanceStep }, { "BM_TargetDistanceStep", BM_TargetDistanceStep },
        { "BM_TargetHeightStep", BM_TargetHeightStep },
        { "BM_CameraHeightStepWithPaint", BM_CameraHeightStepWithPaint },
        { "BM_CameraHeightStepWithPaint4K", BM_CameraHeightStepWithPaint4K } });
    Bench bench(1);
    Bench bench4K(2);
    g_bench = &bench;
    g_bench4K = &bench4K;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_bench = nullptr;
    g_bench4K = nullptr;
    return 0;
}
