#pragma once
// A video-window listener that records every event it hears, and the I420
// pictures the video tests hand to the windows.

#include "tests/common/KWTestKit.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWVideoWindow.h"
#include "ui/video/KWFishEyeEptzInfo.h"

#include <algorithm>
#include <vector>

class VideoListener : public IKWVideoWindowEvent, public KWCallRecorder {
public:
    void OnLayoutChanged() override { Record("OnLayoutChanged"); }
    void OnBnClickedVideoClose(int index, int id) override { Record("Close", index, id); }
    void OnBnClickedVideoSnap(int index, int id) override { Record("Snap", index, id); }
    void OnBnClickedVideoRecord(int index, int id, int state) override { Record("Record", index, id, state); }
    void OnBnClickedVideoProperty(int index, int id) override { Record("Property", index, id); }
    void OnFocusWndChanged(int newId, int oldId) override { Record("Focus", newId, oldId); }
    void OnSubWndExchanged(int dragged, int other) override { Record("Exchanged", dragged, other); }
    void OnSubWinZoom(int index, int id, int in) override { Record("Zoom", index, id, in); }
    void OnSubWinOccupyRoom(int index, int id, int zoomed) override { Record("Occupy", index, id, zoomed); }
    void VideoWidow_OnLButtonDown(int index, int id, POINT& p) override { Record("Down", index, id, p.x, p.y); }
    void VideoWidow_OnLButtonUp(int index, int id, POINT& p) override { Record("Up", index, id, p.x, p.y); }
    void VideoWidow_OnMouseMove(int index, int id, POINT& p) override { Record("Move", index, id, p.x, p.y); }
    void VideoWidow_OnMouseWheel(int index, int id, int delta) override { Record("Wheel", index, id, delta); }
    void VideoWidow_OnFishEyeEptz(int index, int id, FISHEYE_EPTZ_INFO& info) override
    {
        Record("Eptz", index, id, info.nHandle, info.nRegion, info.nDirection, info.rcReference.left, info.rcReference.top,
               info.rcReference.right, info.rcReference.bottom);
    }
    int VideoWidow_InPtInFishEyeRegion(int id, int region, int x, int y) override
    {
        Record("InRegion", id, region, x, y);
        return region == acceptedRegion ? 1 : 0;
    }
    void VideoWidow_OnAnimationFinished(int id) override { Record("AnimationFinished", id); }
    void VideoWidow_OnSplitRectChanged(int id, CKWRect* rects) override { Record("Split", id, rects[0].left, rects[0].right); }

    int acceptedRegion = -1;
};

// One colour everywhere; 81/90/240 is red (254, 0, 0) in studio range.
inline std::vector<BYTE> SolidI420(int width, int height, BYTE y = 81, BYTE u = 90, BYTE v = 240)
{
    std::vector<BYTE> data(static_cast<std::size_t>(width * height * 3 / 2));
    std::fill(data.begin(), data.begin() + width * height, y);
    std::fill(data.begin() + width * height, data.begin() + width * height * 5 / 4, u);
    std::fill(data.begin() + width * height * 5 / 4, data.end(), v);
    return data;
}
