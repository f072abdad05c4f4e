#pragma once
// Strip of picture thumbnails.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"
#include "ui/api/KWTypes.h"

class IKWImagePanelEvent {
public:
    virtual void IMGPNL_OnPlayImage(LPCWSTR /*path*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWImagePanelEvent() = default;
};

class CKWImagePanel {
public:
    explicit CKWImagePanel(IKWImagePanelEvent* listener = nullptr) : m_pListener(listener) {}
    CKWImagePanel(const CKWImagePanel&) = default;
    CKWImagePanel& operator=(const CKWImagePanel&) = default;
    virtual ~CKWImagePanel() = default;

    virtual int Create(LPCWSTR /*text*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(UIImagePanelStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int GetCount() const { return 0; }
    virtual int AddItem(LPCWSTR /*path*/, LPCWSTR /*name*/, LPCWSTR /*type*/, LPCWSTR /*startTime*/, LPCWSTR /*endTime*/) { return 0; }
    virtual void ClearItems() {}
    virtual void DelByItemName(LPCWSTR /*name*/) {}
    virtual void SetScrollType(DISPLAY_TYPE /*type*/) {}
    virtual LPCWSTR GetHotImagePath() { return nullptr; }

protected:
    IKWImagePanelEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWImagePanel* CreateKWImagePanel(IKWImagePanelEvent* listener);
