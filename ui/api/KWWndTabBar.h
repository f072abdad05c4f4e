#pragma once
// Bar of window tabs; an interface without a Qt implementation.

#include "base/platform/KWWinTypes.h"

// Carries only the window handle of its bar.
class IKWWndTabBarEvent {
public:
    // The window this listener's control made; the control's GetUIWnd returns it.
    void* GetUIWnd() const { return m_hUIWnd; }
    void SetUIWnd(void* window) { m_hUIWnd = window; }

protected:
    // Listeners are never deleted through their interface.
    ~IKWWndTabBarEvent() = default;

private:
    void* m_hUIWnd = nullptr;
};

class CKWWndTabBar {
public:
    explicit CKWWndTabBar(IKWWndTabBarEvent* listener) : m_pListener(listener) {}
    CKWWndTabBar(const CKWWndTabBar&) = default;
    CKWWndTabBar& operator=(const CKWWndTabBar&) = default;
    virtual ~CKWWndTabBar() = default;

    // The window handle kept by the listener; null without a listener.
    void* GetUIWnd() const { return m_pListener != nullptr ? m_pListener->GetUIWnd() : nullptr; }

    virtual int Create(void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void Add(void* /*window*/) {}
    virtual void Remove(void* /*window*/) {}

protected:
    IKWWndTabBarEvent* m_pListener; // not owned
};
