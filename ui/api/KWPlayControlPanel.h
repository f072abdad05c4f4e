#pragma once
// Playback button panel; an interface without a Qt implementation.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"
#include "ui/api/KWTypes.h"

// The panel reports nothing; its listener has no operations.
class IKWPlayControlPanelEvent {
public:
protected:
    // Listeners are never deleted through their interface.
    ~IKWPlayControlPanelEvent() = default;
};

class CKWPlayControlPanel {
public:
    explicit CKWPlayControlPanel(IKWPlayControlPanelEvent* listener) : m_pListener(listener) {}
    CKWPlayControlPanel(const CKWPlayControlPanel&) = default;
    CKWPlayControlPanel& operator=(const CKWPlayControlPanel&) = default;
    virtual ~CKWPlayControlPanel() = default;

    virtual void SetBackground(const char* /*image*/) {}
    virtual void SetAnchor(ControlIdentifier /*control*/, RECT& /*rect*/) {}
    virtual void SetBtnAnchorSkin(ControlIdentifier /*control*/, ControlStatus /*status*/, ImageRadioBox* /*style*/) {}
    virtual void SetControlStatus(ControlIdentifier /*control*/, ControlStatus /*status*/) {}
    virtual int Create(void* /*parent*/) { return 0; }
    virtual void DoPaint() {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void ShowWindow(int /*show*/) {}
    virtual void SetThumbPosition(int /*pos*/, ControlIdentifier /*control*/) {}

protected:
    IKWPlayControlPanelEvent* m_pListener; // not owned
};
