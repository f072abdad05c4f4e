// Time arithmetic of the playback timeline's model. The suite runs with
// TZ=UTC, so local midnight is a multiple of 86400.

#include "ui/video/PlayProgressModel.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace {

constexpr int kDay0 = 1710028800; // 2024-03-10 00:00:00
constexpr int kHour = 3600;

PlayChannelInfo Channel(int id, std::vector<PlaySegment> segments)
{
    PlayChannelInfo info;
    info.nChannel = id;
    info.strName = L"Camera " + std::to_wstring(id);
    info.segments = std::move(segments);
    return info;
}

// A name column 100 pixels wide beside a track 1000 pixels wide; rows 20
// pixels high from y = 20.
struct ModelFixture : ::testing::Test {
    std::map<int, PlayChannelInfo> table;
    PlayProgressModel model { table };

    void SetUp() override
    {
        model.nameRect = QRect(QPoint(0, 20), QPoint(99, 99));
        model.trackRect = QRect(QPoint(100, 20), QPoint(1099, 99));
        model.prevDayRect = QRect(0, 0, 10, 10);
        model.nextDayRect = QRect(1090, 0, 10, 10);
        model.OffsetRects(0, 0);
    }
};

TEST(PlayDateTest, ConvertsBetweenTimesDatesAndSecondsOfDay)
{
    struct Row {
        const char* name;
        int time;
        PlayDate date;
        int secondOfDay;
    } rows[] = {
        { "midnight", kDay0, { 2024, 3, 10 }, 0 },
        { "last second of the day", kDay0 + 86399, { 2024, 3, 10 }, 86399 },
        { "next midnight", kDay0 + 86400, { 2024, 3, 11 }, 0 },
        { "epoch", 0, { 1970, 1, 1 }, 0 },
        { "before the epoch", -1, { 1969, 12, 31 }, 86399 },
        { "afternoon", kDay0 + 13 * kHour + 62, { 2024, 3, 10 }, 13 * kHour + 62 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PlayDateOf(row.time), row.date);
        EXPECT_EQ(PlaySecondOfDay(row.time), row.secondOfDay);
        EXPECT_EQ(PlayMidnightOf(row.date), row.time - row.secondOfDay);
    }
}

TEST(PlayProgressModelSpan, SpansAndDurations)
{
    const PlayChannelInfo info = Channel(1, { { 7, 100, 200, 0 }, { 8, 300, 450, 0 }, { 9, 50, 80, 0 } });
    int start = 0;
    int end = 0;
    EXPECT_EQ(PlayProgressModel::GetSpan(info, 0, &start, &end), 400);
    EXPECT_EQ(start, 50);
    EXPECT_EQ(end, 450);
    EXPECT_EQ(PlayProgressModel::GetSpan(info, 350, &start, &end), 150);
    EXPECT_EQ(start, 300);
    // Segment edges are not inside it.
    EXPECT_LT(PlayProgressModel::GetSpan(info, 300), 0);
    EXPECT_LT(PlayProgressModel::GetSpan(Channel(2, {}), 0), 0);
    EXPECT_EQ(PlayProgressModel::TotalDuration(info), 100 + 150 + 30);
    // Long recordings do not overflow the sum.
    const PlayChannelInfo longOnes = Channel(3, { { 1, 0, INT_MAX, 0 }, { 2, 0, INT_MAX, 0 } });
    EXPECT_EQ(PlayProgressModel::TotalDuration(longOnes), 2LL * INT_MAX);
}

TEST_F(ModelFixture, ZoomValueIsClampedAndAnchored)
{
    struct Row {
        const char* name;
        int zoom, offset, value;
        int expectZoom, expectOffset;
    } rows[] = {
        { "zero becomes one", 1, 0, 0, 1, 0 },
        { "250 becomes 100", 1, 0, 250, 100, 49500 },
        { "doubling keeps the middle", 1, 0, 2, 2, 500 },
        { "back to one scrolls home", 2, 500, 1, 1, 0 },
        { "the far end stays at the far end", 4, 3000, 2, 2, 1000 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        model.zoom = row.zoom;
        model.offset = row.offset;
        model.virtualWidth = row.zoom * 1000;
        model.SetZoomValue(row.value);
        EXPECT_EQ(model.zoom, row.expectZoom);
        EXPECT_EQ(model.offset, row.expectOffset);
        EXPECT_EQ(model.virtualWidth, row.expectZoom * 1000);
    }
}

TEST_F(ModelFixture, ZoomAnchorsAtTheHighlightedPosition)
{
    model.AddChannel(Channel(1, { { 1, kDay0 + 6 * kHour, kDay0 + 12 * kHour, 0 } }));
    model.offset = 0;
    // 06:00 is a quarter of the track.
    model.SetZoomValue(2);
    EXPECT_EQ(model.offset, 250);
    EXPECT_EQ(model.TimeToPixel(kDay0 + 6 * kHour) - model.offset, 250);
}

TEST_F(ModelFixture, WheelStepsDoubleAboveFifty)
{
    struct Row {
        int from;
        bool in;
        int to;
    } rows[] = {
        { 49, true, 50 },
        { 50, true, 52 },
        { 99, true, 100 },
        { 100, true, 100 },
        { 1, true, 2 },
        { 53, false, 51 },
        { 52, false, 50 },
        { 51, false, 50 },
        { 2, false, 1 },
        { 1, false, 1 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.from << (row.in ? " in" : " out"));
        model.zoom = row.from;
        model.virtualWidth = row.from * 1000;
        model.offset = 0;
        row.in ? model.ZoomIn(0) : model.ZoomOut(0);
        EXPECT_EQ(model.zoom, row.to);
        EXPECT_EQ(model.virtualWidth, row.to * 1000);
    }
}

TEST_F(ModelFixture, DeepZoomKeepsTheAnchoredTime)
{
    // (offset + anchor) x zoom x width passes 2^31 here.
    model.zoom = 99;
    model.virtualWidth = 99000;
    model.offset = 98000;
    const int before = model.PixelToTime(900);
    model.ZoomIn(900);
    EXPECT_EQ(model.zoom, 100);
    EXPECT_NEAR(model.PixelToTime(900), before, 1);
    model.ZoomOut(900);
    EXPECT_NEAR(model.PixelToTime(900), before, 1);
}

TEST_F(ModelFixture, FillingRowsClampsTheFirstRow)
{
    for (int id : { 60, 10, 30, 20, 50, 40 }) {
        model.AddChannel(Channel(id, { { id, kDay0, kDay0 + kHour, 0 } }));
    }
    model.firstVisibleRow = 5;
    model.FillVisibleRows();
    EXPECT_EQ(model.firstVisibleRow, 2);
    EXPECT_EQ(std::vector<int>(std::begin(model.visibleChannels), std::end(model.visibleChannels)),
        (std::vector<int> { 30, 40, 50, 60 }));

    model.firstVisibleRow = -3;
    model.FillVisibleRows();
    EXPECT_EQ(model.visibleChannels[0], 10);

    for (int id : { 10, 20, 30, 40, 50 }) {
        model.RemoveChannel(id);
    }
    EXPECT_EQ(model.firstVisibleRow, 0);
    EXPECT_EQ(std::vector<int>(std::begin(model.visibleChannels), std::end(model.visibleChannels)),
        (std::vector<int> { 60, -1, -1, -1 }));
    model.RemoveChannel(60);
    EXPECT_EQ(model.firstVisibleRow, -1);
}

TEST_F(ModelFixture, FirstChannelIsHighlightedAtItsEarliestStart)
{
    EXPECT_EQ(model.firstVisibleRow, -1);
    model.AddChannel(Channel(5, { { 1, kDay0 + 20 * kHour, kDay0 + 21 * kHour, 0 } }));
    EXPECT_EQ(model.highlightedChannel, 5);
    int position = 0;
    ASSERT_TRUE(model.GetPositionOf(5, position));
    EXPECT_EQ(position, kDay0 + 20 * kHour);
    // 20:00 centred: 833 - 500, within [0, 0] at zoom 1.
    EXPECT_EQ(model.offset, 0);
    model.zoom = 4;
    model.virtualWidth = 4000;
    model.SyncToChannel(5);
    EXPECT_EQ(model.offset, 3333 - 500);

    model.AddChannel(Channel(3, {}));
    EXPECT_EQ(model.highlightedChannel, 5);
    EXPECT_FALSE(model.GetPositionOf(3, position));
    model.RemoveChannel(5);
    EXPECT_EQ(model.highlightedChannel, -1);
}

TEST_F(ModelFixture, SegmentAcrossMidnightIsListedUnderBothDays)
{
    model.AddChannel(Channel(1, { { 1, kDay0 + 23 * kHour, kDay0 + 25 * kHour, 0 } }));
    const auto& days = model.days.at(1).days;
    ASSERT_EQ(days.size(), 2U);
    EXPECT_EQ(days.begin()->first, (PlayDate { 2024, 3, 10 }));
    EXPECT_EQ(days.rbegin()->first, (PlayDate { 2024, 3, 11 }));
    EXPECT_TRUE(model.hasNextDay);
    EXPECT_FALSE(model.hasPrevDay);
    EXPECT_EQ(model.DayAt(1, 7), (PlayDate { 2024, 3, 11 }));
    EXPECT_EQ(model.DayAt(99, 0), PlayDate {});
}

TEST_F(ModelFixture, DayButtonsStepEveryChannel)
{
    model.zoom = 2;
    model.virtualWidth = 2000;
    model.AddChannel(Channel(1,
        { { 1, kDay0 + kHour, kDay0 + 2 * kHour, 0 },
            { 2, kDay0 + 86400 + kHour, kDay0 + 86400 + 2 * kHour, 0 } }));
    model.AddChannel(Channel(2, { { 3, kDay0 + kHour, kDay0 + 2 * kHour, 0 } }));
    model.offset = 700;
    model.StepAllToNextDay();
    EXPECT_EQ(model.CurrentDayOf(1), (PlayDate { 2024, 3, 11 }));
    EXPECT_EQ(model.CurrentDayOf(2), (PlayDate { 2024, 3, 10 }));
    EXPECT_EQ(model.dayIndex[1], 1);
    EXPECT_EQ(model.shownDayIndex, 1);
    EXPECT_EQ(model.offset, 0);
    EXPECT_FALSE(model.hasNextDay);
    EXPECT_TRUE(model.hasPrevDay);
    model.StepAllToNextDay();
    EXPECT_EQ(model.shownDayIndex, 1);

    model.StepAllToPreviousDay();
    EXPECT_EQ(model.CurrentDayOf(1), (PlayDate { 2024, 3, 10 }));
    EXPECT_EQ(model.offset, 1000); // the end of the day
    EXPECT_FALSE(model.hasPrevDay);
    EXPECT_TRUE(model.hasNextDay);

    // Highlighting a position on the later day brings every channel there.
    model.positions[1] = kDay0 + 86400 + kHour;
    model.SyncToChannel(1);
    EXPECT_EQ(model.shownDayIndex, 1);
    EXPECT_EQ(model.CurrentDayOf(1), (PlayDate { 2024, 3, 11 }));
}

TEST_F(ModelFixture, PositionsAreAcceptedWithinTenSecondsOfTheSpan)
{
    model.AddChannel(Channel(1, { { 1, kDay0 + 100, kDay0 + 200, 0 } }));
    struct Row {
        int time;
        bool accepted;
    } rows[] = { { kDay0 + 90, true }, { kDay0 + 89, false }, { kDay0 + 210, true }, { kDay0 + 211, false } };
    for (const Row& row : rows) {
        model.positions[1] = 0;
        EXPECT_EQ(model.SetPosition(1, row.time), row.accepted) << row.time;
        EXPECT_EQ(model.positions[1], row.accepted ? row.time : 0);
    }
    EXPECT_FALSE(model.SetPosition(2, kDay0 + 150));
    EXPECT_TRUE(model.SetPosition(-1, 12345));
    EXPECT_EQ(model.commonPosition, 12345);

    EXPECT_TRUE(model.SetPositionOffset(1, 100));
    EXPECT_EQ(model.positions[1], kDay0 + 200);
    EXPECT_FALSE(model.SetPositionOffset(1, 101));
    EXPECT_FALSE(model.SetPositionOffset(1, -1));
}

TEST_F(ModelFixture, RowsExcludeTheirEdgeLines)
{
    struct Row {
        int y, row, nameRow;
    } rows[] = { { 20, -1, 0 }, { 21, 0, 0 }, { 38, 0, 0 }, { 39, -1, 0 }, { 40, -1, 1 }, { 41, 1, 1 },
        { 98, 3, 3 }, { 99, -1, 3 }, { 100, -1, -1 }, { 19, -1, -1 } };
    for (const Row& row : rows) {
        EXPECT_EQ(model.RowAt(row.y), row.row) << row.y;
        EXPECT_EQ(model.NameRowAt(row.y), row.nameRow) << row.y;
    }
}

TEST_F(ModelFixture, PixelsMapToTimesAndSegments)
{
    model.AddChannel(Channel(1,
        { { 11, kDay0 + 6 * kHour, kDay0 + 7 * kHour, 0 },
            { 12, kDay0 + 12 * kHour, kDay0 + 18 * kHour, 0 } }));
    model.zoom = 2;
    model.virtualWidth = 2000;
    model.offset = 500;
    struct Row {
        int x, time;
        float percent;
        int segment;
    } rows[] = {
        { 0, 6 * kHour, 25.0F, 11 },
        { 500, 12 * kHour, 50.0F, 12 },
        { 250, 9 * kHour, 37.5F, -1 },
        { 999, 86400 * 1499 / 2000, 74.95F, 12 },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(model.PixelToTime(row.x), row.time) << row.x;
        EXPECT_FLOAT_EQ(model.PixelToPercent(row.x), row.percent) << row.x;
        EXPECT_EQ(model.FindSegmentAt(1, model.PixelToPercent(row.x)), row.segment) << row.x;
    }
    EXPECT_EQ(model.FindSegmentAt(2, 50.0F), -1);
}

TEST_F(ModelFixture, SingleChannelViewMeasuresTheCurrentSegment)
{
    model.AddChannel(Channel(1, { { 11, kDay0, kDay0 + 1000, 0 }, { 12, kDay0 + 5000, kDay0 + 8000, 0 } }));
    model.SetSingleChannelMode(1, true);
    model.positions[1] = kDay0 + 6000;
    EXPECT_EQ(model.singleVirtualWidth, 1000);
    EXPECT_EQ(model.PixelToTime(0), kDay0 + 5000);
    EXPECT_EQ(model.PixelToTime(500), kDay0 + 6500);
    EXPECT_FLOAT_EQ(model.PixelToPercent(250), 25.0F);
    // A quarter of 4000 s of recordings falls in the second segment.
    EXPECT_EQ(model.FindSegmentAt(1, 25.0F), 12);
    EXPECT_EQ(model.FindSegmentAt(1, 24.0F), 11);
    model.positions[1] = kDay0 + 3000; // between segments
    EXPECT_EQ(model.PixelToTime(500), 0);
    model.SetSingleChannelMode(9, true);
    EXPECT_EQ(model.PixelToTime(500), -1);
    EXPECT_FLOAT_EQ(model.PixelToPercent(500), -1.0F);

    // Zoom stays 1 in this view.
    model.SetSingleChannelMode(1, true);
    model.SetZoomValue(50);
    model.ZoomIn(300);
    EXPECT_EQ(model.singleZoom, 1);
    EXPECT_EQ(model.singleOffset, 0);
    EXPECT_EQ(model.zoom, 1);
}

TEST_F(ModelFixture, CutPointMovesTheNearerMark)
{
    model.AddChannel(Channel(1, { { 11, kDay0, kDay0 + 86400, 0 } }));
    model.cutEnabled = true;
    model.cutMarks[0] = kDay0 + 100;
    model.cutMarks[1] = kDay0 + 300;
    struct Row {
        const char* name;
        int time;
        bool first;
    } rows[] = { { "nearer the first", kDay0 + 150, true }, { "tie moves the second", kDay0 + 200, false } };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        model.cutMarks[0] = kDay0 + 100;
        model.cutMarks[1] = kDay0 + 300;
        model.virtualWidth = 8640; // 10 s per pixel
        model.offset = 0;
        const PlayCutResult result = model.SetCutPoint(100 + (row.time - kDay0) / 10);
        EXPECT_EQ(result.bFirstMark, row.first);
        EXPECT_EQ(result.nTime, row.time);
        EXPECT_EQ(model.cutMarks[row.first ? 0 : 1], row.time);
        EXPECT_TRUE(result.bReport);
        EXPECT_EQ(result.nChannel, 1);
        EXPECT_EQ(result.nSegment, 11);
    }
}

TEST_F(ModelFixture, CutTimeNeedsTheCutFlagAndAValidIndex)
{
    EXPECT_FALSE(model.SetCutTime(0, 50.9));
    model.cutEnabled = true;
    EXPECT_TRUE(model.SetCutTime(0, 50.9));
    EXPECT_TRUE(model.SetCutTime(1, -7.9));
    EXPECT_FALSE(model.SetCutTime(2, 1.0));
    EXPECT_FALSE(model.SetCutTime(1, 1e12));
    EXPECT_FALSE(model.SetCutTime(1, std::nan("")));
    EXPECT_EQ(model.cutMarks[0], 50);
    EXPECT_EQ(model.cutMarks[1], -7);
}

TEST_F(ModelFixture, ViewTimeComesToTheLeftEdge)
{
    model.zoom = 4;
    model.virtualWidth = 4000;
    model.SetViewTime(kDay0 + 6 * kHour);
    EXPECT_EQ(model.offset, 1000);
    model.SetViewTime(kDay0 + 23 * kHour);
    EXPECT_EQ(model.offset, 3000); // clamped to the end
    // At the deepest zoom width x second of day passes 32 bits.
    model.zoom = 100;
    model.virtualWidth = 100000;
    model.SetViewTime(kDay0 + 12 * kHour);
    EXPECT_EQ(model.offset, 50000);
    EXPECT_EQ(model.TimeToPixel(kDay0 + 18 * kHour), 75000);
}

TEST_F(ModelFixture, TimerWrapsChannelZeroInSingleMode)
{
    model.AddChannel(Channel(0, { { 1, kDay0 + 10, kDay0 + 12, 0 } }));
    EXPECT_FALSE(model.AdvanceSingleChannel());
    model.SetSingleChannelMode(0, true);
    model.positions[0] = kDay0 + 11;
    EXPECT_TRUE(model.AdvanceSingleChannel());
    EXPECT_EQ(model.positions[0], kDay0 + 12);
    EXPECT_TRUE(model.AdvanceSingleChannel());
    EXPECT_EQ(model.positions[0], kDay0 + 10);
}

} // namespace
