#pragma once
// Integer spin box.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class IKWNumSpinerEvent {
public:
    virtual void OnCurrentNumChanged(UINT /*id*/, int /*value*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWNumSpinerEvent() = default;
};

class CKWNumSpiner {
public:
    explicit CKWNumSpiner(IKWNumSpinerEvent* listener = nullptr) : m_pListener(listener) {}
    CKWNumSpiner(const CKWNumSpiner&) = default;
    CKWNumSpiner& operator=(const CKWNumSpiner&) = default;
    virtual ~CKWNumSpiner() = default;

    virtual int Create(LPCWSTR /*text*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetRange(int /*minimum*/, int /*maximum*/) {}
    virtual void GetRange(int& /*minimum*/, int& /*maximum*/) {}
    virtual void SetStep(int /*step*/) {}
    virtual int GetStep() { return 0; }
    virtual void SetCurrentNum(int /*value*/) {}
    virtual int GetCurrentNum() { return 0; }
    virtual void StepUp() {}
    virtual void StepDown() {}
    virtual int SetSkin(ImageNumSpinerStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void SetCircleStep(int /*circle*/) {}

protected:
    IKWNumSpinerEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWNumSpiner* CreateKWNumSpiner(IKWNumSpinerEvent* listener);
