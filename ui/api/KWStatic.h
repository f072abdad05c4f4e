#pragma once
// Text label.

#include "base/platform/KWWinTypes.h"

class IKWStaticEvent {
public:
    virtual void STATIC_OnLButtonDown(UINT /*id*/, UINT /*flags*/, POINT /*point*/) {}
    virtual void STATIC_OnLButtonUp(UINT /*id*/, UINT /*flags*/, POINT /*point*/) {}
    virtual void STATIC_OnMouseMove(UINT /*id*/, UINT /*flags*/, POINT /*point*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWStaticEvent() = default;
};

class CKWStatic {
public:
    explicit CKWStatic(IKWStaticEvent* listener = nullptr) : m_pListener(listener) {}
    CKWStatic(const CKWStatic&) = default;
    CKWStatic& operator=(const CKWStatic&) = default;
    virtual ~CKWStatic() = default;

    virtual int Create(LPCWSTR /*text*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int GetStaticText(WCHAR* /*buffer*/, int /*size*/) const { return 0; }
    // With fit the label is also resized to the text.
    virtual void SetStaticText(LPCWSTR /*text*/, bool /*fit*/ = false) {}
    virtual void SetTextAlignFlag(UINT /*flags*/) {}
    virtual UINT GetTextAlignFlag() { return 0; }
    virtual void SetTextColor(UINT /*color*/) {}
    virtual void SetTextBold(int /*bold*/) {}
    virtual void GetTextSize(int& /*width*/, int& /*height*/) {}
    virtual void SetBgColor(UINT /*color*/, int /*enable*/) {}
    virtual void SetObjectName(LPCWSTR /*name*/) {}
    virtual void SetTextSize(int /*size*/) {}
    virtual void GetStaticCtrolPos(RECT& /*rect*/) {}
    virtual void SetTextOffset(int /*offset*/) {}
    virtual void SetWordWrap(int /*wrap*/) {}
    virtual int GetWordWrap() { return 0; }
    virtual void SetWrapAnywhere(int /*wrap*/) {}
    virtual int GetWrapAnywher() { return 0; }
    virtual void SetToolTipText(LPCWSTR /*text*/) {}
    virtual void SetTooltipEnable(int /*enable*/) {}
    virtual RECT GetGeometry() { return RECT{0, 0, 0, 0}; }
    virtual void EnableWindow(int /*enable*/) {}

protected:
    IKWStaticEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWStatic* CreateKWStatic(IKWStaticEvent* listener);
// Statics are freed with their parent window; this does nothing.
void DestroyKWStatic(CKWStatic* control);
