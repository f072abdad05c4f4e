#pragma once
// The pump of the Qt GUI thread. It never blocks: a post wakes a
// zero-interval timer, each tick runs one task of this pump's loop, and the
// timer stops once both queues are empty, so an idle pump costs nothing.
//
// Create it on the GUI thread while the application object exists: its helper
// object filters the application's events.

#include "base/msgloop/KWMessageControl.h"
#include "base/msgloop/MsgQObject.h"
#include "base/platform/KWWinTypes.h"

class QTimer;

namespace CorvinaBase {

class CKWMessageControl_Qt final : public CKWMessageControl {
public:
    explicit CKWMessageControl_Qt(const boost::weak_ptr<CDelegate>& delegate);
    ~CKWMessageControl_Qt() override;

    // One pass: one task of queue A, else one of queue B, else the timer stops.
    // Called on another thread than the timer's, it only wakes the pump.
    void Run() override;
    // Posts the wake-up event; callable from any thread.
    void Notify() override;
    // Stops the timer; from another thread, once its own thread gets to it.
    void Stop() override;
    void NotifyEx() override;

    QTimer* GetTimer() const { return m_timer; }

    // For use as a native event filter: every message but the painting,
    // focus, enabling, closing and system-setting ones runs one pass of the
    // main loop. Always false, so the message goes on to its normal handling.
    static bool FilterNativeMessage(MSG* message);

private:
    MsgQObject m_object;
    QTimer* m_timer = nullptr;
};

} // namespace CorvinaBase
