#include "ui/video/KWQTVideoWindow.h"

#include "tests/video/VideoListener.h"
#include "ui/qt/KWControlKit.h"
#include "ui/video/KWDDrawDevice.h"
#include "ui/video/KWDDrawSurface.h"
#include "ui/video/KWQTVideoWindowPlayWnd.h"
#include "ui/video/KWQTVideoWindowSubWnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <memory>
#include <string>

namespace {

// Mouse events as the window system delivers them, with real global
// positions (QTest does not keep buttons held across moves).
void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& local, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class VideoWindowTest : public ::testing::Test {
protected:
    void Make(VIDEOWINDOWMODE mode, int a, int b)
    {
        CKWDDrawDevice::ResetDriver();
        window.reset(static_cast<CKWQTVideoWindow*>(CreateKWVideoWindow(mode, &listener, a, b)));
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(window->Create(L"video", RECT {0, 0, 400, 300}, KWHandleFromWidget(&host), 7), 1);
        // Away from the screen origin, so that a mix-up of screen and window
        // coordinates shows.
        host.setGeometry(200, 150, 420, 320);
        host.show();
        QCoreApplication::processEvents();
        window->EnableSubWinAnimation(0);
    }
    CKWQTVideoWindowSubWnd* Sub(int index) const { return window->GetSubWnds().at(index); }
    QRect Cell(int index) const
    {
        RECT cell;
        window->GetLayoutModel().GetCell(index, cell);
        return QRect(QPoint(cell.left + 1, cell.top + 1), QPoint(cell.right - 1, cell.bottom - 1));
    }
    void TearDown() override
    {
        window.reset();
        CKWDDrawDevice::ResetDriver();
    }

    QWidget host;
    VideoListener listener;
    std::unique_ptr<CKWQTVideoWindow> window;
};

} // namespace

TEST_F(VideoWindowTest, CreateMakesTheSubWindowsOnTheirCells)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 2, 2);
    ASSERT_EQ(window->GetSubWnds().size(), 4u);
    EXPECT_EQ(window->GetCurrentSubWinID(), 0);
    EXPECT_EQ(window->GetCurrentSubWinCount(), 1);
    EXPECT_TRUE(Sub(0)->isVisible());
    EXPECT_FALSE(Sub(1)->isVisible());
    EXPECT_EQ(Sub(0)->geometry(), Cell(0));
    EXPECT_EQ(window->GetSubWinHandle(0), KWHandleFromWidget(Sub(0)->GetPlayWnd()));
    EXPECT_EQ(window->GetSubWinHandle(1), nullptr) << "no cell 1 in a one-window layout";
}

TEST_F(VideoWindowTest, DefaultLayoutsPlaceAsManySubWindowsAsThereAre)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 2, 2);
    ASSERT_EQ(window->SetDefaultLayout(LAYOUT_16, nullptr), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->GetCurrentSubWinCount(), 16);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Sub(i)->isVisible()) << i;
        EXPECT_EQ(Sub(i)->geometry(), Cell(i)) << i;
    }
    EXPECT_GE(listener.Count("OnLayoutChanged"), 1);

    CQTVideoWindowLayout fourByFour(4, 4, 400, 300);
    EXPECT_EQ(window->ApplyLayout(fourByFour), 0) << "more grid cells than sub-windows";
    CQTVideoWindowLayout twoByTwo(2, 2, 100, 100);
    EXPECT_EQ(window->ApplyLayout(twoByTwo), 1);
    EXPECT_EQ(window->GetCurrentSubWinCount(), 4);
    EXPECT_EQ(Sub(3)->geometry(), Cell(3));

    EXPECT_EQ(window->SetDefaultLayout(static_cast<LAYOUT_TYPE>(11), nullptr), 0);
    EXPECT_EQ(window->SetDefaultLayout(LAYOUT_CUSTOM, nullptr), 0);
    EXPECT_EQ(window->SetDefaultLayout(LAYOUT_CUSTOM, "1/2/2/400:300/65536:1:195:0:205:300/"), 1);
    EXPECT_EQ(window->GetCurrentSubWinCount(), 2);
    EXPECT_FALSE(Sub(2)->isVisible());
}

TEST_F(VideoWindowTest, ShrinkingTheLayoutHidesEverySubWindowBeyondItsCells)
{
    const struct {
        const char* name;
        bool asString; // through a layout string, else through a layout model
    } rows[] = {{"a layout string", true}, {"a layout model", false}};
    for (const auto& row : rows) {
        Make(VIDEOWINDOW_MODE_VIDEO, 2, 2);
        window->SetDefaultLayout(LAYOUT_4, nullptr);
        ASSERT_FALSE(Sub(3)->isHidden()) << row.name;
        if (row.asString) {
            ASSERT_EQ(window->SetDefaultLayout(LAYOUT_CUSTOM, "1/2/2/400:300/65536:1:195:0:205:300/"), 1) << row.name;
        } else {
            ASSERT_EQ(window->ApplyLayout(CQTVideoWindowLayout(1, 2, 100, 100)), 1) << row.name;
        }
        EXPECT_FALSE(Sub(1)->isHidden()) << row.name;
        EXPECT_TRUE(Sub(2)->isHidden()) << row.name;
        EXPECT_TRUE(Sub(3)->isHidden()) << row.name;
    }
}

TEST_F(VideoWindowTest, ShowAtLeastPicksTheSmallestDefaultThatFits)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 6, 6);
    const struct {
        int asked, returned;
    } rows[] = {{1, 1}, {2, 4}, {5, 6}, {7, 8}, {9, 9}, {10, 13}, {14, 16}, {17, 25}, {20, 25}, {26, 36}, {36, 36}, {37, 4}};
    for (const auto& row : rows) {
        EXPECT_EQ(window->SHowSubWinAtLeast(row.asked), row.returned) << row.asked;
        EXPECT_EQ(window->GetCurrentSubWinCount(), row.returned) << row.asked;
    }
    EXPECT_EQ(window->SHowSubWinAtLeast(0), 0);
}

TEST_F(VideoWindowTest, GetLayoutNeedsRoomForTheTerminator)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 1, 1);
    std::string text;
    window->GetLayoutModel().Serialize(text);
    std::vector<char> buffer(text.size() + 1, 'x');
    EXPECT_EQ(window->GetLayout(buffer.data(), static_cast<int>(text.size())), 0);
    EXPECT_EQ(window->GetLayout(buffer.data(), static_cast<int>(text.size() + 1)), 1);
    EXPECT_EQ(std::string(buffer.data()), text);
}

TEST_F(VideoWindowTest, DraggingOneSubWindowOntoAnotherExchangesThem)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 2, 2);
    window->SetDefaultLayout(LAYOUT_4, nullptr);
    CKWQTVideoWindowSubWnd* dragged = Sub(0);
    const QPoint press(20, 20);
    SendMouse(dragged, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(listener.Count("Down"), 1);
    EXPECT_EQ(window->GetPressedIndex(), 0);
    // Onto the middle of cell 1.
    const QPoint target = dragged->mapFromParent(Cell(1).center()) - QPoint(dragged->width() / 2, dragged->height() / 2) + press;
    const QPoint mouse = dragged->mapToGlobal(target);
    SendMouse(dragged, QEvent::MouseMove, target, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(dragged->mapFromGlobal(mouse), press) << "the grabbed point stays under the mouse";
    EXPECT_TRUE(Cell(1).contains(dragged->geometry().center())) << "the sub-window follows the mouse";
    SendMouse(dragged, QEvent::MouseButtonRelease, dragged->mapFromGlobal(window->mapToGlobal(Cell(1).center())), Qt::LeftButton,
              Qt::NoButton);
    ASSERT_EQ(listener.Count("Exchanged"), 1);
    EXPECT_EQ(listener.ArgsOf("Exchanged")[0], (std::vector<double> {0, 1}));
    EXPECT_EQ(window->GetSubWinIDByIndex(0), 1);
    EXPECT_EQ(window->GetSubWinIndexByID(0), 1);
    EXPECT_EQ(dragged->geometry(), Cell(1));
    EXPECT_EQ(Sub(0)->geometry(), Cell(0));
    EXPECT_EQ(window->GetPressedIndex(), -1);

    window->EableSubWinExchange(0);
    SendMouse(dragged, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    SendMouse(dragged, QEvent::MouseMove, press + QPoint(-200, 0), Qt::NoButton, Qt::LeftButton);
    SendMouse(dragged, QEvent::MouseButtonRelease, press + QPoint(-200, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(listener.Count("Exchanged"), 1) << "exchange switched off";
    EXPECT_EQ(dragged->geometry(), Cell(1)) << "goes back to its own cell";
}

TEST_F(VideoWindowTest, DoubleClickZoomsUntilTheLayoutChanges)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 2, 2);
    window->SetDefaultLayout(LAYOUT_4, nullptr);
    SendMouse(Sub(1), QEvent::MouseButtonDblClick, QPoint(30, 30), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Sub(1)->geometry(), window->rect());
    EXPECT_FALSE(Sub(0)->isVisible());
    EXPECT_EQ(listener.ArgsOf("Occupy").back(), (std::vector<double> {1, 1, 1}));

    window->resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(Sub(1)->geometry(), window->rect()) << "a resize keeps it filling the window";
    EXPECT_FALSE(Sub(2)->isVisible());

    window->SetDefaultLayout(LAYOUT_4, nullptr);
    EXPECT_EQ(window->IsZoomedWindow(), 0);
    EXPECT_EQ(Sub(1)->IsZoomed(), 0);
    EXPECT_TRUE(Sub(0)->isVisible());
    EXPECT_EQ(Sub(1)->geometry(), Cell(1));

    SendMouse(Sub(2), QEvent::MouseButtonDblClick, QPoint(30, 30), Qt::LeftButton, Qt::LeftButton);
    SendMouse(Sub(2), QEvent::MouseButtonDblClick, QPoint(30, 30), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(listener.ArgsOf("Occupy").back(), (std::vector<double> {2, 2, 0}));
    EXPECT_EQ(Sub(2)->geometry(), Cell(2));
    EXPECT_TRUE(Sub(3)->isVisible());
}

TEST_F(VideoWindowTest, FocusMovesByIdAndIsReported)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 2, 2);
    window->SetDefaultLayout(LAYOUT_4, nullptr);
    EXPECT_EQ(window->SetFocusSubWin(2), 1);
    EXPECT_EQ(window->GetCurrentSubWinID(), 2);
    EXPECT_EQ(window->GetCurrentSubWinIndex(), 2);
    EXPECT_EQ(listener.ArgsOf("Focus").back(), (std::vector<double> {2, 0}));
    EXPECT_EQ(window->SetFocusSubWin(2), 0) << "already current";
    EXPECT_EQ(window->SetFocusSubWin(9), 0);

    // A smaller layout that drops the current cell gives the focus to index 0.
    window->SetDefaultLayout(LAYOUT_1, nullptr);
    EXPECT_EQ(window->GetCurrentSubWinID(), 0);
}

TEST_F(VideoWindowTest, FramesGoThroughTheRendererOrInSoftware)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 1, 2);
    window->SetDefaultLayout(LAYOUT_4, nullptr);
    window->SetSubWinVideoByID(0, 1);
    std::vector<BYTE> red = SolidI420(64, 48);
    EXPECT_EQ(window->RenderOffScreenSurface(5, red.data(), 64, 48, 0, 0), 0) << "no such id";
    ASSERT_EQ(window->RenderOffScreenSurface(0, red.data(), 64, 48, 0, 0), 1);
    CKWQTVideoWindowPlayWnd* play = Sub(0)->GetPlayWnd();
    EXPECT_EQ(play->GetDisplayMode(), 2);
    const QImage shown = play->GetRender().GetPresentedImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixel(shown.width() / 2, shown.height() / 2), qRgb(254, 0, 0));
    EXPECT_EQ(Sub(0)->GetRGBBufferSize(), 0u);

    // A driver without YUV surfaces: the picture is drawn in software.
    CKWDDrawDevice::SetAcceptedFourCCs({});
    window->SetSubWinVideoByID(1, 1);
    ASSERT_EQ(window->RenderOffScreenSurface(1, red.data(), 64, 48, 0, 0), 1);
    CKWQTVideoWindowPlayWnd* soft = Sub(1)->GetPlayWnd();
    EXPECT_EQ(soft->GetDisplayMode(), 1);
    EXPECT_EQ(Sub(1)->GetRGBBufferSize(), 64u * 48u * 4u);
    EXPECT_EQ(soft->GetImagePixmap().toImage().pixel(10, 10), qRgb(254, 0, 0));
    EXPECT_EQ(KWPixelAt(soft, soft->width() / 2, soft->height() / 2), QColor(254, 0, 0));
}

TEST_F(VideoWindowTest, WheelOverAPictureAsksTheOwnerToZoom)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 2, 2);
    window->SetDefaultLayout(LAYOUT_4, nullptr);
    KWSendWheel(window.get(), 120, QPointF(Cell(3).center()));
    EXPECT_EQ(listener.Count("Zoom"), 0) << "no video shown";
    window->SetSubWinVideoByIndex(3, 1);
    KWSendWheel(window.get(), 120, QPointF(Cell(3).center()));
    KWSendWheel(window.get(), -120, QPointF(Cell(3).center()));
    ASSERT_EQ(listener.Count("Zoom"), 2);
    EXPECT_EQ(listener.ArgsOf("Zoom")[0], (std::vector<double> {3, 3, 1}));
    EXPECT_EQ(listener.ArgsOf("Zoom")[1], (std::vector<double> {3, 3, 0}));
}

TEST_F(VideoWindowTest, LayoutEditingJoinsCellsAcrossAClickedBar)
{
    Make(VIDEOWINDOW_MODE_LAYOUT, 2, 2);
    EXPECT_TRUE(window->GetSubWnds().empty());
    EXPECT_EQ(window->GetSubWinIDByIndex(0), -1);
    EXPECT_EQ(window->GetSubWinIndexByID(0), -1);
    EXPECT_EQ(window->SHowSubWinAtLeast(4), 0);
    listener.Clear();
    ASSERT_EQ(window->SetRows(2), 1);
    ASSERT_EQ(window->SetColumns(2), 1);
    EXPECT_EQ(window->SetColumns(2), 0);
    EXPECT_EQ(window->GetCurrentSubWinCount(), 4);
    EXPECT_EQ(listener.Count("OnLayoutChanged"), 2) << "one for each change of the grid";
    listener.Clear();

    // The vertical bar of the top row, in the middle of the window.
    const QPoint onBar(window->width() / 2 - 1, 50);
    SendMouse(window.get(), QEvent::MouseMove, onBar, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window->GetLayoutModel().GetSelection().size(), 1u);
    EXPECT_EQ(KWPixelAt(window.get(), onBar.x(), onBar.y()), window->GetColor(3)) << "the selected bar";
    SendMouse(window.get(), QEvent::MouseButtonPress, onBar, Qt::LeftButton, Qt::LeftButton);
    SendMouse(window.get(), QEvent::MouseButtonRelease, onBar, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(listener.Count("OnLayoutChanged"), 1);
    EXPECT_EQ(window->GetCurrentSubWinCount(), 3);
    EXPECT_EQ(KWPixelAt(window.get(), onBar.x(), 52), window->GetColor(5)) << "now a dashed, selected bar";
    EXPECT_EQ(KWPixelAt(window.get(), onBar.x(), 57), window->GetColor(1)) << "between two dashes";
}

TEST_F(VideoWindowTest, SkinSetsColoursWidthsAndButtons)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 1, 1);
    KWTempSkinDir skins {{"close.png", Qt::blue, QSize(16, 16)}, {"snap.png", Qt::green, QSize(16, 16)}};
    ImageVideoWindowStyle style;
    style.strImage1 = L"close.png";
    style.strImage4 = L"snap.png";
    style.strColor2 = L"102030";
    style.strColor6 = L"00FF00";
    style.strBarLineWidth = L"3";
    style.nPlayWndValue1 = 16;
    style.nPlayWndValue2 = 16;
    style.strText1 = L"Wait";
    EXPECT_EQ(window->SetSkin(&style), 0);
    EXPECT_EQ(window->GetColor(2), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(window->GetColor(1), QColor(54, 62, 77)) << "an empty field keeps the colour";
    EXPECT_EQ(window->GetBarLineWidth(), 3);
    EXPECT_EQ(window->GetBarDashWidth(), 4);
    EXPECT_EQ(window->GetText(1), QStringLiteral("Wait"));
    EXPECT_EQ(window->GetText(2), QStringLiteral("Replay"));
    EXPECT_FALSE(window->GetSkinImage(1).isNull());
    EXPECT_EQ(KWPixelAt(Sub(0), 1, 1), QColor(0, 255, 0)) << "focus frame of the current sub-window";

    KWWarningCatcher catcher;
    ImageVideoWindowStyle lost;
    lost.strBackground = L"lost_background.png";
    window->SetSkin(&lost);
    EXPECT_EQ(catcher.Warnings().filter(skins.Path() + "lost_background.png").size(), 1)
        << "a missing background is named";
}

TEST_F(VideoWindowTest, FisheyeFramesAndOffScreenSurfacesGoByIdToo)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 1, 1);
    window->SetSubWinVideoByID(0, 1);
    std::vector<BYTE> main = SolidI420(64, 64);
    std::vector<BYTE> second = SolidI420(16, 16, 235, 128, 128);
    RENDER_VIDEOINFO mainInfo = {main.data(), 64, 64, 0};
    RENDER_VIDEOINFO secondInfo = {second.data(), 16, 16, 0};
    EXPECT_EQ(window->RenderOffScreenSurfaceFE(3, &mainInfo, 0, 0, &secondInfo), 0);
    ASSERT_EQ(window->RenderOffScreenSurfaceFE(0, &mainInfo, 0, 0, &secondInfo), 1);
    EXPECT_EQ(Sub(0)->GetPlayWnd()->GetDisplayMode(), 2);

    CKWDDrawDevice::SetAcceptedFourCCs({});
    std::vector<BYTE> smaller = SolidI420(32, 32);
    RENDER_VIDEOINFO smallerInfo = {smaller.data(), 32, 32, 0};
    ASSERT_EQ(window->RenderOffScreenSurfaceFE(0, &smallerInfo, 0, 0, &secondInfo), 1);
    EXPECT_EQ(Sub(0)->GetPlayWnd()->GetDisplayMode(), 1) << "drawn in software";
    EXPECT_EQ(Sub(0)->GetSecondRGBBufferSize(), 16u * 16u * 4u);

    void* surface = nullptr;
    KW_COLOR_CONVERT convert = nullptr;
    EXPECT_EQ(window->GetOffScreenSurface(0, surface, convert, 32, 32), 0) << "the driver takes no YUV now";
    CKWDDrawDevice::ResetDriver();
    ASSERT_EQ(window->GetOffScreenSurface(0, surface, convert, 32, 32), 1);
    ASSERT_NE(surface, nullptr);
    EXPECT_NE(convert, nullptr);
    static_cast<CKWDDrawSurface*>(surface)->Release();
    EXPECT_EQ(window->VerticalSyncEnable(1), 1);
}

TEST_F(VideoWindowTest, HoldingADraggedSubWindowOverACellExchangesBeforeTheRelease)
{
    Make(VIDEOWINDOW_MODE_VIDEO, 2, 2);
    window->SetDefaultLayout(LAYOUT_4, nullptr);
    CKWQTVideoWindowSubWnd* dragged = Sub(0);
    const QPoint press(20, 20);
    SendMouse(dragged, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    const QPoint target = dragged->mapFromParent(Cell(3).center()) - QPoint(dragged->width() / 2, dragged->height() / 2) + press;
    SendMouse(dragged, QEvent::MouseMove, target, Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return listener.Count("Exchanged") == 1; }, 2000));
    EXPECT_EQ(listener.ArgsOf("Exchanged")[0], (std::vector<double> {0, 3}));
    EXPECT_EQ(window->GetPressedIndex(), 3);
    EXPECT_EQ(Sub(0)->GetId(), 3);
    EXPECT_EQ(Sub(0)->geometry(), Cell(0)) << "the other sub-window moved into the hole";
    SendMouse(dragged, QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dragged->geometry(), Cell(3));
    EXPECT_EQ(window->GetSubWinIndexByID(0), 3);
}
