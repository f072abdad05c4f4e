#include "base/msgloop/KWMessageControlDefault.h"

#include "base/KWAutoMutexLock.h"
#include "base/KWSystem.h"

namespace CorvinaBase {

using KW_SOFT_BASE::CKWToolAutoMutexLock;

CKWMessageControl_Default::CKWMessageControl_Default(const boost::weak_ptr<CDelegate>& delegate)
    : CKWMessageControl(delegate)
{
    m_event.Create(1, 1);
}

CKWMessageControl_Default::~CKWMessageControl_Default()
{
    if (m_running.load()) {
        Stop();
    }
    m_event.Close();
}

void CKWMessageControl_Default::Run()
{
    if (!HasDelegate()) {
        return;
    }
    while (m_running.load()) {
        {
            // Held for one pass only, so that an idle pump keeps nothing alive.
            const boost::shared_ptr<CDelegate> delegate = LockDelegate();
            if (!delegate) {
                return;
            }
            if (delegate->ProcessQueueA() != 0 || delegate->ProcessQueueB() != 0 || !delegate->IsIdle()) {
                continue;
            }
            CKWToolAutoMutexLock lock(m_mutex);
            m_event.ResetEvent();
            // A post that came after the idle check above may have set the
            // event just before this reset. Looking again under the mutex
            // closes that gap: any post from now on sets the event after us.
            if (!delegate->IsIdle() || !m_running.load()) {
                continue;
            }
        }
        // Lets a burst of posts gather before the pump wakes for them.
        KW_SOFT_BASE::CKWSystem::SleepMs(5);
        m_event.Wait(INFINITE);
    }
}

void CKWMessageControl_Default::Wake()
{
    CKWToolAutoMutexLock lock(m_mutex);
    m_event.SetEvent();
}

void CKWMessageControl_Default::Notify()
{
    Wake();
}

void CKWMessageControl_Default::Stop()
{
    m_running.store(false);
    Wake();
}

void CKWMessageControl_Default::NotifyEx()
{
    Wake();
}

} // namespace CorvinaBase
