#pragma once
// Date and time editor.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class IKWDateTimeCtrlEvent {
public:
    virtual void DTN_DropDownMonthCal(UINT /*id*/) {}
    virtual void DTN_DateTimeChange(UINT /*id*/, _KW_SYSTEMTIME /*time*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWDateTimeCtrlEvent() = default;
};

class CKWDateTimeCtrl {
public:
    explicit CKWDateTimeCtrl(IKWDateTimeCtrlEvent* listener) : m_pListener(listener) {}
    CKWDateTimeCtrl(const CKWDateTimeCtrl&) = default;
    CKWDateTimeCtrl& operator=(const CKWDateTimeCtrl&) = default;
    virtual ~CKWDateTimeCtrl() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageDateTimeStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void GetWindowRect(RECT* /*rect*/) {}
    virtual int GetTime(_KW_SYSTEMTIME* /*time*/) const { return 0; }
    virtual int GetDate(_KW_SYSTEMTIME* /*date*/) const { return 0; }
    virtual int SetTime(_KW_SYSTEMTIME* /*time*/) { return 0; }
    virtual int SetDate(_KW_SYSTEMTIME* /*date*/) { return 0; }
    virtual void SetOriginStyle(int /*native*/) {}
    virtual int Clear() { return 0; }
    virtual void SetObjectName(LPCWSTR /*name*/) {}

protected:
    IKWDateTimeCtrlEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWDateTimeCtrl* CreateKWDateTimeCtrl(IKWDateTimeCtrlEvent* listener);
