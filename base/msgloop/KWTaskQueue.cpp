#include "base/msgloop/KWTaskQueue.h"

#include "base/KWAutoMutexLock.h"
#include "base/msgloop/KWTask.h"

namespace CorvinaBase {

using KW_SOFT_BASE::CKWToolAutoMutexLock;

CKWTaskQueue::~CKWTaskQueue()
{
    Clear();
}

void CKWTaskQueue::Push(const boost::shared_ptr<CTaskBase>& task)
{
    CKWToolAutoMutexLock lock(m_mutex);
    m_incoming.push_back(task);
}

bool CKWTaskQueue::IsEmpty()
{
    CKWToolAutoMutexLock lock(m_mutex);
    return m_incoming.empty();
}

void CKWTaskQueue::Clear()
{
    TaskList incoming;
    TaskList processing;
    {
        CKWToolAutoMutexLock lock(m_mutex);
        incoming.swap(m_incoming);
        processing.swap(m_processing);
    }
    // Released outside the lock: a task's destructor may post again.
}

int CKWTaskQueue::ProcessOne()
{
    boost::shared_ptr<CTaskBase> task;
    {
        // The front is taken under the lock as well, so that a Clear from
        // another thread cannot empty the batch under the draining thread.
        CKWToolAutoMutexLock lock(m_mutex);
        if (m_processing.empty()) {
            if (m_incoming.empty()) {
                return 0;
            }
            m_processing.swap(m_incoming);
        }
        task = std::move(m_processing.front());
        m_processing.pop_front();
    }
    // A record that is not a runnable task has no work; it is just released.
    if (auto* runnable = dynamic_cast<CKWTask*>(task.get())) {
        runnable->Run();
    }
    task.reset();
    return 1;
}

} // namespace CorvinaBase
