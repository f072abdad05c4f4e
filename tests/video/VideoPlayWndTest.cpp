#include "ui/video/KWQTVideoWindowPlayWnd.h"

#include "tests/video/VideoListener.h"
#include "ui/video/KWDDrawDevice.h"
#include "ui/video/KWQTVideoWindow.h"
#include "ui/video/KWQTVideoWindowSubWnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include <memory>
#include <string>

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& local, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Drag(QWidget* widget, const QPoint& from, const QPoint& to)
{
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void ExpectRect(const RECT& r, int l, int t, int rr, int b, const std::string& what)
{
    EXPECT_EQ(r.left, l) << what;
    EXPECT_EQ(r.top, t) << what;
    EXPECT_EQ(r.right, rr) << what;
    EXPECT_EQ(r.bottom, b) << what;
}

// One green square region, 10..50 of a 100 x 100 source, shown in the
// secondary square at the centre.
FISHEYE_VIDEO_REGION SquareRegion(int currentRegion = -1)
{
    FISHEYE_VIDEO_REGION regions;
    regions.nPlacement = 2;
    regions.nSourceWidth = 100;
    regions.nSourceHeight = 100;
    regions.nCurrentRegion = currentRegion;
    FISHEYE_REGION square;
    square.clrColor = 0x00FF00;
    square.rcBound = {10, 10, 50, 50};
    const POINT corners[] = {{10, 10}, {50, 10}, {50, 50}, {10, 50}, {10, 10}};
    for (int i = 0; i < 160; ++i) {
        square.ptOutline[i] = i < 5 ? corners[i] : POINT {0, 0};
    }
    regions.regions.push_back(square);
    return regions;
}

class VideoPlayWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CKWDDrawDevice::ResetDriver();
        window = std::make_unique<CKWQTVideoWindow>(VIDEOWINDOW_MODE_VIDEO, &listener, 1, 1);
        window->Create(L"", RECT {0, 0, 400, 300}, nullptr, 1);
        window->show();
        QCoreApplication::processEvents();
        sub = window->GetSubWnds().at(0);
        play = sub->GetPlayWnd();
        window->SetSubWinVideoByID(0, 1);
    }
    // A 64 x 48 picture on the software path.
    void ShowPicture(int w = 64, int h = 48)
    {
        rgb.assign(static_cast<std::size_t>(w * h * 4), 0x80);
        ASSERT_EQ(play->ShowImage(rgb.data(), 1, w, h), 1);
    }

    VideoListener listener;
    std::unique_ptr<CKWQTVideoWindow> window;
    CKWQTVideoWindowSubWnd* sub = nullptr;
    CKWQTVideoWindowPlayWnd* play = nullptr;
    std::vector<BYTE> rgb;
};

} // namespace

TEST_F(VideoPlayWndTest, ProportionLetterboxesTheBaseRectangle)
{
    play->SetGeometryFit(RECT {0, 0, 399, 399});
    play->SetProportion(1920, 1080);
    EXPECT_EQ(play->GetProportionWidth(), 16);
    EXPECT_EQ(play->GetProportionHeight(), 9);
    ExpectRect(play->GetFittedGeometry(), 0, 87, 399, 312, "16:9");
    EXPECT_EQ(play->geometry().top(), 87);
    play->SetProportion(0, 9);
    ExpectRect(play->GetFittedGeometry(), 0, 0, 399, 399, "no proportion");

    ShowPicture(640, 480);
    play->SetOriginalProportion(1);
    EXPECT_EQ(play->GetProportionWidth(), 4) << "follows the frame";
}

TEST_F(VideoPlayWndTest, RubberBandZoomsAndRightClickShowsTheWholeFrame)
{
    window->SetFrameZoomMode(1);
    ShowPicture();
    ExpectRect(play->GetSourceRect(), 0, 0, 63, 47, "a new frame shows whole");
    Drag(play, QPoint(10, 10), QPoint(18, 60));
    EXPECT_EQ(play->IsZoomed(), 0) << "8 pixels wide";
    Drag(play, QPoint(20, 20), QPoint(200, 150));
    EXPECT_EQ(play->IsZoomed(), 1);
    const RECT zoomed = play->GetSourceRect();
    EXPECT_LT(zoomed.right - zoomed.left, 63);
    ExpectRect(play->GetDragRect(), 0, 0, -1, -1, "band cleared");

    SendMouse(play, QEvent::MouseButtonPress, QPoint(30, 30), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(play->IsZoomed(), 0);
    ExpectRect(play->GetSourceRect(), 0, 0, 63, 47, "right click");

    KWSendWheel(play, -120, QPointF(50, 50));
    EXPECT_EQ(play->IsZoomed(), 0) << "zooming out at the whole frame stays there";
    ExpectRect(play->GetSourceRect(), 0, 0, 63, 47, "still whole");
    KWSendWheel(play, 120, QPointF(50, 50));
    EXPECT_EQ(play->IsZoomed(), 1);

    ShowPicture(32, 32);
    ExpectRect(play->GetSourceRect(), 0, 0, 31, 31, "another frame size");
    EXPECT_EQ(play->ShowImage(nullptr, 1, 32, 32), 0);
    EXPECT_EQ(play->ShowImages(nullptr, 1, 32, 32, nullptr, 0, 0, 0), 0);
}

TEST_F(VideoPlayWndTest, OpacityIsAcceptedOnlyFromZeroToOne)
{
    const struct {
        double value, kept;
    } rows[] = {{-0.5, 1.0}, {1.5, 1.0}, {0.0, 0.0}, {0.5, 0.5}};
    for (const auto& row : rows) {
        play->SetOpacity(1.0);
        play->SetOpacity(row.value);
        EXPECT_DOUBLE_EQ(play->GetOpacity(), row.kept) << row.value;
    }
}

TEST_F(VideoPlayWndTest, ControlButtonsReportClicksWithIndexAndId)
{
    ImageVideoWindowStyle style;
    style.nPlayWndValue1 = 16;
    style.nPlayWndValue2 = 14;
    window->SetSkin(&style);
    const QPoint onClose(play->width() - 5, 5);
    const QPoint onSnap(play->width() - 22, 5);
    const QPoint onRecord(play->width() - 39, 5);
    KWSendLeave(play);
    EXPECT_EQ(play->HitCtrlButton(play->mapToGlobal(onClose)), 0) << "only while the mouse is inside";
    KWSendEnter(play, QPointF(onClose));
    EXPECT_EQ(play->HitCtrlButton(play->mapToGlobal(onClose)), 1);
    ExpectRect(play->CtrlButtonRect(2), play->width() - 33, 1, play->width() - 18, 14, "second button");

    Drag(play, onSnap, onSnap);
    ASSERT_EQ(listener.Count("Snap"), 1);
    EXPECT_EQ(listener.ArgsOf("Snap")[0], (std::vector<double> {0, 0}));
    Drag(play, onRecord, onRecord);
    EXPECT_EQ(listener.ArgsOf("Record").back(), (std::vector<double> {0, 0, 1}));
    Drag(play, onClose, onSnap);
    EXPECT_EQ(listener.Count("Close"), 0) << "released on another button";
    EXPECT_EQ(listener.Count("Exchanged"), 0);
}

TEST_F(VideoPlayWndTest, InnerSplitRegionsReportInFramePixels)
{
    ShowPicture(1920, 1080);
    window->SetInnerSplitMode(INNER_SPLIT_FOUR, 0);
    CKWRect rects[5];
    window->GetInnerSplitRect(0, rects);
    const KWSplitLayout& split = play->GetSplitLayout(1);
    const RECT expected = KWSplitRegionToFrame(split.regions[0], split.overview, 1920, 1080);
    EXPECT_EQ(rects[0].right, expected.right);
    EXPECT_GT(rects[2].bottom, 0);
    EXPECT_EQ(rects[3].right, 0) << "mode 1 has three regions";

    const RECT region = split.regions[0];
    const QPoint inside((region.left + region.right) / 2, (region.top + region.bottom) / 2);
    KWSendWheel(play, -120, QPointF(inside));
    ASSERT_EQ(listener.Count("Split"), 1);
    const RECT shrunk = play->GetSplitLayout(1).regions[0];
    EXPECT_EQ(shrunk.left, region.left + 20);

    // Dragging a region moves it inside the overview.
    Drag(play, inside, inside + QPoint(500, 0));
    const RECT moved = play->GetSplitLayout(1).regions[0];
    EXPECT_EQ(moved.right, split.overview.right);
    EXPECT_GE(listener.Count("Split"), 2);
}

TEST_F(VideoPlayWndTest, FisheyeRegionsAreHitThroughTheListenerAndReported)
{
    ShowPicture(100, 100);
    window->SetSubWinFishEyeMode(0, 1);
    FISHEYE_VIDEO_REGION regions = SquareRegion();
    ASSERT_EQ(window->SetFeRegionLocal(0, &regions), 1);
    EXPECT_TRUE(regions.regions.empty()) << "the list is taken over";

    listener.acceptedRegion = 0;
    const int side = play->width() / 3;
    const QPoint inside(side + side * 30 / 100, (play->height() - side) / 2 + side * 30 / 100);
    SendMouse(play, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    SendMouse(play, QEvent::MouseMove, inside + QPoint(3, 3), Qt::NoButton, Qt::LeftButton);
    ASSERT_GE(listener.Count("Eptz"), 1);
    const std::vector<double> report = listener.ArgsOf("Eptz")[0];
    EXPECT_EQ(report[1], 0) << "sub-window id";
    EXPECT_EQ(report[2], -1) << "hovered handle: the secondary square";
    EXPECT_EQ(report[3], 0) << "hovered region, as the listener answered";
    SendMouse(play, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    EXPECT_GE(listener.Count("InRegion"), 1);
    KWSendWheel(play, -120, QPointF(inside));
    EXPECT_EQ(listener.ArgsOf("Eptz").back()[4], -1) << "a wheel turn towards the user";

    window->RemoveFeRegionLocal(0);
    listener.Clear();
    SendMouse(play, QEvent::MouseMove, inside, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(listener.Count("Eptz"), 0);
}

TEST_F(VideoPlayWndTest, FisheyeReportsMeasureFromTheCurrentRegionElseTheSquare)
{
    ShowPicture(100, 100);
    window->SetSubWinFishEyeMode(0, 1);
    const struct {
        const char* name;
        int current;
    } rows[] = {{"no current region: the secondary square", -1}, {"the current region's box on the widget", 0}};
    for (const auto& row : rows) {
        FISHEYE_VIDEO_REGION regions = SquareRegion(row.current);
        ASSERT_EQ(window->SetFeRegionLocal(0, &regions), 1) << row.name;
        const RECT square = play->GetSecondRect();
        const double scale = (square.right - square.left + 1) / 100.0;
        const RECT box = {square.left + static_cast<int>(10 * scale), square.top + static_cast<int>(10 * scale),
                          square.left + static_cast<int>(50 * scale), square.top + static_cast<int>(50 * scale)};
        const RECT expected = row.current < 0 ? square : box;
        const QPoint inside(square.left + 3, (square.top + square.bottom) / 2);
        listener.Clear();
        SendMouse(play, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
        SendMouse(play, QEvent::MouseMove, inside + QPoint(2, 2), Qt::NoButton, Qt::LeftButton);
        SendMouse(play, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
        ASSERT_GE(listener.Count("Eptz"), 1) << row.name;
        const std::vector<double> report = listener.ArgsOf("Eptz")[0];
        EXPECT_EQ(report[5], expected.left) << row.name;
        EXPECT_EQ(report[6], expected.top) << row.name;
        EXPECT_EQ(report[7], expected.right) << row.name;
        EXPECT_EQ(report[8], expected.bottom) << row.name;
    }
}

TEST_F(VideoPlayWndTest, PanningInDragModeKeepsTheGrabbedFramePointUnderTheMouse)
{
    // 16:9 pictures in a 4:3 window: a mix-up of the axes shows.
    ShowPicture(640, 360);
    const QPoint centre(play->width() / 2, play->height() / 2);
    // The frame pixel under a widget point of the part of the frame shown.
    const auto frameX = [this](const RECT& s, int x) { return s.left + (s.right - s.left + 1) * x / play->width(); };
    const auto frameY = [this](const RECT& s, int y) { return s.top + (s.bottom - s.top + 1) * y / play->height(); };
    const struct {
        const char* name;
        QPoint move;
    } rows[] = {{"left", {-10, 0}}, {"up", {0, -10}}, {"right and down", {8, 6}}};
    for (const auto& row : rows) {
        SendMouse(play, QEvent::MouseButtonPress, centre, Qt::RightButton, Qt::RightButton); // the whole frame
        window->SetFrameZoomMode(1);
        for (int i = 0; i < 4; ++i) {
            KWSendWheel(play, 120, QPointF(centre));
        }
        window->SetFrameZoomMode(0);
        window->SetDragMode(1);
        const RECT before = play->GetSourceRect();
        Drag(play, centre, centre + row.move);
        window->SetDragMode(0);
        const RECT after = play->GetSourceRect();
        EXPECT_EQ(frameX(after, centre.x() + row.move.x()), frameX(before, centre.x())) << row.name;
        EXPECT_EQ(frameY(after, centre.y() + row.move.y()), frameY(before, centre.y())) << row.name;
        EXPECT_EQ(after.right - after.left, before.right - before.left) << row.name;
        EXPECT_EQ(after.bottom - after.top, before.bottom - before.top) << row.name;
        EXPECT_TRUE(after.left != before.left || after.top != before.top) << row.name << ": the picture moved";
    }
}

TEST_F(VideoPlayWndTest, SecondaryPictureOnlyWhileTheMouseIsOverItsSquare)
{
    std::vector<BYTE> main(64 * 48 * 4, 0x40);
    std::vector<BYTE> second(16 * 16 * 4, 0xC0);
    ASSERT_EQ(play->ShowImages(main.data(), 1, 64, 48, second.data(), 16, 16, 0), 1);
    EXPECT_TRUE(play->GetSecondPixmap().isNull());
    const RECT square = play->GetSecondRect();
    EXPECT_EQ(square.left, play->width() / 3);
    EXPECT_EQ(square.right - square.left + 1, play->width() / 3);
    const QPoint centre((square.left + square.right) / 2, (square.top + square.bottom) / 2);
    SendMouse(play, QEvent::MouseMove, centre, Qt::NoButton, Qt::NoButton);
    ASSERT_EQ(play->ShowImages(main.data(), 1, 64, 48, second.data(), 16, 16, 0), 1);
    EXPECT_FALSE(play->GetSecondPixmap().isNull());
}

TEST_F(VideoPlayWndTest, ClosingTheChannelShowsTheBackgroundAgain)
{
    window->SetSubWinVideoByID(0, 0);
    EXPECT_EQ(play->GetDisplayMode(), 0);
    EXPECT_EQ(KWPixelAt(play, 5, 5), QColor(54, 62, 77)) << "the sub-windows' background colour";
    window->SetSubWinVideoByID(0, 1);
    EXPECT_EQ(play->GetDisplayMode(), 1);
    EXPECT_EQ(KWPixelAt(play, 5, 5), QColor(0, 0, 0)) << "black while the first picture loads";
}
