#pragma once
// Pop-up menu whose entries report their command id.

#include "base/platform/KWWinTypes.h"

class IKWMenuEvent {
public:
    virtual void Menu_OnAction(int /*id*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWMenuEvent() = default;
};

class CKWMenu;

class CKWMenu {
public:
    explicit CKWMenu(IKWMenuEvent* listener) : m_pListener(listener) {}
    CKWMenu(const CKWMenu&) = default;
    CKWMenu& operator=(const CKWMenu&) = default;
    virtual ~CKWMenu() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual int SetSkin(LPCWSTR /*skin*/) { return 0; }
    virtual void* AddMenu(CKWMenu* /*menu*/, LPCWSTR /*icon*/, LPCWSTR /*text*/, int /*id*/) { return nullptr; }
    virtual void* AddMenu(LPCWSTR /*text*/) { return nullptr; }
    virtual void Popup(int /*x*/, int /*y*/) {}
    virtual void* AddAction(LPCWSTR /*icon*/, LPCWSTR /*text*/, int /*id*/) { return nullptr; }
    virtual void* AddAction(LPCWSTR /*text*/, int /*id*/) { return nullptr; }
    virtual void AddSeparator() {}
    virtual bool SetActionEnable(int /*id*/, bool /*enable*/) { return false; }
    virtual void SetActionCheckable(int /*id*/, bool /*checkable*/) {}
    virtual void SetActionChecked(int /*id*/, bool /*checked*/) {}
    virtual void IsActionChecked(int /*id*/, bool& /*checked*/) {}
    virtual void SetActionVisible(int /*id*/, bool /*visible*/) {}
    virtual void SetActionText(int /*id*/, LPCWSTR /*text*/) {}

protected:
    IKWMenuEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWMenu* CreateKWMenu(IKWMenuEvent* listener);
