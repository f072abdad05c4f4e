#pragma once
// The IPC calculator's top view: the horizontal angle of view over the ground.

#include "base/platform/KWWinTypes.h"

// The top view reports nothing; its listener has no operations.
class IKWTopViewEvent {
public:
protected:
    // Listeners are never deleted through their interface.
    ~IKWTopViewEvent() = default;
};

class CKWTopView {
public:
    explicit CKWTopView(IKWTopViewEvent* listener) : m_pListener(listener) {}
    CKWTopView(const CKWTopView&) = default;
    CKWTopView& operator=(const CKWTopView&) = default;
    virtual ~CKWTopView() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int SetImage(LPCWSTR /*camera*/, LPCWSTR /*person*/, LPCWSTR /*sector*/) { return 0; }
    virtual void UpdateVisibleWidth(double /*distance*/) {}
    virtual void UpdateVisualAngle(double /*angle*/) {}
    virtual void SetVirtulXaxisMax(double /*blindDistance*/, double /*lengthMaximum*/) {}
    virtual void SetParam(double /*angle*/, double /*width*/) {}
    virtual void OnView_ChangeUnit(int /*metric*/) {}
    virtual void SetRectTimes(double /*times*/) {}

protected:
    IKWTopViewEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWTopView* CreateKWTopView(IKWTopViewEvent* listener);
