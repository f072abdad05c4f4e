#pragma once
// Month calendar control; an interface without a Qt implementation.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class IKWMonthCalCtrlEvent {
public:
    virtual void MONTHCAL_DateSelected(UINT /*id*/, _KW_SYSTEMTIME /*date*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWMonthCalCtrlEvent() = default;
};

class CKWMonthCalCtrl {
public:
    explicit CKWMonthCalCtrl(IKWMonthCalCtrlEvent* listener) : m_pListener(listener) {}
    CKWMonthCalCtrl(const CKWMonthCalCtrl&) = default;
    CKWMonthCalCtrl& operator=(const CKWMonthCalCtrl&) = default;
    virtual ~CKWMonthCalCtrl() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageMonthCalStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void GetClientRect(RECT* /*rect*/) {}
    virtual int GetCurSel(_KW_SYSTEMTIME* /*date*/) const { return 0; }
    virtual int GetToday(_KW_SYSTEMTIME* /*date*/) const { return 0; }
    virtual int SetCurSel(_KW_SYSTEMTIME* /*date*/) { return 0; }
    virtual void SetToday(_KW_SYSTEMTIME* /*date*/) {}

protected:
    IKWMonthCalCtrlEvent* m_pListener; // not owned
};
