#pragma once
// Picture push button. A click also sends the parent window the command
// (273, 0, id).

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class IKWButtonEvent {
public:
    virtual void BTN_OnLButtonDown(int /*id*/, UINT /*flags*/, POINT /*point*/) {}
    virtual void BTN_OnLButtonUp(int /*id*/, UINT /*flags*/, POINT /*point*/) {}
    virtual void BTN_OnMouseMove(int /*id*/, UINT /*flags*/, POINT /*point*/) {}
    virtual void BTN_OnMouseMoveX(int /*id*/, UINT /*flags*/, int /*x*/) {}
    virtual void BTN_OnMouseLeave(int /*id*/, UINT /*flags*/, LONG /*value*/) {}
    virtual void BTN_OnClicked(int /*id*/) {}
    virtual void BTN_OnCustomerClicked() {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWButtonEvent() = default;
};

class CKWButton {
public:
    explicit CKWButton(IKWButtonEvent* listener = nullptr) : m_pListener(listener) {}
    CKWButton(const CKWButton&) = default;
    CKWButton& operator=(const CKWButton&) = default;
    virtual ~CKWButton() = default;

    virtual int Create(LPCWSTR /*text*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageButtonStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void SetTextColor(DWORD /*color*/) {}
    virtual void SetTextOffset(int /*x*/, int /*y*/) {}
    virtual void SetTextAlign(UINT /*align*/) {}
    virtual void SetTooltipEnable(int /*enable*/) {}
    virtual void SetToolTipText(LPCWSTR /*text*/) {}
    virtual int GetWindowTextW(WCHAR* /*buffer*/, int /*size*/) const { return 0; }
    virtual void SetWindowTextW(LPCWSTR /*text*/) {}
    virtual void GetBTNWindowRect(RECT* /*rect*/) {}

protected:
    IKWButtonEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWButton* CreateKWButton(IKWButtonEvent* listener);
// Delete a button; null does nothing.
void DestroyKWButton(CKWButton* button);
