#pragma once
// Single-line text edit.

#include "base/platform/KWWinTypes.h"

class IKWEditCtrlEvent {
public:
    virtual void EDIT_OnTextChange(UINT /*id*/, WCHAR* /*text*/) {}
    virtual void EDIT_OnEditingFinished(UINT /*id*/, WCHAR* /*text*/) {}
    virtual void EDIT_OnEditclicked(UINT /*id*/) {}
    virtual void edit_FocusOutEvent(UINT /*id*/, WCHAR* /*text*/) {}
    virtual void OnDlgKeyDown(UINT /*modifiers*/, UINT /*key*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWEditCtrlEvent() = default;
};

class CKWEditCtrl {
public:
    explicit CKWEditCtrl(IKWEditCtrlEvent* listener) : m_pListener(listener) {}
    CKWEditCtrl(const CKWEditCtrl&) = default;
    CKWEditCtrl& operator=(const CKWEditCtrl&) = default;
    virtual ~CKWEditCtrl() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(LPCWSTR /*skin*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int GetWindowTextW(WCHAR* /*buffer*/, int /*size*/) const { return 0; }
    virtual void SetWindowTextW(LPCWSTR /*text*/) {}
    virtual void SetPlaceholderText(LPCWSTR /*text*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void InputNumberOnly() {}
    virtual void GetmapToGlobal(int& /*x*/, int& /*y*/) {}
    virtual void SetMaxLenth(int /*length*/) {}
    virtual void SetReadOnly(int /*readOnly*/) {}

protected:
    IKWEditCtrlEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWEditCtrl* CreateKWEditCtrl(IKWEditCtrlEvent* listener);
