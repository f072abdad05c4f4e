#pragma once
// Multi-window video display: sub-windows placed on the cells of a layout,
// pictures forwarded to them by sub-window id.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"
#include "ui/api/KWTypes.h"
#include "ui/api/KWVideoTypes.h"

class IKWVideoWindowEvent {
public:
    virtual ~IKWVideoWindowEvent() = default;

    virtual void OnLayoutChanged() {}
    virtual void OnBnClickedVideoClose(int /*index*/, int /*id*/) {}
    virtual void OnBnClickedVideoSnap(int /*index*/, int /*id*/) {}
    virtual void OnBnClickedVideoRecord(int /*index*/, int /*id*/, int /*state*/) {}
    virtual void OnBnClickedVideoProperty(int /*index*/, int /*id*/) {}
    virtual void OnFocusWndChanged(int /*newId*/, int /*oldId*/) {}
    virtual void OnSubWndExchanged(int /*draggedId*/, int /*otherId*/) {}
    virtual void OnSubWinZoom(int /*index*/, int /*id*/, int /*zoomIn*/) {}
    virtual void OnSubWinOccupyRoom(int /*index*/, int /*id*/, int /*zoomed*/) {}
    virtual void VideoWidow_OnLButtonDown(int /*index*/, int /*id*/, POINT& /*point*/) {}
    virtual void VideoWidow_OnLButtonUp(int /*index*/, int /*id*/, POINT& /*point*/) {}
    virtual void VideoWidow_OnMouseWheel(int /*index*/, int /*id*/, int /*delta*/) {}
    virtual void VideoWidow_OnMouseMove(int /*index*/, int /*id*/, POINT& /*point*/) {}
    virtual void VideoWidow_OnFishEyeEptz(int /*index*/, int /*id*/, FISHEYE_EPTZ_INFO& /*info*/) {}
    virtual int VideoWidow_InPtInFishEyeRegion(int /*id*/, int /*x*/, int /*y*/, int /*z*/) { return 0; }
    virtual void VideoWidow_OnAnimationFinished(int /*id*/) {}
    virtual void VideoWidow_OnSplitRectChanged(int /*id*/, CKWRect* /*rects*/) {}
};

class CKWVideoWindow {
public:
    explicit CKWVideoWindow(IKWVideoWindowEvent* listener) : m_pListener(listener) {}
    CKWVideoWindow(const CKWVideoWindow&) = default;
    CKWVideoWindow& operator=(const CKWVideoWindow&) = default;
    virtual ~CKWVideoWindow() = default;

    // The built-in layout string of types 0 to 9; null for any other type.
    static const char* GetDefaultLayout(LAYOUT_TYPE type);

    virtual int Create(LPCWSTR /*title*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual int SetSkin(ImageVideoWindowStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void* GetLayoutOverView(int /*width*/, int /*height*/, DWORD /*background*/, DWORD /*foreground*/) { return nullptr; }
    virtual int GetLayoutOverView(void* /*image*/, int /*width*/, int /*height*/, DWORD /*background*/, DWORD /*foreground*/) { return 0; }
    virtual VIDEOWINDOWMODE GetVideoWindowMode() { return {}; }
    virtual int SetRows(int /*rows*/) { return 0; }
    virtual int SetColumns(int /*columns*/) { return 0; }
    virtual void SetSubWinProportion(int /*width*/, int /*height*/, int /*id*/) {}
    virtual int GetLayout(char* /*buffer*/, int /*size*/) { return 0; }
    virtual int SetDefaultLayout(LAYOUT_TYPE /*type*/, const char* /*layout*/) { return 0; }
    virtual HWND GetSubWinHandle(int /*index*/) { return nullptr; }
    virtual int GetCurrentSubWinIndex() { return -1; }
    virtual int GetCurrentSubWinID() { return -1; }
    virtual int GetSubWinIDByIndex(int /*index*/) { return -1; }
    virtual int GetSubWinIndexByID(int /*id*/) { return -1; }
    virtual int GetCurrentSubWinCount() { return 0; }
    virtual void SetSubWinVideoByIndex(int /*index*/, int /*video*/) {}
    virtual void SetSubWinVideoByID(int /*id*/, int /*video*/) {}
    virtual void SetDragMode(int /*mode*/) {}
    virtual void SetFrameZoomMode(int /*mode*/) {}
    virtual int IsEnableFrameZoom() { return 0; }
    virtual void SetDrawOSDHandle(int /*id*/, void* /*handle*/) {}
    virtual void GetFrameOSDRect(RECT& /*rect*/) {}
    virtual void SetDragSubWinCursor(UINT /*open*/, UINT /*closed*/) {}
    virtual void SetSubWinCtrlsVisible(int /*visible*/) {}
    virtual void SetSubWinRecordState(int /*id*/, int /*state*/) {}
    virtual void EableSubWinExchange(int /*enable*/) {}
    virtual void ResetSubWinSizeToMin(int /*index*/) {}
    virtual void ResetSubWinSizeToMinByID(int /*id*/) {}
    virtual int SetFocusSubWin(int /*id*/) { return 0; }
    virtual void SetActiveCheckMode(int /*mode*/) {}
    virtual int RenderSubWin(int /*id*/, RENDER_DATA_TYPE /*type*/, BYTE* /*data*/, int /*width*/, int /*height*/, BYTE* /*secondData*/, int /*secondWidth*/, int /*secondHeight*/, int /*flag*/) { return 0; }
    virtual int RenderOffScreenSurface(int /*id*/, BYTE* /*data*/, int /*width*/, int /*height*/, int /*a*/, int /*b*/) { return 0; }
    virtual int RenderOffScreenSurfaceFE(int /*id*/, RENDER_VIDEOINFO* /*main*/, int /*a*/, int /*b*/, RENDER_VIDEOINFO* /*second*/) { return 0; }
    virtual int GetOffScreenSurface(int /*id*/, void*& /*surface*/, KW_COLOR_CONVERT& /*convert*/, int /*width*/, int /*height*/) { return 0; }
    virtual int SHowSubWinAtLeast(int /*count*/) { return 0; }
    virtual int EnableSubWinAnimation(int /*enable*/) { return 0; }
    virtual int VerticalSyncEnable(int /*enable*/) { return 0; }
    virtual void SnapLastFrame(int /*id*/) {}
    virtual void SetLockScreen(int /*locked*/) {}
    virtual int SetFeRegionLocal(int /*id*/, FISHEYE_VIDEO_REGION* /*regions*/) { return 0; }
    virtual void RemoveFeRegionLocal(int /*id*/) {}
    virtual void SetSubWinFishEyeMode(int /*id*/, int /*mode*/) {}
    virtual void GetSubWinSize(int /*id*/, int& /*width*/, int& /*height*/) {}
    virtual void SetInnerSplitMode(INNER_SPLIT_MODE /*mode*/, UINT /*id*/) {}
    // rects: room for five rectangles
    virtual void GetInnerSplitRect(int /*id*/, CKWRect* /*rects*/) {}
    virtual void SetOriginalProportion(int /*follow*/) {}

protected:
    IKWVideoWindowEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
// mode is fixed for the window's life; capacityA x capacityB sub-windows are made by Create.
CKWVideoWindow* CreateKWVideoWindow(VIDEOWINDOWMODE mode, IKWVideoWindowEvent* listener, int capacityA, int capacityB);
