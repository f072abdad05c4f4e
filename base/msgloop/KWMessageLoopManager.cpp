#include "base/msgloop/KWMessageLoopManager.h"

#include "base/KWAutoMutexLock.h"
#include "base/msgloop/KWMessageLoop.h"
#include "base/platform/KWPlatform.h"

#include <mutex>

namespace CorvinaBase {

using KW_SOFT_BASE::CKWToolAutoMutexLock;

namespace {

boost::shared_ptr<CKWMessageLoopManager> s_instance;
std::once_flag s_instanceOnce;

} // namespace

boost::shared_ptr<CKWMessageLoopManager> CKWMessageLoopManager::Instance()
{
    // Made once even when two threads ask first at the same time.
    std::call_once(s_instanceOnce, [] { s_instance.reset(new CKWMessageLoopManager); });
    return s_instance;
}

CKWMessageLoopManager::~CKWMessageLoopManager() = default;

boost::shared_ptr<CKWMessageLoop> CKWMessageLoopManager::GetLoop(int id)
{
    CKWToolAutoMutexLock lock(m_mutex);
    const auto found = m_loops.find(id);
    return found != m_loops.end() ? found->second : boost::shared_ptr<CKWMessageLoop>();
}

void CKWMessageLoopManager::RegisterLoop(const boost::shared_ptr<CKWMessageLoop>& loop, int id)
{
    boost::shared_ptr<CKWMessageLoop> previous;
    {
        CKWToolAutoMutexLock lock(m_mutex);
        const auto found = m_loops.find(id);
        if (found != m_loops.end()) {
            previous.swap(found->second);
            m_loops.erase(found);
        }
        if (loop) {
            m_loops[id] = loop;
        }
    }
    // The old loop may end here; its tasks are released outside the registry
    // lock, so a task's destructor may use the registry.
}

bool CKWMessageLoopManager::IsCurrentLoopThread(int id)
{
    const boost::shared_ptr<CKWMessageLoop> loop = GetLoop(id);
    return loop && loop->GetThreadId() == KwGetCurrentThreadId();
}

} // namespace CorvinaBase
