#include "ui/video/PlayProgressModel.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kDay = PlayProgressModel::kSecondsPerDay;
// How far outside its recordings the owner may put a channel's position.
constexpr int64_t kPositionTolerance = 10;

int ClampInt(int value, int low, int high)
{
    // An upper bound below the lower one (no track yet) pins to the lower.
    return std::max(low, std::min(value, high));
}

} // namespace

int PlayTruncate(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

PlayProgressModel::PlayProgressModel(std::map<int, PlayChannelInfo>& channelTable)
    : table(channelTable)
{
}

// ---- Channels ---------------------------------------------------------------

const PlayChannelInfo* PlayProgressModel::FindChannel(int channel) const
{
    const auto it = table.find(channel);
    return it == table.end() ? nullptr : &it->second;
}

void PlayProgressModel::AddChannel(const PlayChannelInfo& info)
{
    const int id = info.nChannel;
    PlayChannelInfo& stored = table[id];
    stored = info;

    PlayChannelDays channelDays;
    for (size_t i = 0; i < stored.segments.size(); ++i) {
        const PlaySegment& segment = stored.segments[i];
        channelDays.days[PlayDateOf(segment.nStart)].push_back(i);
        channelDays.days[PlayDateOf(segment.nEnd)].push_back(i);
    }
    int start = 0;
    const int span = GetSpan(stored, 0, &start);
    channelDays.current = PlayDateOf(start);
    days[id] = std::move(channelDays);

    if (!hasPrevDay) {
        hasPrevDay = HasPrevDay(id);
    }
    if (!hasNextDay) {
        hasNextDay = HasNextDay(id);
    }
    if (span > 0) {
        positions[id] = start;
    }
    dayIndex[id] = 0;
    if (highlightedChannel == -1) {
        highlightedChannel = id;
        SyncToChannel(id);
    }
    FillVisibleRows();
}

void PlayProgressModel::RemoveChannel(int channel)
{
    table.erase(channel);
    days.erase(channel);
    dayIndex.erase(channel);
    positions.erase(channel);
    if (table.empty()) {
        commonPosition = 0;
    }
    RecomputeDayFlags();
    if (highlightedChannel == channel) {
        highlightedChannel = -1;
    }
    shownDayIndex = 0;
    FillVisibleRows();
}

void PlayProgressModel::RecomputeDayFlags()
{
    hasPrevDay = false;
    hasNextDay = false;
    for (const auto& entry : table) {
        hasPrevDay = hasPrevDay || HasPrevDay(entry.first);
        hasNextDay = hasNextDay || HasNextDay(entry.first);
    }
}

void PlayProgressModel::FillVisibleRows()
{
    std::fill(std::begin(visibleChannels), std::end(visibleChannels), -1);
    const int count = static_cast<int>(table.size());
    if (count == 0) {
        firstVisibleRow = -1;
        return;
    }
    firstVisibleRow = count < kRows ? 0 : ClampInt(firstVisibleRow, 0, count - kRows);
    auto it = table.begin();
    std::advance(it, firstVisibleRow);
    for (int row = 0; row < kRows && it != table.end(); ++row, ++it) {
        visibleChannels[row] = it->first;
    }
}

bool PlayProgressModel::IsVisible(int channel) const
{
    return std::find(std::begin(visibleChannels), std::end(visibleChannels), channel)
        != std::end(visibleChannels);
}

bool PlayProgressModel::GetPositionOf(int channel, int& position) const
{
    const auto it = positions.find(channel);
    if (it == positions.end()) {
        return false;
    }
    position = it->second;
    return true;
}

int PlayProgressModel::GetSpan(const PlayChannelInfo& info, int t, int* start, int* end)
{
    int first = 0;
    int last = 0;
    if (t == 0) {
        first = INT_MAX;
        last = 0;
        for (const PlaySegment& segment : info.segments) {
            first = std::min(first, segment.nStart);
            last = std::max(last, segment.nEnd);
        }
    } else {
        first = 0;
        last = -1;
        for (const PlaySegment& segment : info.segments) {
            if (segment.nStart < t && t < segment.nEnd) {
                first = segment.nStart;
                last = segment.nEnd;
                break;
            }
        }
    }
    if (start != nullptr) {
        *start = first;
    }
    if (end != nullptr) {
        *end = last;
    }
    // Wide enough that no pair of 32-bit times overflows; what no int holds
    // is no span anyway.
    const int64_t span = static_cast<int64_t>(last) - first;
    return span > INT_MAX ? INT_MAX : (span < INT_MIN ? -1 : static_cast<int>(span));
}

int64_t PlayProgressModel::TotalDuration(const PlayChannelInfo& info)
{
    int64_t total = 0;
    for (const PlaySegment& segment : info.segments) {
        total += static_cast<int64_t>(segment.nEnd) - segment.nStart;
    }
    return total;
}

// ---- Positions ----------------------------------------------------------------

bool PlayProgressModel::SetPosition(int channel, int time)
{
    if (channel == -1) {
        commonPosition = time;
        return true;
    }
    const PlayChannelInfo* info = FindChannel(channel);
    if (info == nullptr) {
        return false;
    }
    int start = 0;
    int end = 0;
    GetSpan(*info, 0, &start, &end);
    if (time < start - kPositionTolerance || time > end + kPositionTolerance) {
        return false;
    }
    positions[channel] = time;
    return true;
}

bool PlayProgressModel::SetPositionOffset(int channel, int offset)
{
    const PlayChannelInfo* info = FindChannel(channel);
    if (info == nullptr || offset < 0) {
        return false;
    }
    int start = 0;
    int end = 0;
    GetSpan(*info, 0, &start, &end);
    const int64_t time = static_cast<int64_t>(start) + offset;
    if (time > end) {
        return false;
    }
    positions[channel] = static_cast<int>(time);
    return true;
}

void PlayProgressModel::SetHighlightChannel(int channel)
{
    if (!HasChannel(channel)) {
        highlightedChannel = -1;
        return;
    }
    if (channel != highlightedChannel) {
        highlightedChannel = channel;
        SyncToChannel(channel);
    }
    if (!IsVisible(channel)) {
        firstVisibleRow = static_cast<int>(std::distance(table.begin(), table.find(channel)));
        FillVisibleRows();
    }
}

void PlayProgressModel::SetSingleChannelMode(int channel, bool on)
{
    singleMode = on;
    singleChannel = channel;
    if (HasChannel(channel)) {
        singleZoom = 1;
        singleMaxZoom = 1;
        singleOffset = 0;
    }
    OffsetRects(0, 0);
}

void PlayProgressModel::SetViewTime(int time)
{
    if (singleMode) {
        singleOffset = 0;
        return;
    }
    offset = ClampInt(PlayTruncate(static_cast<double>(virtualWidth) * PlaySecondOfDay(time) / kDay), 0,
        virtualWidth - visibleWidth);
}

bool PlayProgressModel::AdvanceSingleChannel()
{
    const PlayChannelInfo* info = FindChannel(0);
    const auto it = positions.find(0);
    if (!singleMode || info == nullptr || it == positions.end()) {
        return false;
    }
    int start = 0;
    int end = 0;
    GetSpan(*info, 0, &start, &end);
    it->second = it->second < INT_MAX ? it->second + 1 : it->second;
    if (it->second > end) {
        it->second = start;
    }
    return true;
}

// ---- Days -----------------------------------------------------------------------

bool PlayProgressModel::HasNextDay(int channel) const
{
    const auto it = days.find(channel);
    if (it == days.end() || it->second.days.size() < 2) {
        return false;
    }
    return it->second.days.upper_bound(it->second.current) != it->second.days.end();
}

bool PlayProgressModel::HasPrevDay(int channel) const
{
    const auto it = days.find(channel);
    if (it == days.end() || it->second.days.size() < 2) {
        return false;
    }
    return it->second.days.begin()->first < it->second.current;
}

bool PlayProgressModel::GoToNextDay(int channel)
{
    const auto it = days.find(channel);
    if (it == days.end() || it->second.days.size() < 2) {
        return false;
    }
    const auto next = it->second.days.upper_bound(it->second.current);
    if (next == it->second.days.end()) {
        return false;
    }
    it->second.current = next->first;
    return true;
}

bool PlayProgressModel::GoToPrevDay(int channel)
{
    const auto it = days.find(channel);
    if (it == days.end() || it->second.days.size() < 2) {
        return false;
    }
    auto previous = it->second.days.lower_bound(it->second.current);
    if (previous == it->second.days.begin()) {
        return false;
    }
    --previous;
    it->second.current = previous->first;
    return true;
}

PlayDate PlayProgressModel::DayAt(int channel, int k) const
{
    const auto it = days.find(channel);
    if (it == days.end() || it->second.days.empty()) {
        return PlayDate {};
    }
    const auto& map = it->second.days;
    if (k >= static_cast<int>(map.size())) {
        return map.rbegin()->first;
    }
    // The shown day can step below a channel's first day once channels
    // were removed; that channel then shows its first day.
    auto day = map.begin();
    std::advance(day, std::max(k, 0));
    return day->first;
}

PlayDate PlayProgressModel::CurrentDayOf(int channel) const
{
    const auto it = days.find(channel);
    return it == days.end() ? PlayDate {} : it->second.current;
}

void PlayProgressModel::StepAllToPreviousDay()
{
    if (!hasPrevDay) {
        return;
    }
    bool any = false;
    for (const auto& entry : table) {
        if (GoToPrevDay(entry.first)) {
            dayIndex[entry.first] -= 1;
            // Stepping back shows the end of the day.
            offset = virtualWidth - visibleWidth;
        }
        any = any || HasPrevDay(entry.first);
    }
    shownDayIndex -= 1;
    hasPrevDay = any;
    hasNextDay = true;
}

void PlayProgressModel::StepAllToNextDay()
{
    if (!hasNextDay) {
        return;
    }
    bool any = false;
    for (const auto& entry : table) {
        if (GoToNextDay(entry.first)) {
            dayIndex[entry.first] += 1;
            offset = 0;
        }
        any = any || HasNextDay(entry.first);
    }
    shownDayIndex += 1;
    hasNextDay = any;
    hasPrevDay = true;
}

void PlayProgressModel::SyncToChannel(int channel)
{
    int position = 0;
    const auto entry = days.find(channel);
    if (singleMode || !GetPositionOf(channel, position) || entry == days.end()) {
        return;
    }
    const auto& map = entry->second.days;
    const auto found = map.find(PlayDateOf(position));
    const int k = static_cast<int>(std::distance(map.begin(), found));

    const int steps = shownDayIndex - k;
    for (int pass = 0; pass < std::abs(steps); ++pass) {
        bool any = false;
        for (const auto& item : table) {
            if (steps > 0) {
                if (GoToPrevDay(item.first)) {
                    dayIndex[item.first] -= 1;
                }
                any = any || HasPrevDay(item.first);
            } else {
                if (GoToNextDay(item.first)) {
                    dayIndex[item.first] += 1;
                }
                any = any || HasNextDay(item.first);
            }
        }
        if (steps > 0) {
            hasPrevDay = any;
            hasNextDay = true;
        } else {
            hasNextDay = any;
            hasPrevDay = true;
        }
    }
    shownDayIndex = k;

    const double intoDay = static_cast<double>(position) - PlayMidnightOf(CurrentDayOf(channel));
    offset = ClampInt(
        PlayTruncate(virtualWidth * intoDay / kDay - visibleWidth / 2), 0, virtualWidth - visibleWidth);
}

// ---- Zoom, scroll, layout ---------------------------------------------------------

int PlayProgressModel::AnchoredOffset(int anchor, int newZoom) const
{
    if (virtualWidth <= 0) {
        return offset;
    }
    // In double: (offset + anchor) x zoom x width leaves 32 bits long before
    // the largest zoom.
    const double scaled = (static_cast<double>(offset) + anchor) * newZoom * visibleWidth / virtualWidth;
    return PlayTruncate(scaled - anchor);
}

void PlayProgressModel::SetZoomValue(int value)
{
    if (singleMode) {
        singleZoom = singleMaxZoom < 1 ? singleMaxZoom : 1;
        singleOffset = 0;
        singleVirtualWidth = singleZoom * visibleWidth;
        return;
    }
    int anchor = visibleWidth / 2;
    int position = 0;
    if (IsVisible(highlightedChannel) && highlightedChannel >= 0
        && GetPositionOf(highlightedChannel, position)) {
        const int a = TimeToPixel(position) - offset;
        if (a > 0 && a < visibleWidth) {
            anchor = a;
        }
    }
    const int newZoom = ClampInt(value, kMinZoom, kMaxZoom);
    offset = ClampInt(AnchoredOffset(anchor, newZoom), 0, (newZoom - 1) * visibleWidth);
    zoom = newZoom;
    virtualWidth = newZoom * visibleWidth;
}

void PlayProgressModel::ZoomIn(int anchor)
{
    if (singleMode) {
        singleZoom = 1;
        if (singleVirtualWidth > 0) {
            singleOffset = PlayTruncate(
                (static_cast<double>(singleOffset) + anchor) * visibleWidth / singleVirtualWidth - anchor);
        }
        singleVirtualWidth = singleZoom * visibleWidth;
        return;
    }
    // Steps double above 50 so that the far end of the range is reached in
    // fewer turns.
    int newZoom = zoom + 1 > 50 ? zoom + 2 : zoom + 1;
    newZoom = std::min(newZoom, kMaxZoom);
    offset = AnchoredOffset(anchor, newZoom);
    zoom = newZoom;
    virtualWidth = newZoom * visibleWidth;
}

void PlayProgressModel::ZoomOut(int anchor)
{
    if (singleMode) {
        singleZoom = 1;
        singleOffset = 0;
        singleVirtualWidth = singleZoom * visibleWidth;
        return;
    }
    int newZoom = zoom - 1 > 50 ? zoom - 2 : zoom - 1;
    newZoom = std::max(newZoom, kMinZoom);
    offset = ClampInt(AnchoredOffset(anchor, newZoom), 0, (newZoom - 1) * visibleWidth);
    zoom = newZoom;
    virtualWidth = newZoom * visibleWidth;
}

void PlayProgressModel::OffsetRects(int dx, int /*dy*/)
{
    trackRect.setRight(trackRect.right() + dx);
    nextDayRect.translate(dx, 0);
    visibleWidth = trackRect.right() - trackRect.left() + 1;
    if (virtualWidth > 0) {
        offset = static_cast<int>(static_cast<int64_t>(zoom) * offset * visibleWidth / virtualWidth);
    }
    virtualWidth = zoom * visibleWidth;
    singleVirtualWidth = singleZoom * visibleWidth;
}

int PlayProgressModel::TimeToPixel(int time) const
{
    return PlayTruncate(static_cast<double>(virtualWidth) * PlaySecondOfDay(time) / kDay);
}

// ---- Rows -------------------------------------------------------------------------

int PlayProgressModel::RowHeight() const
{
    return (trackRect.bottom() - nameRect.top() + 1) / kRows;
}

int PlayProgressModel::RowAt(int y) const
{
    for (int row = 0; row < kRows; ++row) {
        if (RowTop(row) < y && y < RowBottom(row)) {
            return row;
        }
    }
    return -1;
}

int PlayProgressModel::NameRowTop(int row) const
{
    return nameRect.top() + row * NameRowHeight();
}

int PlayProgressModel::NameRowAt(int y) const
{
    const int height = NameRowHeight();
    for (int row = 0; row < kRows; ++row) {
        const int top = NameRowTop(row);
        if (y >= top && y <= top + height - 1) {
            return row;
        }
    }
    return -1;
}

int PlayProgressModel::ChannelOfRow(int row) const
{
    return row >= 0 && row < kRows ? visibleChannels[row] : -1;
}

// ---- The pointer on the track ---------------------------------------------------------

int PlayProgressModel::PixelToTime(int x) const
{
    if (!singleMode) {
        if (virtualWidth <= 0) {
            return -1;
        }
        return PlayTruncate((static_cast<double>(offset) + x) * kDay / virtualWidth);
    }
    const PlayChannelInfo* info = FindChannel(singleChannel);
    if (info == nullptr) {
        return -1;
    }
    int position = 0;
    int start = 0;
    int end = 0;
    if (!GetPositionOf(singleChannel, position) || GetSpan(*info, position, &start, &end) < 0
        || singleVirtualWidth <= 0) {
        return 0;
    }
    const double fraction = (static_cast<double>(singleOffset) + x) / singleVirtualWidth;
    return PlayTruncate(start + fraction * (static_cast<double>(end) - start));
}

float PlayProgressModel::PixelToPercent(int x) const
{
    if (!singleMode) {
        if (virtualWidth <= 0) {
            return 0.0F;
        }
        return static_cast<float>((static_cast<double>(offset) + x) / virtualWidth * 100.0);
    }
    const PlayChannelInfo* info = FindChannel(singleChannel);
    if (info == nullptr) {
        return -1.0F;
    }
    if (GetSpan(*info, 0) < 1 || singleVirtualWidth <= 0) {
        return 0.0F;
    }
    return static_cast<float>((static_cast<double>(singleOffset) + x) / singleVirtualWidth * 100.0);
}

int PlayProgressModel::FindSegmentAt(int channel, float percent) const
{
    const PlayChannelInfo* info = FindChannel(channel);
    if (info == nullptr || info->segments.empty() || GetSpan(*info, 0) < 1) {
        return -1;
    }
    if (singleMode) {
        const auto target = static_cast<int64_t>(static_cast<double>(TotalDuration(*info)) * percent / 100.0);
        int64_t before = 0;
        for (const PlaySegment& segment : info->segments) {
            const int64_t length = static_cast<int64_t>(segment.nEnd) - segment.nStart;
            if (target < before + length) {
                return segment.nID;
            }
            before += length;
        }
        return -1;
    }
    const int64_t time = static_cast<int64_t>(PlayMidnightOf(DayAt(channel, shownDayIndex)))
        + static_cast<int64_t>(static_cast<double>(percent) * kDay / 100.0);
    for (const PlaySegment& segment : info->segments) {
        if (segment.nStart <= time && time <= segment.nEnd) {
            return segment.nID;
        }
    }
    return -1;
}

PlayCutResult PlayProgressModel::SetCutPoint(int x)
{
    const int along = x - trackRect.left();
    int64_t time = PixelToTime(along);
    if (!singleMode) {
        time += PlayMidnightOf(CurrentDayOf(ChannelOfRow(0)));
    }
    const int t = static_cast<int>(std::clamp<int64_t>(time, INT_MIN, INT_MAX));

    PlayCutResult result;
    result.nTime = t;
    result.bFirstMark = std::llabs(static_cast<int64_t>(t) - cutMarks[0])
        < std::llabs(static_cast<int64_t>(t) - cutMarks[1]);
    cutMarks[result.bFirstMark ? 0 : 1] = t;

    const int channel = singleMode ? singleChannel : ChannelOfRow(0);
    if (HasChannel(channel) && channel >= 0) {
        result.bReport = true;
        result.nChannel = channel;
        result.nSegment = FindSegmentAt(channel, PixelToPercent(along));
    }
    return result;
}

bool PlayProgressModel::SetCutTime(unsigned index, double time)
{
    if (!cutEnabled || index >= 2 || std::isnan(time) || time >= 2147483648.0 || time <= -2147483649.0) {
        return false;
    }
    cutMarks[index] = static_cast<int>(time);
    return true;
}
