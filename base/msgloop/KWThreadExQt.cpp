#include "base/msgloop/KWThreadExQt.h"

#include "base/msgloop/KWMessageControl.h"
#include "base/msgloop/KWMessageLoop.h"
#include "base/platform/KWPlatform.h"

namespace CorvinaBase {

int CKWThreadEx_Qt::CThreadHandle::Create(DWORD stackSize, void* context, const boost::shared_ptr<HANDLE>& holder)
{
    if (CKWThread::Create(stackSize, &CKWThreadEx_Qt::ThreadProc, context, 0, nullptr) == 0) {
        return 0;
    }
    if (holder) {
        *holder = GetImpl()->thread;
    }
    return 1;
}

boost::shared_ptr<CKWThreadEx_Qt> CKWThreadEx_Qt::Create(const int& kind)
{
    boost::shared_ptr<CKWMessageLoop> loop = CKWMessageLoop::Create(kind);
    if (!loop) {
        return boost::shared_ptr<CKWThreadEx_Qt>();
    }
    boost::shared_ptr<CKWThreadEx_Qt> thread(new CKWThreadEx_Qt);
    thread->m_handle.reset(new HANDLE(nullptr));
    thread->m_data.reset(new CKWThreadData);
    thread->m_loop = loop;
    return thread;
}

CKWThreadEx_Qt::~CKWThreadEx_Qt() = default;

int CKWThreadEx_Qt::Start()
{
    // A second start would wait for a signal that no new thread gives.
    if (m_thread.IsRunning()) {
        return 1;
    }
    m_data->startEvent.Create(1, 1);
    m_data->startEvent.ResetEvent();

    boost::shared_ptr<CKWThreadEx::CDelegate> self = shared_from_this();
    if (m_thread.Create(0, &self, m_handle) == 0) {
        // No thread will signal; waiting would hang the caller for good.
        return 0;
    }
    // `self` must outlive this wait: the new thread copies it through the
    // context pointer before it signals.
    m_data->startEvent.Wait(INFINITE);
    // The start event is not closed here: the new thread may still be inside
    // SetEvent when this thread wakes. It goes with the start data.
    m_loop->SetThreadHandle(*m_handle);
    return 1;
}

void CKWThreadEx_Qt::Stop()
{
    if (const boost::shared_ptr<CKWMessageControl> control = m_loop->GetControl()) {
        control->Stop();
    }
}

int CKWThreadEx_Qt::Run()
{
    // The id is recorded before Start is released, so that the loop knows
    // its thread as soon as Start returns.
    m_loop->SetThreadId(KwGetCurrentThreadId());
    m_data->startEvent.SetEvent();
    m_loop->Run();
    return 0;
}

DWORD CKWThreadEx_Qt::ThreadProc(void* context)
{
    boost::shared_ptr<CKWThreadEx::CDelegate> body = *static_cast<boost::shared_ptr<CKWThreadEx::CDelegate>*>(context);
    if (body) {
        body->Run();
    }
    body.reset();
    return 0;
}

} // namespace CorvinaBase
