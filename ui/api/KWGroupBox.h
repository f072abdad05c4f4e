#pragma once
// Group box; GetUIWnd hands out its inner content widget as the parent of the controls in the group.

#include "base/platform/KWWinTypes.h"

class IKWGroupBoxEvent {
public:
    virtual void BTN_OnLButtonDown() {}
    virtual void BTN_OnLButtonUp() {}
    virtual void BTN_OnMouseMove() {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWGroupBoxEvent() = default;
};

class CKWGroupBox {
public:
    explicit CKWGroupBox(IKWGroupBoxEvent* listener) : m_pListener(listener) {}
    CKWGroupBox(const CKWGroupBox&) = default;
    CKWGroupBox& operator=(const CKWGroupBox&) = default;
    virtual ~CKWGroupBox() = default;

    virtual int Create(LPCWSTR /*text*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void SetWindowTextW(LPCWSTR /*text*/) {}
    virtual int GetWindowTextW(WCHAR* /*buffer*/, int /*size*/) const { return 0; }
    virtual void SetBorderColor(UINT /*color*/) {}
    virtual void* GetUIWnd() { return nullptr; }

protected:
    IKWGroupBoxEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWGroupBox* CreateKWGroupBox(IKWGroupBoxEvent* listener);
