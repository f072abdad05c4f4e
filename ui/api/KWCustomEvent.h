#pragma once
// The Qt event by which a control reports a command or a notification to the
// window that holds it, and the two ends of that path: the sender every
// control uses and the dispatcher the windows' customEvent handlers use.

#include "base/platform/KWWinTypes.h"

#include <QEvent>

class CKWEventBase;
class QObject;

class CKWCustomEvent : public QEvent {
public:
    // lParam is pointer-sized: notifications carry the address of a record
    // on the sender's stack.
    CKWCustomEvent(UINT message, WPARAM wParam, LPARAM lParam, UINT id);
    ~CKWCustomEvent() override;

    UINT GetMessageID() const { return m_message; }
    WPARAM GetWParam() const { return m_wParam; }
    LPARAM GetLParam() const { return m_lParam; }
    UINT GetControlID() const { return m_id; }

private:
    UINT m_message;
    WPARAM m_wParam; // the notification code
    LPARAM m_lParam;
    UINT m_id;
};

// The event type every CKWCustomEvent carries, registered with Qt once
// before main runs.
int KWCustomEventType();

// Run the listener's map entry for (message, code, id) of the event. A
// KWSig_v entry runs handler(); KWSig_notify runs handler(header, &result)
// with the header taken from lParam and a local result; KWSig_wl runs
// handler(lParam, id). Returns 1 when a handler ran, 0 otherwise (no
// listener, no map, no match).
int KWDispatchCustomEvent(CKWEventBase* listener, CKWCustomEvent* event);

// Deliver (message, code, lParam, id) synchronously to the sender's Qt
// parent: the parent's handler has run when this returns. Returns 1 when
// the event was sent, 0 when the sender has no parent.
int KWSendToParent(QObject* sender, UINT message, WPARAM code, LPARAM lParam, UINT id);
