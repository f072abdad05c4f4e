#pragma once
// Scrolling container; constructed directly with its listener (it has no factory).
// GetUIWnd hands out the content widget as the parent of the controls inside.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class IKWScrollAreaEvent {
public:
    // Every change of the vertical position, with the area's id.
    virtual void OnChange(int /*id*/, UINT /*position*/, UINT /*maximum*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWScrollAreaEvent() = default;
};

class CKWScrollArea {
public:
    explicit CKWScrollArea(IKWScrollAreaEvent* listener) : m_pListener(listener) {}
    CKWScrollArea(const CKWScrollArea&) = default;
    CKWScrollArea& operator=(const CKWScrollArea&) = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, UINT /*contentWidth*/, UINT /*contentHeight*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void SetTooltipEnable(int /*enable*/) {}
    virtual void SetToolTipText(LPCWSTR /*text*/) {}
    virtual int IsWindowVisible() { return 0; }
    virtual int IsWindow() { return 0; }
    virtual void SetEnabled(int /*enable*/) {}
    virtual void* GetUIWnd() { return nullptr; }
    virtual void SetSkin(ScrollAreaStyle* /*style*/) {}
    virtual void SetEnableScrollBar(int /*enable*/) {}
    virtual void ResizeScrollArea(UINT /*width*/, UINT /*height*/) {}
    virtual void SetRange(int /*minimum*/, int /*maximum*/, int /*step*/) {}
    virtual void SetUPNextValue() {}
    virtual void SetDownNextValue() {}
    virtual void SrollToTop(int /*unused*/) {}
    virtual void SetValue(int /*value*/, bool /*animate*/) {}

protected:
    // Deleted only through its Qt object, never through this interface.
    ~CKWScrollArea() = default;

    IKWScrollAreaEvent* m_pListener; // not owned
};
