#pragma once
// Docking control bar; an interface without a Qt implementation.

#include "base/platform/KWWinTypes.h"

// Nothing fires its operation.
class IKWControlBarEvent {
public:
    // The window this listener's control made; the control's GetUIWnd returns it.
    void* GetUIWnd() const { return m_hUIWnd; }
    void SetUIWnd(void* window) { m_hUIWnd = window; }

    virtual void CTRLBAR_OnCreate() = 0;

protected:
    // Listeners are never deleted through their interface.
    ~IKWControlBarEvent() = default;

private:
    void* m_hUIWnd = nullptr;
};

class CKWControlBar {
public:
    explicit CKWControlBar(IKWControlBarEvent* listener) : m_pListener(listener) {}
    CKWControlBar(const CKWControlBar&) = default;
    CKWControlBar& operator=(const CKWControlBar&) = default;
    virtual ~CKWControlBar() = default;

    // The window handle kept by the listener; null without a listener.
    void* GetUIWnd() const { return m_pListener != nullptr ? m_pListener->GetUIWnd() : nullptr; }

    virtual int Create(void* /*parent*/, UINT /*id*/, DWORD /*style*/, LPCWSTR /*title*/) { return 0; }

protected:
    IKWControlBarEvent* m_pListener; // not owned
};
