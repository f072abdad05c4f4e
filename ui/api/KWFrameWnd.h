#pragma once
// Frame window.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"
#include "ui/api/KWChildWnd.h"

// Nothing fires its operations.
class IKWFrameEvent {
public:
    // The window this listener's control made; the control's GetUIWnd returns it.
    void* GetUIWnd() const { return m_hUIWnd; }
    void SetUIWnd(void* window) { m_hUIWnd = window; }

    virtual int OnFrameCreate() = 0;
    virtual void OnDistroy() {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWFrameEvent() = default;

private:
    void* m_hUIWnd = nullptr;
};

class CKWFrameWnd {
public:
    explicit CKWFrameWnd(IKWFrameEvent* listener) : m_pListener(listener) {}
    CKWFrameWnd(const CKWFrameWnd&) = default;
    CKWFrameWnd& operator=(const CKWFrameWnd&) = default;
    virtual ~CKWFrameWnd() = default;

    // The window handle kept by the listener; null without a listener.
    void* GetUIWnd() const { return m_pListener != nullptr ? m_pListener->GetUIWnd() : nullptr; }

    virtual int Create(LPCWSTR /*className*/, LPCWSTR /*windowName*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, LPCWSTR /*menuName*/, DWORD /*exStyle*/, void* /*createParam*/) { return 0; }
    virtual CKWChildWnd* CreateChildWnd() { return nullptr; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void DockControlBar(void* /*bar*/, UINT /*side*/, const RECT* /*rect*/) {}
    virtual void UIEnableDocking(DWORD /*sides*/) {}
    virtual void SetSkin(DialogStyle* /*style*/) {}

protected:
    IKWFrameEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWFrameWnd* CreateKWFrameWnd(IKWFrameEvent* listener);
