#pragma once
// The fisheye calculator's side elevation: camera, floor and a person, with
// three draggable handles.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class IKWSideSceneFishEvent {
public:
    virtual void OnObjectHeightChanged(double /*objectHeight*/) {}
    virtual void OnVirtualHeightChanged(double /*installHeight*/) {}
    virtual void OnObjectDistanceChanged(double /*objectDistance*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWSideSceneFishEvent() = default;
};

class CKWSideSceneFish {
public:
    explicit CKWSideSceneFish(IKWSideSceneFishEvent* listener = nullptr) : m_pListener(listener) {}
    CKWSideSceneFish(const CKWSideSceneFish&) = default;
    CKWSideSceneFish& operator=(const CKWSideSceneFish&) = default;
    virtual ~CKWSideSceneFish() = default;

    virtual int Create(LPCWSTR /*name*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 1; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void SetObjectHeight(double /*height*/) {}
    virtual void SetVirtualHeight(double /*height*/) {}
    virtual void SetImage(ImageVericalStyle* /*style*/) {}
    virtual void SetObjectDistance(double /*distance*/) {}
    virtual void SetInstWay(bool /*ceiling*/) {}
    virtual void OnView_ChangeUnit(int /*metric*/) {}
    virtual void SetRectTimes(double /*times*/) {}

protected:
    IKWSideSceneFishEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWSideSceneFish* CreateKWSideSceneFish(IKWSideSceneFishEvent* listener);
