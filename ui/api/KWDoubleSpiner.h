#pragma once
// Floating-point spin box.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class IKWDoubleSpinerEvent {
public:
    virtual void OnCurrentNumChanged(UINT /*id*/, double /*value*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWDoubleSpinerEvent() = default;
};

class CKWDoubleSpiner {
public:
    explicit CKWDoubleSpiner(IKWDoubleSpinerEvent* listener = nullptr) : m_pListener(listener) {}
    CKWDoubleSpiner(const CKWDoubleSpiner&) = default;
    CKWDoubleSpiner& operator=(const CKWDoubleSpiner&) = default;
    virtual ~CKWDoubleSpiner() = default;

    virtual int Create(LPCWSTR /*text*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetRange(double /*minimum*/, double /*maximum*/) {}
    virtual void GetRange(double& /*minimum*/, double& /*maximum*/) {}
    virtual void SetStep(double /*step*/) {}
    virtual double GetStep() { return 0.0; }
    virtual void SetCurrentNum(double /*value*/) {}
    virtual double GetCurrentNum() { return 0.0; }
    virtual void StepUp() {}
    virtual void StepDown() {}
    virtual int SetSkin(ImageNumSpinerStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void EnableWindow(int /*enable*/) {}
    virtual void SetCircleStep(int /*circle*/) {}
    virtual void SetRectTimes(float /*times*/) {}
    virtual void SetDecimals(int /*decimals*/) {}

protected:
    IKWDoubleSpinerEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWDoubleSpiner* CreateKWDoubleSpiner(IKWDoubleSpinerEvent* listener);
