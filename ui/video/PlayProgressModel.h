#pragma once
// State of the playback timeline shared by the control and its drawing
// surface, and every computation they make on it: time <-> pixel, zoom and
// scroll, the days each channel has recordings on, rows, segments under the
// pointer and the cut marks. No widget here; the rectangles are plain values
// in the drawing surface's coordinates.

#include "ui/api/KWPlayProgressPanel.h"
#include "ui/video/PlayDate.h"

#include <QRect>

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

// The days a channel has recordings on. A segment is listed under the date of
// its start and under the date of its end (twice under one day when both fall
// on it; drawing it twice is harmless). Entries are indices into the
// channel's segment list, which stay valid while the channel is not replaced.
struct PlayChannelDays {
    PlayDate current;
    std::map<PlayDate, std::vector<size_t>> days;
};

// What SetCutPoint did: which mark moved, and the report to make when the
// channel it concerns is known.
struct PlayCutResult {
    bool bReport = false;
    int nChannel = -1;
    int nSegment = -1;
    int nTime = 0;
    bool bFirstMark = false;
};

class PlayProgressModel {
public:
    static constexpr int kRows = 4;
    static constexpr int kSecondsPerDay = 86400;
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 100;

    explicit PlayProgressModel(std::map<int, PlayChannelInfo>& channelTable);
    PlayProgressModel(const PlayProgressModel&) = delete;
    PlayProgressModel& operator=(const PlayProgressModel&) = delete;

    // ---- Channels ----
    const PlayChannelInfo* FindChannel(int channel) const;
    bool HasChannel(int channel) const { return FindChannel(channel) != nullptr; }
    // Inserts or replaces the channel and builds its days; the first channel
    // becomes the highlighted one and brings its day into view.
    void AddChannel(const PlayChannelInfo& info);
    void RemoveChannel(int channel);
    // The channel ids of rows 0-3 from the first visible row on; -1 for an
    // empty row.
    void FillVisibleRows();
    bool IsVisible(int channel) const;
    // The position of the channel; false when it has none.
    bool GetPositionOf(int channel, int& position) const;

    // Span of the channel's recordings. t = 0: from the earliest start to the
    // latest end. Otherwise the first segment with start < t < end. Negative
    // when there is none; start and end are written either way.
    static int GetSpan(const PlayChannelInfo& info, int t, int* start = nullptr, int* end = nullptr);
    static int64_t TotalDuration(const PlayChannelInfo& info);

    // ---- Positions (the control applies its drag guard first) ----
    // Accepted within the channel's span widened by 10 s at both ends; -1 sets
    // the common position. Returns whether something changed.
    bool SetPosition(int channel, int time);
    // Earliest start + offset, accepted up to the latest end.
    bool SetPositionOffset(int channel, int offset);
    // Highlights a channel and scrolls it into the visible rows; an unknown
    // channel clears the highlight.
    void SetHighlightChannel(int channel);
    void SetSingleChannelMode(int channel, bool on);
    // Brings the time of day to the track's left edge (day view only).
    void SetViewTime(int time);
    // One second of play of channel 0 in single-channel mode, wrapping from
    // its latest end to its earliest start. Returns whether it moved.
    bool AdvanceSingleChannel();

    // ---- Days ----
    bool HasNextDay(int channel) const;
    bool HasPrevDay(int channel) const;
    bool GoToNextDay(int channel);
    bool GoToPrevDay(int channel);
    // The k-th day of the channel (the latest when k is past the end);
    // 1970-01-01 when it has none.
    PlayDate DayAt(int channel, int k) const;
    PlayDate CurrentDayOf(int channel) const;
    void StepAllToPreviousDay();
    void StepAllToNextDay();
    // Brings every channel to the day of this channel's position and centres
    // that position.
    void SyncToChannel(int channel);

    // ---- Zoom, scroll, layout ----
    // The zoom slider's value (also SetZoom).
    void SetZoomValue(int value);
    // Wheel steps, anchored at a pixels from the track's left edge.
    void ZoomIn(int anchor);
    void ZoomOut(int anchor);
    // The track and the next-day button grow by dx; sizes follow.
    void OffsetRects(int dx, int dy);
    int TimeToPixel(int time) const;

    // ---- Rows ----
    int RowHeight() const;
    int RowTop(int row) const { return nameRect.top() + row * RowHeight(); }
    int RowBottom(int row) const { return RowTop(row) + RowHeight() - 1; }
    // The row whose band holds y strictly inside (its first and last pixel
    // lines belong to no row); -1 when none.
    int RowAt(int y) const;
    // The row of the name column's own band that holds y (edges included);
    // -1 when none.
    int NameRowAt(int y) const;
    int NameRowTop(int row) const;
    int NameRowHeight() const { return (nameRect.bottom() - nameRect.top() + 1) / kRows; }
    // The channel shown in a row, -1 when the row is empty or out of range.
    int ChannelOfRow(int row) const;

    // ---- The pointer on the track (x measured from the track's left) ----
    // Day view: a second of day (-1 without a track). Single-channel view: an
    // absolute time, -1 when the single channel is unknown, 0 when it has no
    // position or no segment holds it.
    int PixelToTime(int x) const;
    float PixelToPercent(int x) const;
    // The id of the segment at a percentage of the track; -1 when none.
    int FindSegmentAt(int channel, float percent) const;
    // x in the drawing surface's coordinates: the nearer cut mark (the second
    // on a tie) moves to the time there.
    PlayCutResult SetCutPoint(int x);
    // Only when the cut flag is set and the index is 0 or 1; a value that no
    // 32-bit time can hold is refused.
    bool SetCutTime(unsigned index, double time);

    // ---- State (the drawing surface works on it directly) ----
    std::map<int, PlayChannelInfo>& table;
    int firstVisibleRow = -1;
    std::map<int, int> positions;
    std::map<int, PlayChannelDays> days;
    std::map<int, int> dayIndex;
    int shownDayIndex = 0;
    int visibleChannels[kRows] = { -1, -1, -1, -1 };
    int highlightedChannel = -1;
    bool commonCursor = false;
    bool cutEnabled = false;
    int cutMarks[2] = { 0, 0 };
    int commonPosition = 0;
    bool singleMode = false;
    int singleChannel = -1;
    int singleZoom = 1;
    int singleMaxZoom = 1;
    int singleOffset = 0;
    int singleVirtualWidth = 0;
    int zoom = 1;
    int offset = 0;
    int virtualWidth = 0;
    int visibleWidth = 0;
    bool hasPrevDay = false;
    bool hasNextDay = false;
    QRect nameRect;
    QRect trackRect;
    QRect prevDayRect;
    QRect nextDayRect;

private:
    // Offset after a zoom to newZoom, keeping the time under the anchor where
    // it is.
    int AnchoredOffset(int anchor, int newZoom) const;
    void RecomputeDayFlags();
};

// Floating point to int, truncating toward zero; values no int can hold (and
// NaN) are clamped rather than left undefined.
int PlayTruncate(double value);
