#pragma once
// Picture slider; also a time slider with cut marks.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"
#include "ui/api/KWTypes.h"

class IKWSliderCtrlEvent {
public:
    virtual void BTN_OnLButtonDown(int /*id*/, float /*pos*/) {}
    virtual void BTN_OnLButtonUp(int /*id*/, float /*pos*/) {}
    virtual void BTN_OnMouseMove(int /*id*/, float /*pos*/) {}
    virtual void BTN_OnLButtonDownCutMode(int /*id*/, float /*first*/, float /*second*/) {}
    virtual void KW_OnSliderPos(int /*id*/, int /*pos*/) {}
    virtual void KW_OnSliderPosF(int /*id*/, float /*pos*/) {}
    virtual void KW_OnSliderPosCutMode(int /*id*/, float /*first*/, float /*second*/) {}
    virtual void KW_OnSliderCutBtnPos(int /*id*/, int /*button*/, int /*pos*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWSliderCtrlEvent() = default;
};

class CKWSliderCtrl {
public:
    explicit CKWSliderCtrl(IKWSliderCtrlEvent* listener) : m_pListener(listener) {}
    CKWSliderCtrl(const CKWSliderCtrl&) = default;
    CKWSliderCtrl& operator=(const CKWSliderCtrl&) = default;
    virtual ~CKWSliderCtrl() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/, SLIDER_RESPONSE_MODE /*mode*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageSliderStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int GetPos() const { return 0; }
    virtual void GetRange(int& /*minimum*/, int& /*maximum*/) const {}
    virtual void SetPos(int /*pos*/) {}
    virtual void SetRange(int /*minimum*/, int /*maximum*/, int /*redraw*/) {}
    virtual void SetTooltipEnable(int /*enable*/, int /*showValue*/, int /*follow*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void ResizeImg(int /*width*/, int /*height*/) {}
    virtual void SetTimeRange(int begin, int end)
    {
        m_nTimeBegin = begin;
        m_nTimeEnd = end;
    }
    virtual void SetTimeRange(_SYSTEMTIME begin, _SYSTEMTIME end)
    {
        m_stBegin = begin;
        m_stEnd = end;
    }
    virtual void SetSliderMode(int /*mode*/) {}
    virtual int GetSliderMode() { return 0; }
    virtual void SetCutPosByTime(int /*index*/, float /*begin*/, float /*end*/, float /*first*/, float /*second*/) {}
    virtual void SetCutPosByBTN(float /*first*/, float /*second*/) {}
    virtual int GetCutPos(int /*index*/) { return 0; }
    virtual void SetOrientation(int /*vertical*/) {}

protected:
    IKWSliderCtrlEvent* m_pListener; // not owned
    // The time range, kept by the abstract part itself.
    _SYSTEMTIME m_stBegin = {};
    _SYSTEMTIME m_stEnd = {};
    int m_nTimeBegin = 0;
    int m_nTimeEnd = 0;
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWSliderCtrl* CreateKWSliderCtrl(IKWSliderCtrlEvent* listener);
