#pragma once
// Picture label.

#include "base/platform/KWWinTypes.h"

class IKWPictureCtrlEvent {
public:
    virtual void PICTRL_OnLButtonDown(UINT /*id*/, UINT /*flags*/, POINT /*point*/) {}
    virtual void PICTRL_OnLButtonUp(UINT /*id*/, UINT /*flags*/, POINT /*point*/) {}
    virtual void PICTRL_OnMouseMove(UINT /*id*/, UINT /*flags*/, POINT /*point*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWPictureCtrlEvent() = default;
};

class CKWPictureCtrl {
public:
    explicit CKWPictureCtrl(IKWPictureCtrlEvent* listener) : m_pListener(listener) {}
    CKWPictureCtrl(const CKWPictureCtrl&) = default;
    CKWPictureCtrl& operator=(const CKWPictureCtrl&) = default;
    virtual ~CKWPictureCtrl() = default;

    virtual int Create(LPCWSTR /*text*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void SetImage(LPCWSTR /*image*/) {}
    virtual void SetDrawPicture(int /*draw*/) {}
    virtual void* GetHWnd() { return nullptr; }
    virtual void SetPictureCtrlText(LPCWSTR /*text*/) {}

protected:
    IKWPictureCtrlEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWPictureCtrl* CreateKWPictureCtrl(IKWPictureCtrlEvent* listener);
