#pragma once
// Month calendar; constructed directly with its listener (it has no factory).

#include "base/platform/KWWinTypes.h"

class IKWCalendarCtrlEvent {
public:
    virtual void SelectionChanged(UINT /*id*/, int /*year*/, int /*month*/, int /*day*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWCalendarCtrlEvent() = default;
};

class CKWCalendarCtrl {
public:
    explicit CKWCalendarCtrl(IKWCalendarCtrlEvent* listener) : m_pListener(listener) {}
    CKWCalendarCtrl(const CKWCalendarCtrl&) = default;
    CKWCalendarCtrl& operator=(const CKWCalendarCtrl&) = default;
    virtual ~CKWCalendarCtrl() = default;

    virtual void SetDate(UINT /*year*/, UINT /*month*/, UINT /*day*/, int /*flag*/) {}
    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void ClearSelData(UINT /*year*/, UINT /*month*/, UINT /*day*/) {}
    virtual void GetDate(UINT& /*year*/, UINT& /*month*/, UINT& /*day*/) {}
    virtual void SetEditDate(UINT /*year*/, UINT /*month*/, UINT /*day*/) {}
    virtual void ShowWindow(int /*show*/) {}
    virtual void SetLanguage(int /*language*/) {}

protected:
    IKWCalendarCtrlEvent* m_pListener; // not owned
};
