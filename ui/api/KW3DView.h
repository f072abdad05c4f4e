#pragma once
// The 3D picture of a camera installation with its dimension markers.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

// The 3D view reports nothing; its listener has no operations.
class IKW3DViewEvent {
public:
protected:
    // Listeners are never deleted through their interface.
    ~IKW3DViewEvent() = default;
};

class CKW3DView {
public:
    explicit CKW3DView(IKW3DViewEvent* listener) : m_pListener(listener) {}
    CKW3DView(const CKW3DView&) = default;
    CKW3DView& operator=(const CKW3DView&) = default;
    virtual ~CKW3DView() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual int SetSkin(Image3DViewBtnStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int SetBgImage(LPCWSTR /*picture*/, LPCWSTR /*overlay*/) { return 0; }
    virtual void AddInstallHeight() {}
    virtual void AddResolution() {}
    virtual void AddHDistance() {}
    virtual void AddInstAngle() {}
    virtual void AddObjDistance() {}
    virtual void AddObjHeight() {}
    virtual void SetObjectPos(double /*pos*/) {}
    virtual void SetVirtulXaxisMax(double /*maximum*/) {}
    virtual void SetFishEyeEnable(bool /*enable*/) {}
    virtual void SetInstWay(bool /*ceiling*/) {}
    virtual void OnView_ChangeUnit(bool /*metric*/) {}
    virtual void SetRectTimes(double /*times*/) {}

protected:
    IKW3DViewEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKW3DView* CreateKW3DView(IKW3DViewEvent* listener);
