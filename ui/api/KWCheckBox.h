#pragma once
// Two-state picture button.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class IKWCheckBoxEvent {
public:
    virtual void BTN_OnLButtonDown() {}
    virtual void BTN_OnLButtonUp() {}
    virtual void BTN_OnMouseMove() {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWCheckBoxEvent() = default;
};

class CKWCheckBox {
public:
    explicit CKWCheckBox(IKWCheckBoxEvent* listener) : m_pListener(listener) {}
    CKWCheckBox(const CKWCheckBox&) = default;
    CKWCheckBox& operator=(const CKWCheckBox&) = default;
    virtual ~CKWCheckBox() = default;

    virtual int Create(const char* /*text*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void SetCheck(int /*check*/) {}
    virtual int GetCheck(int* /*check*/) const { return 0; }
    virtual int GetWindowTextW(WCHAR* /*buffer*/, int /*size*/) const { return 0; }
    virtual void SetWindowTextW(LPCWSTR /*text*/) {}
    virtual int SetSkin(ImageCheckBox* /*style*/) { return 0; }

protected:
    IKWCheckBoxEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWCheckBox* CreateKWCheckBox(IKWCheckBoxEvent* listener);
