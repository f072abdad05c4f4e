#pragma once
// Tab control; an interface without a Qt implementation.

#include "base/platform/KWWinTypes.h"

// Nothing fires its operations.
class IKWTabCtrlEvent {
public:
    virtual void TAB_OnLButtonDown() = 0;
    virtual void TAB_OnLButtonUp() = 0;
    virtual void TAB_OnMouseMove() = 0;

protected:
    // Listeners are never deleted through their interface.
    ~IKWTabCtrlEvent() = default;
};

class CKWTabCtrl {
public:
    explicit CKWTabCtrl(IKWTabCtrlEvent* listener) : m_pListener(listener) {}
    CKWTabCtrl(const CKWTabCtrl&) = default;
    CKWTabCtrl& operator=(const CKWTabCtrl&) = default;
    virtual ~CKWTabCtrl() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int GetCurSel() const { return 0; }
    virtual DWORD GetExtendedStyle() { return 0; }
    virtual int GetItemCount() const { return 0; }
    virtual int SetCurSel(int /*index*/) { return 0; }
    virtual DWORD SetExtendedStyle(DWORD /*mask*/, DWORD /*style*/) { return 0; }
    virtual int DeleteAllItems() { return 0; }
    virtual int DeleteItem(int /*index*/) { return 0; }
    virtual LONG InsertItem(int /*index*/, LPCWSTR /*text*/) { return 0; }

protected:
    IKWTabCtrlEvent* m_pListener; // not owned
};
