#include "ui/video/KWQTVideoWindowSubWnd.h"

#include "tests/video/VideoListener.h"
#include "ui/qt/KWControlKit.h"
#include "ui/video/KWQTVideoWindow.h"
#include "ui/video/KWQTVideoWindowPlayWnd.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QTest>

#include <memory>

namespace {

class VideoSubWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<CKWQTVideoWindow>(VIDEOWINDOW_MODE_VIDEO, &listener, 1, 1);
        window->Create(L"", RECT {0, 0, 400, 300}, nullptr, 1);
        window->show();
        QCoreApplication::processEvents();
        sub = window->GetSubWnds().at(0);
    }

    VideoListener listener;
    std::unique_ptr<CKWQTVideoWindow> window;
    CKWQTVideoWindowSubWnd* sub = nullptr;
};

} // namespace

TEST_F(VideoSubWndTest, CreateStandsOneInsideAndFramesThePlayWindow)
{
    QWidget parent;
    CKWQTVideoWindowSubWnd own;
    ASSERT_EQ(own.Create(L"", RECT {0, 0, 399, 299}, &parent, 3, 4, 3), 1);
    EXPECT_EQ(own.geometry(), QRect(QPoint(1, 1), QPoint(398, 298)));
    EXPECT_EQ(own.GetId(), 3);
    ASSERT_NE(own.GetPlayWnd(), nullptr);
    EXPECT_EQ(own.GetPlayWnd()->windowTitle(), QStringLiteral("VideoWindow_PlayWnd"));
    QResizeEvent resize(own.size(), QSize());
    QCoreApplication::sendEvent(&own, &resize);
    // The base (3, 3)-(395, 295) letterboxed to 4:3.
    const RECT fitted = own.GetPlayWnd()->GetFittedGeometry();
    EXPECT_EQ(fitted.left, 4);
    EXPECT_EQ(fitted.top, 3);
    EXPECT_EQ(fitted.right, 394);
    EXPECT_EQ(fitted.bottom, 295);
}

TEST_F(VideoSubWndTest, RgbBuffersAreKeptWithinTwiceTheirSize)
{
    BYTE* first = sub->GetRGBBuffer(120, 100);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(sub->GetRGBBuffer(100, 100), first);
    EXPECT_EQ(sub->GetRGBBufferSize(), 100u * 100u * 4u);
    BYTE* larger = sub->GetRGBBuffer(300, 300);
    ASSERT_NE(larger, nullptr);
    EXPECT_EQ(sub->GetRGBBufferSize(), 300u * 300u * 4u);
    EXPECT_EQ(larger[300 * 300 * 4 - 1], 0) << "zero-filled";
    EXPECT_EQ(sub->GetSecondRGBBuffer(0, 10), nullptr);
    EXPECT_NE(sub->GetSecondRGBBuffer(10, 10), nullptr);

    sub->SetVideo(1);
    EXPECT_EQ(sub->GetPlayWnd()->HasVideo(), 1);
    sub->SetVideo(0);
    EXPECT_EQ(sub->GetRGBBufferSize(), 0u);
    EXPECT_EQ(sub->GetSecondRGBBufferSize(), 0u);
}

TEST_F(VideoSubWndTest, OpacityOutsideZeroToOneIsIgnored)
{
    const struct {
        double value;
        double kept;
    } rows[] = {{-0.5, 1.0}, {1.5, 1.0}, {0.0, 0.0}, {0.5, 0.5}, {1.0, 1.0}};
    for (const auto& row : rows) {
        sub->SetOpacity(1.0);
        sub->SetOpacity(row.value);
        EXPECT_DOUBLE_EQ(sub->GetOpacity(), row.kept) << row.value;
        EXPECT_DOUBLE_EQ(sub->GetPlayWnd()->GetOpacity(), row.kept) << row.value;
    }
}

TEST_F(VideoSubWndTest, GeometryAnimationsQueueAndReportTheirEnd)
{
    window->EnableSubWinAnimation(0);
    EXPECT_EQ(sub->LaunchSubWinGeometryChangeAni(QRect(10, 10, 100, 80)), nullptr);
    EXPECT_EQ(sub->geometry(), QRect(10, 10, 100, 80)) << "at once without animation";
    QCoreApplication::processEvents();
    EXPECT_EQ(listener.Count("AnimationFinished"), 0);

    window->EnableSubWinAnimation(1);
    QPropertyAnimation* running = sub->LaunchSubWinGeometryChangeAni(QRect(20, 20, 100, 80), QRect(QPoint(0, 0), QPoint(-1, -1)), 60);
    ASSERT_NE(running, nullptr);
    EXPECT_TRUE(sub->IsAnimating());
    EXPECT_EQ(sub->LaunchSubWinGeometryChangeAni(QRect(40, 40, 120, 90), QRect(QPoint(0, 0), QPoint(-1, -1)), 60), nullptr)
        << "retried once the running one has ended";
    ASSERT_TRUE(QTest::qWaitFor([this] { return sub->geometry() == QRect(40, 40, 120, 90) && !sub->IsAnimating(); }, 3000));
    QTest::qWait(20);
    EXPECT_EQ(listener.Count("AnimationFinished"), 2);
    EXPECT_EQ(listener.ArgsOf("AnimationFinished")[0], (std::vector<double> {0}));
}

TEST_F(VideoSubWndTest, MouseReportsCarryIndexAndId)
{
    KWSendWheel(sub, -120, QPointF(20, 20));
    ASSERT_EQ(listener.Count("Wheel"), 1);
    EXPECT_EQ(listener.ArgsOf("Wheel")[0], (std::vector<double> {0, 0, -120}));
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 30), QPointF(sub->mapToGlobal(QPoint(30, 30))), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(sub, &move);
    ASSERT_EQ(listener.Count("Move"), 1);
    EXPECT_EQ(listener.ArgsOf("Move")[0][1], 0) << "the id";
    sub->hide();
    KWSendWheel(sub, 120, QPointF(20, 20));
    EXPECT_EQ(listener.Count("Wheel"), 1) << "a hidden sub-window has no index";
}

TEST_F(VideoSubWndTest, TheCurrentSubWindowWearsTheFocusFrame)
{
    window->SetSubWinVideoByIndex(0, 1);
    EXPECT_EQ(KWPixelAt(sub, 1, 1), window->GetColor(6));
    EXPECT_EQ(KWPixelAt(sub, 4, sub->height() / 2), QColor(0, 0, 0)) << "black behind a shown video";
}
