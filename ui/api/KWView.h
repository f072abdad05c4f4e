#pragma once
// Generic child panel; its listener's message map receives the commands of the
// controls placed on it.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWEventBase.h"
#include "ui/api/KWTypes.h"

class IKWViewEvent : public CKWEventBase {
public:
    virtual ~IKWViewEvent() = default;

    // Called by the view's Create before it returns.
    virtual int OnCreate() { return 0; }
    virtual void OnDestroy() {}
    virtual void OnSize(UINT /*type*/, int /*width*/, int /*height*/) {}
    virtual void OnLButtonDown(UINT /*flags*/, POINT /*point*/) {}
    virtual void OnLButtonDblClk(UINT /*flags*/, POINT /*point*/) {}
    virtual void OnEnter() {}
    virtual void OnLeave() {}
    virtual void OnShowWindow(int /*show*/) {}
};

class CKWView {
public:
    explicit CKWView(IKWViewEvent* listener) : m_pListener(listener)
    {
        // A new view starts its listener's cached timer ids afresh.
        if (m_pListener != nullptr) {
            m_pListener->ClearThisMessageIDs();
        }
    }
    CKWView(const CKWView&) = default;
    CKWView& operator=(const CKWView&) = default;
    virtual ~CKWView() = default;

    // The window handle kept by the listener; null without a listener.
    void* GetUIWnd() const { return m_pListener != nullptr ? m_pListener->GetUIWnd() : nullptr; }

    virtual int Create(LPCWSTR /*className*/, LPCWSTR /*windowName*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void SetBackground(LPCWSTR /*image*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void GetViewClientRect(RECT* /*rect*/) {}
    virtual void GetViewWindowRect(RECT* /*rect*/) {}
    virtual void GetViewGeometryRect(RECT* /*rect*/) {}
    virtual void Screen2Client(POINT* /*point*/) {}
    virtual void Screen2Client(RECT* /*rect*/) {}
    virtual int isShow() { return 0; }
    virtual int isWindow() { return 0; }
    virtual int SubclassWindow() { return 0; }
    virtual void* UnsubclassWindow() { return nullptr; }
    virtual void SetRoundCornerRadius(UINT /*radius*/) {}
    virtual void SetBGClr(UINT /*red*/, UINT /*green*/, UINT /*blue*/, UINT /*alpha*/) {}
    virtual void SetBGClr(UINT /*color*/) {}
    virtual void SetParentWindow(void* /*parent*/, WINDOW_TYPE /*type*/) {}
    virtual void SetFrameClr(UINT /*color*/, UINT /*alpha*/, int /*enable*/) {}
    virtual void SetFocusEnable() {}
    virtual void SetBgtransparent(int /*transparent*/) {}
    virtual void SetBar(int /*bar*/) {}

protected:
    IKWViewEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWView* CreateKWView(IKWViewEvent* listener);
// Views are freed with their parent window; this does nothing.
void DestroyKWView(CKWView* view);
