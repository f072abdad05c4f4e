#pragma once
// Picture radio button.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class IKWRadioBoxEvent {
public:
    virtual void RADIO_OnClicked(int /*checked*/, int /*id*/, POINT /*point*/) {}
    virtual void RADIO_OnShowWindow(int /*show*/, UINT /*status*/, int /*id*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWRadioBoxEvent() = default;
};

class CKWRadioBox {
public:
    explicit CKWRadioBox(IKWRadioBoxEvent* listener) : m_pListener(listener) {}
    CKWRadioBox(const CKWRadioBox&) = default;
    CKWRadioBox& operator=(const CKWRadioBox&) = default;
    virtual ~CKWRadioBox() = default;

    virtual int Create(LPCWSTR /*text*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageRadioBox* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/, int /*repaint*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void SetCheck(int /*check*/) {}
    virtual int GetCheck() const { return 0; }
    virtual int GetWindowTextW(WCHAR* /*buffer*/, int /*size*/) const { return 0; }
    virtual void SetWindowTextW(LPCWSTR /*text*/) {}
    virtual void SetBoldHeavy(int /*bold*/) {}
    virtual void SetTextColor(DWORD /*normal*/, DWORD /*checked*/) {}
    virtual void SetTextSize(int /*size*/) {}
    virtual void SetTextOffset(int /*offset*/) {}
    virtual void SetTextAlign(DWORD /*align*/) {}
    virtual void SetIconOffsetLeft(int /*offset*/) {}
    virtual void GetRadioClientRect(RECT* /*rect*/) {}
    virtual void GetRadioWindowRect(RECT* /*rect*/) {}
    virtual void SetImageInfo(void* /*normal*/, void* /*checked*/) {}
    virtual void SetBkColor(DWORD /*normal*/, DWORD /*checked*/) {}
    virtual void SetBkRect(bool /*rect*/) {}
    virtual void SetTooltipEnable(int /*enable*/) {}
    virtual void SetToolTipText(LPCWSTR /*text*/) {}
    virtual int IsWindowVisible() { return 0; }
    virtual int IsWindow() { return 0; }
    virtual void Invalidate(int /*erase*/) {}
    virtual void SetEnabled(int /*enable*/) {}
    virtual void EnableAnimation(int /*enable*/) {}
    virtual void SetExpendBGImge(int /*expand*/) {}
    virtual void SetIconAlign(DWORD /*align*/) {}
    virtual void Geometry(RECT* /*rect*/) {}
    virtual int GetRadioId() { return 0; }
    virtual void GetBTNWindowRect(RECT* /*rect*/) {}
    virtual int GetToolTipText(WCHAR* /*buffer*/, int /*size*/) const { return 0; }

protected:
    IKWRadioBoxEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWRadioBox* CreateKWRadioBox(IKWRadioBoxEvent* listener);
