#pragma once
// The locked queue a message loop drains one task at a time. Posting threads
// fill `incoming`; the draining thread swaps the whole batch into
// `processing` at once and runs it without the lock, so a post never waits
// for a running task.

#include "base/KWMutex.h"

#include <boost/shared_ptr.hpp>

#include <deque>

namespace CorvinaBase {

class CTaskBase;

class CKWTaskQueue {
public:
    CKWTaskQueue() = default;
    // Releases every task still queued.
    virtual ~CKWTaskQueue();

    CKWTaskQueue(const CKWTaskQueue&) = delete;
    CKWTaskQueue& operator=(const CKWTaskQueue&) = delete;

    void Push(const boost::shared_ptr<CTaskBase>& task);
    // Whether nothing waits to be swapped in; the batch being run is not
    // counted.
    bool IsEmpty();
    // Releases every task of both deques. Safe from any thread.
    void Clear();
    // Runs the oldest task: 0 when there was nothing to run, else 1. Only the
    // one draining thread calls it. A task posted from a running task lands
    // in `incoming` and runs after the current batch.
    virtual int ProcessOne();

private:
    using TaskList = std::deque<boost::shared_ptr<CTaskBase>>;

    TaskList m_incoming;
    TaskList m_processing;
    KW_SOFT_BASE::CKWToolMutex m_mutex;
};

} // namespace CorvinaBase
