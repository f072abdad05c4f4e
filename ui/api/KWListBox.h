#pragma once
// Plain list of text items.

#include "base/platform/KWWinTypes.h"

// The list box's mouse handlers call these instead of selecting.
class IKWListBoxEvent {
public:
    virtual void LISTBOX_OnLButtonDown() = 0;
    virtual void LISTBOX_OnLButtonUp() = 0;
    virtual void LISTBOX_OnMouseMove() = 0;

protected:
    // Listeners are never deleted through their interface.
    ~IKWListBoxEvent() = default;
};

class CKWListBox {
public:
    explicit CKWListBox(IKWListBoxEvent* listener) : m_pListener(listener) {}
    CKWListBox(const CKWListBox&) = default;
    CKWListBox& operator=(const CKWListBox&) = default;
    virtual ~CKWListBox() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int GetCount() const { return 0; }
    virtual int GetText(int /*index*/, WCHAR* /*buffer*/) const { return 0; }
    virtual int GetCurSel() const { return 0; }
    virtual int SetCurSel(int /*index*/) { return 0; }
    virtual int AddString(LPCWSTR /*text*/) { return 0; }
    virtual int DeleteString(UINT /*index*/) { return 0; }

protected:
    IKWListBoxEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWListBox* CreateKWListBox(IKWListBoxEvent* listener);
