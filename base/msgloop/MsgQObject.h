#pragma once
// The Qt pump's helper object: it receives the pump's wake-up event and, as
// the application's event filter, turns each tick of the pump's timer into
// one pass of that pump's own loop.

#include <QObject>

class QTimer;

namespace CorvinaBase {

class CKWMessageControl;

class MsgQObject final : public QObject {
public:
    // The event type a post sends to wake the pump.
    static constexpr int kWakeEventType = 9393;

    MsgQObject() = default;
    ~MsgQObject() override = default;

    // The pump whose timer this object serves; null detaches it.
    void SetPump(CKWMessageControl* pump, QTimer* timer)
    {
        m_pump = pump;
        m_timer = timer;
    }
    QTimer* GetTimer() const { return m_timer; }

    // Restarts the stopped timer on a wake-up event. Always false.
    bool event(QEvent* e) override;
    // Runs one pass of the pump on each tick of its timer and consumes the
    // tick; reports application activation to the debug output.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    CKWMessageControl* m_pump = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace CorvinaBase
