// The playback timeline control: its interface operations and what the user's
// mouse and wheel on the drawing surface report to the owner.

#include "tests/video/PlayProgressTestKit.h"

#include "ui/qt/KWQTButton.h"
#include "ui/qt/KWQTSliderCtrl.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QToolTip>

namespace {

class PlayPanelTest : public ::testing::Test, public PlayPanelFixture {
protected:
    void SetUp() override
    {
        AddTwoChannels();
        listener.Clear();
    }
    // Row 0 is y 21-38, row 1 y 41-58.
    static constexpr int kRow0 = 30;
    static constexpr int kRow1 = 50;
};

TEST(PlayPanelFactoryTest, MakesTheControlAndItsDefaults)
{
    PlayListener listener;
    std::unique_ptr<CKWPlayProgressPanel> panel(CreatePlayProgressPanel(&listener));
    ASSERT_NE(panel, nullptr);
    auto* qt = dynamic_cast<CKWQTPlayProgressPanel*>(panel.get());
    ASSERT_NE(qt, nullptr);
    EXPECT_EQ(qt->ControlId(), static_cast<UINT>(-1));
    EXPECT_EQ(panel->GetChannelInfo(3), nullptr);
    EXPECT_EQ(panel->GetPosition(3), 0);
    EXPECT_TRUE(panel->EnableCut(true));
    EXPECT_FALSE(panel->EnableCut(false));
    // The slots without an operation neither throw nor change anything.
    EXPECT_NO_THROW(panel->ReservedSlot5(1, 2, 3, 4, 5));
    EXPECT_NO_THROW(panel->ReservedSlot6(1, 2, 3, 4, 5));
    EXPECT_NO_THROW(panel->ReservedSlot7());
    EXPECT_NO_THROW(panel->ReservedSlot9(1, 2));
    EXPECT_NO_THROW(panel->ReservedSlot10(1));
    EXPECT_NO_THROW(panel->ReservedSlot28(1));
    panel->SetChannelInfo(nullptr);
    EXPECT_TRUE(listener.calls.empty());
}

TEST_F(PlayPanelTest, CreateAndMoveWindowPlaceTheControl)
{
    EXPECT_EQ(panel.ControlId(), kPlayId);
    EXPECT_EQ(panel.parentWidget(), &window);
    EXPECT_EQ(panel.geometry(), QRect(0, 0, 1150, 150));
    RECT rect { 5, 6, 1204, 155 };
    panel.MoveWindow(&rect);
    EXPECT_EQ(panel.geometry(), QRect(5, 6, 1200, 150));
    panel.MoveWindow(nullptr);
    EXPECT_EQ(panel.geometry(), QRect(5, 6, 1200, 150));
}

TEST_F(PlayPanelTest, SkinLaysOutTheParts)
{
    EXPECT_EQ(Surface()->geometry(), QRect(0, 0, 1110, 110));
    EXPECT_EQ(panel.UpButton()->geometry(), QRect(1115, 20, 20, 20));
    EXPECT_EQ(panel.DownButton()->geometry(), QRect(1115, 60, 20, 20));
    EXPECT_EQ(panel.ZoomSlider()->geometry(), QRect(900, 130, 100, 15));
    EXPECT_EQ(panel.ScrollBar()->geometry(), QRect(QPoint(100, 100), QPoint(1099, 120)));
    EXPECT_EQ(panel.ScrollBar()->pageStep(), 1000);
    EXPECT_EQ(panel.ScrollBar()->singleStep(), 100);
    EXPECT_EQ(panel.OverlayRect(), QRect(4, 0, 90, 100));
    EXPECT_EQ(Model().visibleWidth, 1000);
}

TEST_F(PlayPanelTest, PressOnARowSetsThePositionAndHighlights)
{
    // x' = 250 at zoom 1: 06:00.
    Press(kTrackLeft + 250, kRow1);
    ASSERT_EQ(listener.calls.size(), 2U);
    EXPECT_EQ(listener.calls[0].name, "OnPositionChanged");
    EXPECT_EQ(listener.calls[0].args,
        (std::vector<double> { kPlayId, 2, -1, kPlayDay0 + 6 * kPlayHour, VIDEOCUT_OTHER }));
    EXPECT_EQ(listener.calls[1].name, "OnSetHighlight");
    EXPECT_EQ(listener.calls[1].args, (std::vector<double> { kPlayId, 2 }));
    EXPECT_EQ(panel.GetPosition(2), kPlayDay0 + 6 * kPlayHour);
    EXPECT_EQ(Model().commonPosition, kPlayDay0 + 6 * kPlayHour);
    EXPECT_TRUE(panel.IsDragging());

    // Dragging over 09:30 finds segment 21.
    listener.Clear();
    Drag(kTrackLeft + 395, kRow0); // the pressed row still counts
    ASSERT_EQ(listener.Count("OnPositionChanged"), 1);
    EXPECT_EQ(listener.ArgsOf("OnPositionChanged")[0][2], 21);
    EXPECT_EQ(listener.ArgsOf("OnPositionChanged")[0][1], 2);
    Release(kTrackLeft + 395, kRow0);
    EXPECT_EQ(listener.Count("OnPositionChanged"), 1);
    EXPECT_FALSE(panel.IsDragging());
}

TEST_F(PlayPanelTest, PressOnARowEdgeFindsNoRow)
{
    for (int y : { 20, 39, 40 }) {
        Press(kTrackLeft + 500, y);
        Release(kTrackLeft + 500, y);
    }
    EXPECT_TRUE(listener.calls.empty());
    EXPECT_EQ(panel.GetPosition(1), kPlayDay0 + 6 * kPlayHour);
}

TEST_F(PlayPanelTest, DragsStopAtTheTrackEdges)
{
    Press(kTrackLeft + 500, kRow0);
    Drag(kTrackLeft + 5000, kRow0);
    EXPECT_EQ(panel.GetPosition(1), kPlayDay0 + 999 * 86400 / 1000);
    Drag(kTrackLeft - 300, kRow0);
    // x' = 0 is midnight, a time of day below 1: the drag keeps the last one.
    EXPECT_EQ(panel.GetPosition(1), kPlayDay0 + 999 * 86400 / 1000);
    Drag(kTrackLeft + 1, kRow0);
    EXPECT_EQ(panel.GetPosition(1), kPlayDay0 + 86);
}

TEST_F(PlayPanelTest, OwnerPositionsWaitForTheEndOfADrag)
{
    Press(kTrackLeft + 500, kRow0);
    panel.SetPosition(1, kPlayDay0 + 7 * kPlayHour);
    EXPECT_EQ(panel.GetPosition(1), kPlayDay0 + 12 * kPlayHour);
    // Another channel is not held.
    panel.SetPosition(2, kPlayDay0 + 9 * kPlayHour + 5);
    EXPECT_EQ(panel.GetPosition(2), kPlayDay0 + 9 * kPlayHour + 5);
    // A release at midnight sets nothing, but the drag is over all the same.
    Release(kTrackLeft - 50, kRow0 + 200);
    EXPECT_FALSE(panel.IsDragging());
    panel.SetPosition(1, kPlayDay0 + 7 * kPlayHour);
    EXPECT_EQ(panel.GetPosition(1), kPlayDay0 + 7 * kPlayHour);
}

TEST_F(PlayPanelTest, CutClicksMoveTheNearerMark)
{
    panel.EnableCut(true);
    panel.SetCutTime(0, kPlayDay0 + 1000.0);
    panel.SetCutTime(1, kPlayDay0 + 3000.0);
    EXPECT_EQ(Model().cutMarks[0], kPlayDay0 + 1000);
    // At zoom 1, x' = 12 is 1036 s: nearer the first mark.
    Press(kTrackLeft + 12, kRow0);
    ASSERT_EQ(listener.Count("OnPositionChanged"), 1);
    EXPECT_EQ(listener.ArgsOf("OnPositionChanged")[0],
        (std::vector<double> { kPlayId, 1, -1, kPlayDay0 + 1036, VIDEOCUT_FIRST }));
    EXPECT_TRUE(panel.IsDragging());
    // The owner's cut times wait for the release.
    panel.SetCutTime(1, kPlayDay0 + 5000.0);
    EXPECT_EQ(Model().cutMarks[1], kPlayDay0 + 3000);
    Release(kTrackLeft + 12, kRow0);
    EXPECT_FALSE(panel.IsDragging());

    // 2000 s lies halfway: the tie moves the second mark.
    Model().cutMarks[0] = kPlayDay0 + 1000;
    Model().cutMarks[1] = kPlayDay0 + 3000;
    listener.Clear();
    Model().SetZoomValue(432); // 100: 0.864 s per pixel
    Model().offset = 0;
    Model().virtualWidth = 43200; // exactly 2 s per pixel
    Press(kTrackLeft + 1000 - 1, kRow0);
    Release(kTrackLeft + 1000 - 1, kRow0);
    const auto reports = listener.ArgsOf("OnPositionChanged");
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_EQ(reports[0][3], kPlayDay0 + 1998);
    EXPECT_EQ(reports[0][4], VIDEOCUT_FIRST);

    // Off, or past the second index, the owner's cut times change nothing.
    panel.SetCutTime(2, 1.0);
    panel.EnableCut(false);
    panel.SetCutTime(0, 1.0);
    EXPECT_EQ(Model().cutMarks[0], kPlayDay0 + 1998);
}

TEST_F(PlayPanelTest, TieBetweenMarksMovesTheSecond)
{
    panel.EnableCut(true);
    Model().cutMarks[0] = kPlayDay0;
    Model().cutMarks[1] = kPlayDay0 + 1728;
    // x' = 10 is 864 s, as far from either mark.
    Press(kTrackLeft + 10, kRow0);
    ASSERT_EQ(listener.Count("OnPositionChanged"), 1);
    EXPECT_EQ(listener.ArgsOf("OnPositionChanged")[0][4], VIDEOCUT_OTHER);
    EXPECT_EQ(Model().cutMarks[1], kPlayDay0 + 864);
}

TEST_F(PlayPanelTest, ReleaseOnANameHighlightsItsChannel)
{
    Release(50, 45);
    ASSERT_EQ(listener.calls.size(), 1U);
    EXPECT_EQ(listener.calls[0].name, "OnSetHighlight");
    EXPECT_EQ(listener.calls[0].args, (std::vector<double> { kPlayId, 2 }));
    EXPECT_EQ(Model().highlightedChannel, 2);
    // An empty row highlights nothing.
    listener.Clear();
    Release(50, 70);
    EXPECT_TRUE(listener.calls.empty());
    EXPECT_EQ(Model().highlightedChannel, 2);
}

TEST_F(PlayPanelTest, DayButtonsStepTheShownDay)
{
    EXPECT_TRUE(Model().hasNextDay);
    EXPECT_FALSE(Model().hasPrevDay);
    Release(5, 5); // no earlier day: nothing
    EXPECT_EQ(Model().shownDayIndex, 0);
    Release(1090, 5);
    EXPECT_EQ(Model().shownDayIndex, 1);
    EXPECT_EQ(Model().CurrentDayOf(2), (PlayDate { 2024, 3, 11 }));
    EXPECT_TRUE(Model().hasPrevDay);
    Release(5, 5);
    EXPECT_EQ(Model().shownDayIndex, 0);
    EXPECT_TRUE(listener.calls.empty());
}

TEST_F(PlayPanelTest, WheelOverTheTrackZoomsAndSynchronises)
{
    EXPECT_TRUE(KWSendWheel(Surface(), 120, QPointF(kTrackLeft + 500, kRow0)));
    EXPECT_EQ(Model().zoom, 2);
    EXPECT_EQ(Model().offset, 500);
    EXPECT_EQ(panel.ZoomSlider()->GetPos(), 2);
    EXPECT_EQ(panel.ScrollBar()->maximum(), 1000);
    EXPECT_EQ(panel.ScrollBar()->value(), 500);
    KWSendWheel(Surface(), -120, QPointF(kTrackLeft + 500, kRow0));
    EXPECT_EQ(Model().zoom, 1);
    // Outside the track nothing happens.
    KWSendWheel(Surface(), 120, QPointF(50, kRow0));
    EXPECT_EQ(Model().zoom, 1);
    EXPECT_TRUE(listener.calls.empty());
}

TEST_F(PlayPanelTest, ScrollBarAndSliderDriveTheView)
{
    panel.SetZoom(4);
    EXPECT_EQ(Model().zoom, 4);
    EXPECT_EQ(panel.ScrollBar()->maximum(), 3000);
    panel.ScrollBar()->setValue(1234);
    EXPECT_EQ(Model().offset, 1234);
    panel.ZoomSlider()->setValue(250);
    EXPECT_EQ(Model().zoom, 100);
    EXPECT_EQ(panel.ZoomSlider()->GetPos(), 100);
    panel.SetViewTime(kPlayDay0 + 12 * kPlayHour);
    EXPECT_EQ(Model().offset, 50000);
    EXPECT_EQ(panel.ScrollBar()->value(), 50000);
}

TEST_F(PlayPanelTest, HoverReportsTheTimeAndShowsNames)
{
    Hover(kTrackLeft + 250, kRow0);
    ASSERT_EQ(listener.Count("OnMouseOverChannel"), 1);
    const auto args = listener.ArgsOf("OnMouseOverChannel")[0];
    const QPoint global = Surface()->mapToGlobal(QPoint(kTrackLeft + 250, kRow0));
    EXPECT_EQ(
        args, (std::vector<double> { kPlayId, 1, double(global.x()), double(global.y()), 6 * kPlayHour }));
    EXPECT_FALSE(QToolTip::isVisible());

    listener.Clear();
    Hover(50, kRow1);
    ASSERT_EQ(listener.Count("OnMouseOverChannel"), 1);
    EXPECT_EQ(listener.ArgsOf("OnMouseOverChannel")[0][4], -1);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Cam2"));
    QToolTip::hideText();

    listener.Clear();
    KWSendLeave(&panel);
    EXPECT_EQ(listener.calls.size(), 1U);
    EXPECT_EQ(listener.Count("PPP_OnMouseLeave"), 1);
}

TEST_F(PlayPanelTest, SingleChannelReleaseReportsAPercentage)
{
    panel.SetSingleChannelMode(2, true);
    panel.SetPosition(2, kPlayDay0 + 9 * kPlayHour + 100);
    EXPECT_EQ(panel.ZoomSlider()->GetPos(), 1);
    Press(kTrackLeft + 250, kRow0);
    EXPECT_TRUE(panel.IsDragging());
    // Every channel is held while the drag lasts.
    panel.SetPosition(1, kPlayDay0 + 7 * kPlayHour);
    EXPECT_EQ(panel.GetPosition(1), kPlayDay0 + 6 * kPlayHour);
    EXPECT_EQ(panel.GetPosition(2), kPlayDay0 + 9 * kPlayHour + 900);
    Release(kTrackLeft + 500, kRow0);
    ASSERT_EQ(listener.Count("OnPositionChanged"), 1);
    // Half of 2 h of recordings falls at the end of segment 21.
    EXPECT_EQ(listener.ArgsOf("OnPositionChanged")[0],
        (std::vector<double> { kPlayId, 2, 22, 50, VIDEOCUT_OTHER }));
    EXPECT_EQ(panel.GetPosition(2), kPlayDay0 + 9 * kPlayHour + 1800);
    EXPECT_FALSE(panel.IsDragging());
}

TEST_F(PlayPanelTest, SingleChannelClickInAGapKeepsThePosition)
{
    panel.SetSingleChannelMode(2, true);
    panel.SetPosition(2, kPlayDay0 + 12 * kPlayHour); // between the two recordings
    Press(kTrackLeft + 250, kRow0);
    Drag(kTrackLeft + 300, kRow0);
    Release(kTrackLeft + 300, kRow0);
    EXPECT_EQ(panel.GetPosition(2), kPlayDay0 + 12 * kPlayHour);
    EXPECT_EQ(listener.Count("OnPositionChanged"), 1);
    EXPECT_FALSE(panel.IsDragging());
}

TEST_F(PlayPanelTest, RowButtonsAndHighlightScrollTheChannels)
{
    for (int id = 3; id <= 6; ++id) {
        Add(PlayChannel(id, { { id, kPlayDay0 + kPlayHour, kPlayDay0 + 2 * kPlayHour, 0 } }));
    }
    EXPECT_EQ(Model().visibleChannels[0], 1);
    panel.DownButton()->click();
    panel.ScrollDown();
    panel.ScrollDown();
    EXPECT_EQ(Model().firstVisibleRow, 2);
    EXPECT_EQ(Model().visibleChannels[0], 3);
    panel.UpButton()->click();
    EXPECT_EQ(Model().visibleChannels[0], 2);
    panel.SetHighlightChannel(6);
    EXPECT_EQ(Model().highlightedChannel, 6);
    EXPECT_EQ(Model().visibleChannels[3], 6);
    panel.SetHighlightChannel(42);
    EXPECT_EQ(Model().highlightedChannel, -1);
    panel.ScrollUp();
    panel.ScrollUp();
    panel.ScrollUp();
    EXPECT_EQ(Model().firstVisibleRow, 0);
    EXPECT_TRUE(listener.calls.empty());
}

TEST_F(PlayPanelTest, ResizingWidensTheTrackAndKeepsTheTime)
{
    panel.SetZoom(4);
    panel.ScrollBar()->setValue(2000);
    panel.resize(1250, 150);
    EXPECT_EQ(Model().trackRect.right(), 1199);
    EXPECT_EQ(Model().offset, 2200);
    EXPECT_EQ(Surface()->width(), 1210);
    EXPECT_EQ(panel.UpButton()->x(), 1215);
    EXPECT_EQ(panel.ScrollBar()->geometry(), QRect(QPoint(100, 100), QPoint(1199, 120)));
    EXPECT_EQ(panel.ScrollBar()->maximum(), 4400 - 1100);
}

} // namespace
