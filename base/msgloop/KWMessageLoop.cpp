#include "base/msgloop/KWMessageLoop.h"

#include "base/KWThread.h"
#include "base/msgloop/KWMessageControlDefault.h"
#include "base/msgloop/KWMessageControlQt.h"
#include "base/platform/KWPlatform.h"

#include <QtGlobal>

namespace CorvinaBase {

boost::shared_ptr<CKWMessageLoop> CKWMessageLoop::Create(int kind)
{
    if (kind != KIND_DEFAULT && kind != KIND_QT) {
        qWarning("CKWMessageLoop::Create: unknown pump kind %d", kind);
        return boost::shared_ptr<CKWMessageLoop>();
    }
    boost::shared_ptr<CKWMessageLoop> loop(new CKWMessageLoop);
    const boost::weak_ptr<CKWMessageControl::CDelegate> delegate = loop;
    if (kind == KIND_DEFAULT) {
        loop->m_control = boost::shared_ptr<CKWMessageControl>(new CKWMessageControl_Default(delegate));
    } else {
        loop->m_control = boost::shared_ptr<CKWMessageControl>(new CKWMessageControl_Qt(delegate));
    }
    return loop;
}

CKWMessageLoop::~CKWMessageLoop()
{
    // The pump goes before the queues, as its member order says; the thread
    // reference is ours alone.
    m_control.reset();
    if (HANDLE thread = m_thread.exchange(nullptr)) {
        KwCloseThreadHandle(thread);
    }
}

void CKWMessageLoop::PostTask(const boost::shared_ptr<CTaskBase>& task)
{
    if (!task) {
        return;
    }
    m_queueA.Push(task);
    m_control->Notify();
}

void CKWMessageLoop::PostLowPriorityTask(const boost::shared_ptr<CTaskBase>& task)
{
    if (!task) {
        return;
    }
    m_queueB.Push(task);
    m_control->Notify();
}

void CKWMessageLoop::Run()
{
    m_control->Run();
}

void CKWMessageLoop::Quit()
{
    m_control->Stop();
    HANDLE thread = m_thread.load();
    if (thread != nullptr && m_threadId.load() != KwGetCurrentThreadId()) {
        KwWaitForThread(thread, INFINITE);
    }
}

void CKWMessageLoop::SetThreadHandle(HANDLE thread)
{
    HANDLE own = thread != nullptr ? KwDuplicateThreadHandle(thread) : nullptr;
    if (HANDLE previous = m_thread.exchange(own)) {
        KwCloseThreadHandle(previous);
    }
}

int CKWMessageLoop::ProcessQueueA()
{
    return m_queueA.ProcessOne();
}

int CKWMessageLoop::ProcessSpare()
{
    return 0;
}

int CKWMessageLoop::ProcessQueueB()
{
    return m_queueB.ProcessOne();
}

bool CKWMessageLoop::IsIdle()
{
    return m_queueA.IsEmpty() && m_queueB.IsEmpty();
}

} // namespace CorvinaBase
