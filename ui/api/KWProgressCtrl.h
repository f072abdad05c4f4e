#pragma once
// Progress bar.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

// Nothing fires its operations.
class IKWProgressCtrlEvent {
public:
    virtual void PROGRESS_OnLButtonDown() = 0;
    virtual void PROGRESS_OnLButtonUp() = 0;
    virtual void PROGRESS_OnMouseMove() = 0;

protected:
    // Listeners are never deleted through their interface.
    ~IKWProgressCtrlEvent() = default;
};

class CKWProgressCtrl {
public:
    explicit CKWProgressCtrl(IKWProgressCtrlEvent* listener) : m_pListener(listener) {}
    CKWProgressCtrl(const CKWProgressCtrl&) = default;
    CKWProgressCtrl& operator=(const CKWProgressCtrl&) = default;
    virtual ~CKWProgressCtrl() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageProgressCtrlStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int ModifyStyleEx(DWORD /*remove*/, DWORD /*add*/, UINT /*flags*/) { return 0; }
    virtual int GetPos() { return 0; }
    virtual void GetRange(int& /*minimum*/, int& /*maximum*/) {}
    virtual void SetPos(int /*pos*/) {}
    virtual void SetRange(int /*minimum*/, int /*maximum*/) {}
    virtual int SetStep(int /*step*/) { return 0; }
    virtual int StepIt() { return 0; }
    virtual void SetTextVisible(int /*visible*/) {}

protected:
    IKWProgressCtrlEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWProgressCtrl* CreateKWProgressCtrl(IKWProgressCtrlEvent* listener);
