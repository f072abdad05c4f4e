#pragma once
// A message loop: two task queues (normal and low priority) drained by one
// pump on one thread. Any thread may post. Loops are always held by shared
// pointers; the pump watches its loop through a weak pointer.

#include "base/msgloop/KWMessageControl.h"
#include "base/msgloop/KWTaskQueue.h"
#include "base/platform/KWWinTypes.h"

#include <boost/shared_ptr.hpp>

#include <atomic>

namespace CorvinaBase {

class CTaskBase;

class CKWMessageLoop final : public CKWMessageControl::CDelegate {
public:
    enum Kind {
        // Drained by a worker thread that blocks while idle.
        KIND_DEFAULT = 0,
        // Drained on the Qt GUI thread through a zero-interval timer.
        KIND_QT = 1,
    };

    // A loop with the pump of that kind; empty for any other kind.
    static boost::shared_ptr<CKWMessageLoop> Create(int kind);
    ~CKWMessageLoop();

    CKWMessageLoop(const CKWMessageLoop&) = delete;
    CKWMessageLoop& operator=(const CKWMessageLoop&) = delete;

    // Queue the task and wake the pump; a null task is ignored.
    void PostTask(const boost::shared_ptr<CTaskBase>& task);
    void PostLowPriorityTask(const boost::shared_ptr<CTaskBase>& task);
    // Runs the pump on the calling thread.
    void Run();
    // Stops the pump and, when the loop knows its thread, waits for that
    // thread to end (unless called on that very thread, which cannot wait
    // for itself).
    void Quit();

    DWORD GetThreadId() const { return m_threadId.load(); }
    void SetThreadId(DWORD threadId) { m_threadId.store(threadId); }
    // Keeps its own reference to the thread, so Quit can wait for it even
    // after the thread object has gone.
    void SetThreadHandle(HANDLE thread);
    boost::shared_ptr<CKWMessageControl> GetControl() const { return m_control; }

    int ProcessQueueA() override;
    int ProcessSpare() override;
    int ProcessQueueB() override;
    bool IsIdle() override;

private:
    CKWMessageLoop() = default;

    CKWTaskQueue m_queueA;
    CKWTaskQueue m_queueB;
    boost::shared_ptr<CKWMessageControl> m_control;
    std::atomic<DWORD> m_threadId { 0 };
    std::atomic<HANDLE> m_thread { nullptr };
};

} // namespace CorvinaBase
