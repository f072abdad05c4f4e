#pragma once
// The pump of a worker thread: Run drains the loop until Stop, blocking on an
// event while both queues are empty, so an idle loop costs no processor time.

#include "base/KWEvent.h"
#include "base/KWMutex.h"
#include "base/msgloop/KWMessageControl.h"

#include <atomic>

namespace CorvinaBase {

class CKWMessageControl_Default final : public CKWMessageControl {
public:
    explicit CKWMessageControl_Default(const boost::weak_ptr<CDelegate>& delegate);
    // Stops the pump when it still runs; does not wait for Run to return.
    ~CKWMessageControl_Default() override;

    // Normal tasks always go first: each pass runs one task of queue A, or,
    // when A had none, one of queue B. Returns once stopped or when the loop
    // has gone.
    void Run() override;
    void Notify() override;
    // A stopped pump is not restarted.
    void Stop() override;
    void NotifyEx() override;

    bool IsRunning() const { return m_running.load(); }

private:
    void Wake();

    std::atomic<bool> m_running { true };
    KW_SOFT_BASE::CKWEvent m_event;
    // Serialises every set and reset of the event with the pump's idle check.
    KW_SOFT_BASE::CKWToolMutex m_mutex;
};

} // namespace CorvinaBase
