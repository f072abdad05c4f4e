#include "ui/video/DDrawRender.h"

#include "ui/video/KWDDrawDevice.h"
#include "ui/video/KWDDrawSurface.h"
#include "ui/video/KWDDrawWindow.h"
#include "ui/video/KWFrameConvert.h"
#include "ui/video/KWVideoRenderCallback.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include <functional>
#include <vector>

namespace {

// An I420 frame of one colour; with split, the right half has the second.
struct Frame {
    Frame(int w, int h, BYTE y, BYTE u, BYTE v)
        : width(w)
        , height(h)
        , data(static_cast<std::size_t>(w * h * 3 / 2))
    {
        std::fill(data.begin(), data.begin() + w * h, y);
        std::fill(data.begin() + w * h, data.begin() + w * h * 5 / 4, u);
        std::fill(data.begin() + w * h * 5 / 4, data.end(), v);
    }
    void PaintRightHalf(BYTE y, BYTE u, BYTE v)
    {
        for (int r = 0; r < height; ++r) {
            std::fill(data.begin() + r * width + width / 2, data.begin() + (r + 1) * width, y);
        }
        for (int r = 0; r < height / 2; ++r) {
            BYTE* uRow = data.data() + width * height + r * (width / 2);
            BYTE* vRow = data.data() + width * height * 5 / 4 + r * (width / 2);
            std::fill(uRow + width / 4, uRow + width / 2, u);
            std::fill(vRow + width / 4, vRow + width / 2, v);
        }
    }
    RENDER_VIDEOINFO Info() { return {data.data(), width, height, 0}; }
    int width, height;
    std::vector<BYTE> data;
};

constexpr QRgb kRed = qRgb(254, 0, 0);

class Recorder : public IKWVideoRenderCallback {
public:
    void OnDrawOSD(int reserved, HDC dc) override
    {
        ++osdCalls;
        lastReserved = reserved;
        if (onOSD) {
            onOSD(static_cast<QPainter*>(dc));
        }
    }
    void OnDrawSubOSD(const RECT* rect, HDC dc) override
    {
        ++subCalls;
        subRect = *rect;
        EXPECT_NE(dc, nullptr);
    }
    int osdCalls = 0;
    int subCalls = 0;
    int lastReserved = -1;
    RECT subRect = {0, 0, 0, 0};
    std::function<void(QPainter*)> onOSD;
};

class DDrawRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CKWDDrawDevice::ResetDriver();
        window.setGeometry(20, 20, 160, 120);
        window.show();
        ASSERT_EQ(render.Init(Handle()), 0);
    }
    void TearDown() override { CKWDDrawDevice::ResetDriver(); }
    HWND Handle() { return static_cast<QWidget*>(&window); }
    int Show(Frame& frame, RECT* source = nullptr)
    {
        RECT whole = {0, 0, frame.width, frame.height};
        return render.RenderI420(frame.data.data(), frame.width, frame.height, source ? source : &whole, 0, Handle(), 0);
    }
    QRgb Presented(int x, int y) { return render.GetPresentedImage().pixel(x, y); }

    QWidget window;
    CDDrawRender render;
};

} // namespace

TEST_F(DDrawRenderTest, FirstFrameMakesTheFirstAcceptedFormatAndReachesTheWindow)
{
    const struct {
        std::vector<DWORD> accepted;
        KW_COLOR_CONVERT convert;
        DWORD fourCC;
    } rows[] = {
        {{FOURCC_UYVY, FOURCC_YUY2, FOURCC_YV12}, I420ToUYVY, FOURCC_UYVY},
        {{FOURCC_YV12, FOURCC_YUY2}, I420ToYUY2, FOURCC_YUY2},
        {{FOURCC_YV12}, I420ToYV12, FOURCC_YV12},
    };
    for (const auto& row : rows) {
        CKWDDrawDevice::SetAcceptedFourCCs(row.accepted);
        CDDrawRender fresh;
        ASSERT_EQ(fresh.Init(Handle()), 0);
        Frame red(64, 48, 81, 90, 240);
        RECT whole = {0, 0, 64, 48};
        ASSERT_EQ(fresh.RenderI420(red.data.data(), 64, 48, &whole, 0, Handle(), 0), 1) << row.fourCC;
        EXPECT_EQ(fresh.GetColorConvert(), row.convert);
        ASSERT_NE(fresh.GetVideoSurface(), nullptr);
        EXPECT_EQ(fresh.GetVideoSurface()->FourCC(), row.fourCC);
        ASSERT_NE(fresh.GetOSDSurface(), nullptr);
        EXPECT_EQ(fresh.GetOSDSurface()->Width(), 160) << "overlay surface at the window's client size";
        const QImage shown = fresh.GetPresentedImage();
        ASSERT_EQ(shown.size(), QSize(160, 120));
        EXPECT_EQ(shown.pixel(80, 60), kRed) << row.fourCC;
    }
}

TEST_F(DDrawRenderTest, ADriverWithoutYuvFailsEveryFrame)
{
    CKWDDrawDevice::SetAcceptedFourCCs({});
    Frame frame(32, 32, 81, 90, 240);
    EXPECT_EQ(Show(frame), 0);
    EXPECT_EQ(render.GetVideoSurface(), nullptr);
    CKWDDrawSurface* surface = nullptr;
    KW_COLOR_CONVERT convert = nullptr;
    EXPECT_FALSE(render.CreateOffScreenSurface(surface, convert, 32, 32));
}

TEST_F(DDrawRenderTest, ANewFrameSizeMakesBothSurfacesAnew)
{
    Frame small(32, 24, 16, 128, 128);
    ASSERT_EQ(Show(small), 1);
    EXPECT_EQ(render.GetVideoSurface()->Width(), 32);
    Frame large(96, 64, 16, 128, 128);
    ASSERT_EQ(Show(large), 1);
    EXPECT_EQ(render.GetVideoSurface()->Width(), 96);
    EXPECT_EQ(render.GetVideoSurface()->Height(), 64);

    window.resize(100, 80);
    ASSERT_EQ(Show(large), 1);
    EXPECT_EQ(render.GetOSDSurface()->Width(), 100) << "the window's new client size";
    EXPECT_EQ(render.GetPresentedImage().size(), QSize(100, 80));
}

TEST_F(DDrawRenderTest, TheSourceRectangleReachesTheBlit)
{
    Frame frame(64, 48, 81, 90, 240);
    frame.PaintRightHalf(41, 240, 110); // blue
    RECT leftHalf = {0, 0, 32, 48};
    ASSERT_EQ(Show(frame, &leftHalf), 1);
    EXPECT_EQ(Presented(5, 60), kRed);
    EXPECT_EQ(Presented(155, 60), kRed) << "only the left half is stretched over the window";
    RECT whole = {0, 0, 64, 48};
    ASSERT_EQ(Show(frame, &whole), 1);
    EXPECT_NE(Presented(155, 60), kRed);
}

TEST_F(DDrawRenderTest, OverlaysAreDrawnOnlyThroughTheCallback)
{
    Frame frame(64, 48, 81, 90, 240);
    ASSERT_EQ(Show(frame), 1);
    EXPECT_EQ(Presented(0, 0), kRed);

    Recorder recorder;
    recorder.onOSD = [](QPainter* painter) { painter->fillRect(0, 0, 10, 10, Qt::green); };
    render.SetOSDCallback(0, &recorder);
    ASSERT_EQ(Show(frame), 1);
    EXPECT_EQ(recorder.osdCalls, 1);
    EXPECT_EQ(recorder.lastReserved, 0);
    EXPECT_EQ(Presented(2, 2), qRgb(0, 255, 0));
    EXPECT_EQ(Presented(50, 50), kRed);

    render.SetOSDCallback(0, nullptr);
    ASSERT_EQ(Show(frame), 1);
    EXPECT_EQ(recorder.osdCalls, 1);
    EXPECT_EQ(Presented(2, 2), kRed);
}

TEST_F(DDrawRenderTest, SecondaryPictureGoesIntoItsRectangle)
{
    Recorder recorder;
    render.SetOSDCallback(0, &recorder);
    Frame main(64, 48, 81, 90, 240);
    Frame empty(16, 16, 235, 128, 128);
    RENDER_VIDEOINFO mainInfo = main.Info();
    RENDER_VIDEOINFO nothing = {nullptr, 16, 16, 0};
    RECT source = {0, 0, 64, 48};
    RECT target = {40, 40, 80, 80};
    ASSERT_EQ(render.RenderFE(&mainInfo, &source, 0, Handle(), 0, &nothing, &target), 1);
    EXPECT_EQ(render.GetSecondVideoSurface(), nullptr) << "null data: no secondary picture";
    EXPECT_EQ(recorder.subCalls, 0);

    RENDER_VIDEOINFO secondInfo = empty.Info();
    ASSERT_EQ(render.RenderFE(&mainInfo, &source, 0, Handle(), 0, &secondInfo, &target), 1);
    ASSERT_NE(render.GetSecondVideoSurface(), nullptr);
    EXPECT_EQ(render.GetSecondVideoSurface()->Width(), 16);
    EXPECT_EQ(recorder.subCalls, 1);
    EXPECT_EQ(recorder.subRect.left, 40);
    EXPECT_EQ(Presented(60, 60), qRgb(254, 254, 254));
    EXPECT_EQ(Presented(10, 10), kRed);

    CKWDDrawSurface::LoseAllSurfaces();
    ASSERT_EQ(render.RenderFE(&mainInfo, &source, 0, Handle(), 0, &secondInfo, &target), 1) << "every lost surface is restored";
    EXPECT_EQ(Presented(60, 60), qRgb(254, 254, 254));
    EXPECT_EQ(recorder.subCalls, 2);
}

TEST_F(DDrawRenderTest, LostSurfacesAreRestoredAndAScreenChangeMakesANewPrimary)
{
    Frame frame(32, 32, 81, 90, 240);
    ASSERT_EQ(Show(frame), 1);
    CKWDDrawSurface::LoseAllSurfaces();
    EXPECT_EQ(Show(frame), 1) << "a lost lock is restored and retried";

    // The display mode changes while the frame is being drawn.
    Recorder recorder;
    recorder.onOSD = [](QPainter*) {
        KwSetScreenSizeOverride(1024, 768);
        CKWDDrawSurface::LoseAllSurfaces();
    };
    render.SetOSDCallback(0, &recorder);
    CKWDDrawSurface* oldPrimary = render.GetPrimarySurface();
    EXPECT_EQ(Show(frame), 0);
    EXPECT_EQ(render.GetPrimarySurface()->Width(), 1024);
    EXPECT_NE(oldPrimary, nullptr);
    recorder.onOSD = nullptr;
    EXPECT_EQ(Show(frame), 1) << "the following frames appear";
    EXPECT_EQ(Presented(80, 60), kRed);
}

TEST_F(DDrawRenderTest, PlanesAndRefreshReportZeroWhenShown)
{
    Frame frame(32, 32, 81, 90, 240);
    BYTE* y = frame.data.data();
    EXPECT_EQ(render.RenderPlanes(y, y + 1024, y + 1280, 32, 32), 0);
    EXPECT_EQ(Presented(80, 60), kRed);
    EXPECT_EQ(render.Refresh(), 0);
    EXPECT_EQ(render.RenderPlanes(nullptr, nullptr, nullptr, 32, 32), -1);

    const int waits = CKWDDrawDevice::VerticalBlankWaits();
    render.SetVerticalSync(1);
    ASSERT_EQ(Show(frame), 1);
    EXPECT_EQ(CKWDDrawDevice::VerticalBlankWaits(), waits + 1);

    CDDrawRender unbound;
    EXPECT_EQ(unbound.RenderPlanes(y, y + 1024, y + 1280, 32, 32), -1);
    EXPECT_EQ(unbound.Refresh(), -1);
    EXPECT_EQ(unbound.RenderI420(y, 32, 32, nullptr, 0, nullptr, 0), 0);
}

TEST_F(DDrawRenderTest, ReleaseAllLetsInitStartAgain)
{
    Frame frame(32, 32, 81, 90, 240);
    ASSERT_EQ(Show(frame), 1);
    render.ReleaseAll();
    EXPECT_FALSE(render.HasDevice());
    EXPECT_EQ(Show(frame), 0);
    ASSERT_EQ(render.Init(Handle()), 0);
    EXPECT_EQ(Show(frame), 1);
    EXPECT_EQ(Presented(80, 60), kRed);

    CKWDDrawSurface* surface = nullptr;
    KW_COLOR_CONVERT convert = nullptr;
    ASSERT_TRUE(render.CreateOffScreenSurface(surface, convert, 20, 10));
    EXPECT_EQ(convert, I420ToUYVY);
    EXPECT_EQ(surface->Width(), 20);
    surface->Release();
}

TEST_F(DDrawRenderTest, AMinimisedWindowDrawsNothing)
{
    Frame frame(32, 32, 81, 90, 240);
    ASSERT_EQ(Show(frame), 1);
    window.showMinimized();
    if (!window.isMinimized()) {
        GTEST_SKIP() << "this platform plugin does not minimise windows";
    }
    EXPECT_EQ(Show(frame), 0);
    EXPECT_EQ(render.Refresh(), 0);
}
