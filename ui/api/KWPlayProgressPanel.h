#pragma once
// Multi-channel playback timeline: recorded segments of one day per channel,
// play positions, a highlighted channel and cut marks.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"
#include "ui/api/KWVideoTypes.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One recorded stretch of a channel; times are seconds of the C library's
// calendar time.
struct PlaySegment {
    int32_t nID = 0; // reported to the owner
    int32_t nStart = 0;
    int32_t nEnd = 0;
    int32_t nReserved = 0; // carried, never read
};

// Records of three values that a channel carries unread.
struct PlayChannelMark {
    int32_t nValue1 = 0;
    int32_t nValue2 = 0;
    int32_t nValue3 = 0;
};

// One channel as the owner describes it; the panel keeps a copy.
struct PlayChannelInfo {
    int32_t nChannel = 0;
    std::wstring strName; // row label and tool tip
    std::vector<PlaySegment> segments;
    std::vector<PlayChannelMark> marks;
    std::wstring strNote; // drawn centred in the row when not empty
};

// The timeline's owner.
class IPlayProgressEvent {
public:
    virtual void OnPositionChanged(UINT /*id*/, int /*channel*/, int /*segment*/, int /*time*/, VIDEOCUT_TYPE /*type*/) {}
    virtual void OnSetHighlight(UINT /*id*/, int /*channel*/) {}
    virtual void OnMouseOverChannel(UINT /*id*/, int /*channel*/, POINT /*point*/, int /*time*/) {}
    virtual void PPP_OnMouseLeave(UINT /*id*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IPlayProgressEvent() = default;
};

class CKWPlayProgressPanel {
public:
    explicit CKWPlayProgressPanel(IPlayProgressEvent* listener) : m_pListener(listener) {}
    CKWPlayProgressPanel(const CKWPlayProgressPanel&) = default;
    CKWPlayProgressPanel& operator=(const CKWPlayProgressPanel&) = default;
    virtual ~CKWPlayProgressPanel() = default;

    virtual void SetChannelInfo(PlayChannelInfo* /*info*/) {}
    virtual void RemoveChannel(int /*channel*/) {}
    virtual PlayChannelInfo* GetChannelInfo(int /*channel*/) { return nullptr; }
    virtual void SetBkImage(const wchar_t* /*fileName*/) {}
    // Slots 5, 6, 7, 9, 10 and 28 have no operation; callers must not use them.
    virtual void ReservedSlot5(int /*value1*/, int /*value2*/, int /*value3*/, int /*value4*/, int /*value5*/) {}
    virtual void ReservedSlot6(int /*value1*/, int /*value2*/, int /*value3*/, int /*value4*/, int /*value5*/) {}
    virtual void ReservedSlot7() {}
    virtual void SetZoom(int /*zoom*/) {}
    virtual void ReservedSlot9(int /*value1*/, int /*value2*/) {}
    virtual void ReservedSlot10(int /*value*/) {}
    virtual int Create(int /*value1*/, int /*value2*/, int /*value3*/, const RECT* /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(const RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void SetPosition(int /*channel*/, int /*time*/) {}
    virtual int GetPosition(int /*channel*/) { return 0; }
    virtual void SetPositionOffset(int /*channel*/, int /*offset*/) {}
    virtual void SetHighlightChannel(int /*channel*/) {}
    virtual void SetSingleChannelMode(int /*channel*/, bool /*on*/) {}
    virtual void ScrollDown() {}
    virtual void ScrollUp() {}
    virtual void SetSkin(ImagePlayProgressStyle* /*style*/) {}
    virtual void SetSkinPictures(ImagePlayProgressPicStyle* /*style*/) {}
    virtual void SetCommonCursor(bool /*on*/) {}
    virtual bool EnableCut(bool /*on*/) { return false; }
    virtual void SetViewTime(int /*time*/) {}
    virtual void SetCutTime(UINT /*index*/, double /*time*/) {}
    virtual void ReservedSlot28(int /*value*/) {}

protected:
    IPlayProgressEvent* m_pListener; // not owned
    std::map<int, PlayChannelInfo> m_mapChannels; // channel table by channel id
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWPlayProgressPanel* CreatePlayProgressPanel(IPlayProgressEvent* listener);
