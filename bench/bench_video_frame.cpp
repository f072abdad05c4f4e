// One 1920 x 1080 I420 picture on its way to the screen: written into the
// YUV surface by the converter and blitted through the overlay surface into
// the window's picture (the renderer's path), and the software path's
// conversion to 32-bit RGB alone. The time printed is per frame.

#include "bench/BenchSupport.h"
#include "ui/video/DDrawRender.h"
#include "ui/video/KWFrameConvert.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::vector<BYTE> TestPicture()
{
    std::vector<BYTE> data(static_cast<std::size_t>(kWidth * kHeight * 3 / 2));
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<BYTE>(i * 7);
    }
    return data;
}

void BM_RenderI420_1080p(benchmark::State& state)
{
    QWidget window;
    window.setGeometry(0, 0, 960, 540);
    window.show();
    CDDrawRender render;
    if (render.Init(static_cast<QWidget*>(&window)) != 0) {
        state.SkipWithError("renderer did not start");
        return;
    }
    std::vector<BYTE> picture = TestPicture();
    RECT source = {0, 0, kWidth, kHeight};
    for (auto _ : state) {
        benchmark::DoNotOptimize(render.RenderI420(picture.data(), kWidth, kHeight, &source, 0, &window, 0));
    }
}

void BM_ConvertI420ToRGB32_1080p(benchmark::State& state)
{
    std::vector<BYTE> picture = TestPicture();
    std::vector<BYTE> rgb(static_cast<std::size_t>(kWidth * kHeight * 4));
    const BYTE* y = picture.data();
    for (auto _ : state) {
        yv12_to_rgb32_c_q(rgb.data(), kWidth, y, y + kWidth * kHeight, y + kWidth * kHeight * 5 / 4, kWidth, kWidth / 2, kWidth, kHeight);
        benchmark::ClobberMemory();
    }
}

void BM_ConvertI420ToUYVY_1080p(benchmark::State& state)
{
    std::vector<BYTE> picture = TestPicture();
    std::vector<BYTE> surface(static_cast<std::size_t>(kWidth * 2 * kHeight));
    BYTE* y = picture.data();
    for (auto _ : state) {
        I420ToUYVY(y, y + kWidth * kHeight, y + kWidth * kHeight * 5 / 4, surface.data(), kWidth * 2, kWidth, kHeight);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_RenderI420_1080p)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertI420ToRGB32_1080p)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertI420ToUYVY_1080p)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenUnlessAsked();
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
