#pragma once
// Plain child window.

#include "base/platform/KWWinTypes.h"

class IKWChildWndEvent {
public:
    // The window this listener's control made; the control's GetUIWnd returns it.
    void* GetUIWnd() const { return m_hUIWnd; }
    void SetUIWnd(void* window) { m_hUIWnd = window; }

    virtual void Dlg_OnCommand(UINT /*id*/) {}
    virtual int OnCreate() { return 0; }
    virtual void OnDestroy() {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWChildWndEvent() = default;

private:
    void* m_hUIWnd = nullptr;
};

class CKWChildWnd {
public:
    explicit CKWChildWnd(IKWChildWndEvent* listener) : m_pListener(listener) {}
    CKWChildWnd(const CKWChildWnd&) = default;
    CKWChildWnd& operator=(const CKWChildWnd&) = default;
    virtual ~CKWChildWnd() = default;

    // The window handle kept by the listener; null without a listener.
    void* GetUIWnd() const { return m_pListener != nullptr ? m_pListener->GetUIWnd() : nullptr; }

    virtual int Create(UINT /*id*/, const char* /*title*/, int /*show*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}

protected:
    IKWChildWndEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWChildWnd* CreateKWChildWnd(IKWChildWndEvent* listener);
