#include "base/KWThread.h"

#include "base/KWSignalStack.h"
#include "base/platform/KWPlatform.h"

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <mutex>
#include <new>
#include <pthread.h>
#include <unistd.h>

namespace {

constexpr uint32_t kThreadStateTag = 0x4B575448; // "KWTH"

class KWThreadState {
public:
    KWThreadState(LPTHREAD_START_ROUTINE proc, void* context)
        : m_proc(proc)
        , m_context(context)
    {
    }

    ~KWThreadState()
    {
        m_tag = 0;
        // Nobody joined: let the system reclaim the thread when it ends.
        if (m_started && !m_joined) {
            ::pthread_detach(m_thread);
        }
    }

    bool IsValid() const { return m_tag == kThreadStateTag; }

    void AddRef() { m_refs.fetch_add(1, std::memory_order_relaxed); }

    void Release()
    {
        if (m_refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
            delete this;
        }
    }

    bool Start(size_t stackSize)
    {
        pthread_attr_t attr;
        if (::pthread_attr_init(&attr) != 0) {
            return false;
        }
        if (stackSize != 0) {
            // The classic API treats the size as the part committed up front
            // and never reserves less than the default stack, so a small size
            // only ever means "the default".
            size_t defaultSize = 0;
            ::pthread_attr_getstacksize(&attr, &defaultSize);
            if (stackSize > defaultSize) {
                const long page = ::sysconf(_SC_PAGESIZE);
                const size_t pageSize = page > 0 ? static_cast<size_t>(page) : 4096;
                const size_t rounded = (stackSize + pageSize - 1) / pageSize * pageSize;
                ::pthread_attr_setstacksize(&attr, rounded);
            }
        }
        AddRef(); // the new thread's own reference, released when it ends
        const int rc = ::pthread_create(&m_thread, &attr, &KWThreadState::Trampoline, this);
        ::pthread_attr_destroy(&attr);
        if (rc != 0) {
            m_refs.fetch_sub(1, std::memory_order_relaxed);
            return false;
        }
        m_started = true;
        return true;
    }

    DWORD WaitForId()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_threadId != 0; });
        return m_threadId;
    }

    DWORD Wait(DWORD timeout)
    {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            const auto done = [this] { return m_done; };
            if (timeout == INFINITE) {
                m_changed.wait(lock, done);
            } else if (!m_changed.wait_for(lock, std::chrono::milliseconds(timeout), done)) {
                return WAIT_TIMEOUT;
            }
        }
        // The procedure has returned; joining now only waits for the last
        // few instructions of the thread, and frees it.
        std::lock_guard<std::mutex> lock(m_joinMutex);
        if (!m_joined && !::pthread_equal(m_thread, ::pthread_self())) {
            ::pthread_join(m_thread, nullptr);
            m_joined = true;
        }
        return WAIT_OBJECT_0;
    }

private:
    static void* Trampoline(void* arg)
    {
        // So that the crash handler can still run, and report, when this
        // thread overflows its stack.
        const KW_SOFT_BASE::CKWSignalStack signalStack;
        auto* self = static_cast<KWThreadState*>(arg);
        {
            std::lock_guard<std::mutex> lock(self->m_mutex);
            self->m_threadId = KwGetCurrentThreadId();
        }
        self->m_changed.notify_all();

        self->m_proc(self->m_context);

        {
            std::lock_guard<std::mutex> lock(self->m_mutex);
            self->m_done = true;
        }
        self->m_changed.notify_all();
        self->Release();
        return nullptr;
    }

    uint32_t m_tag = kThreadStateTag;
    std::atomic<int> m_refs { 1 };
    const LPTHREAD_START_ROUTINE m_proc;
    void* const m_context;
    pthread_t m_thread {};
    bool m_started = false;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    DWORD m_threadId = 0;
    bool m_done = false;

    std::mutex m_joinMutex;
    bool m_joined = false;
};

KWThreadState* StateOf(HANDLE thread)
{
    auto* state = static_cast<KWThreadState*>(thread);
    return state != nullptr && state->IsValid() ? state : nullptr;
}

} // namespace

HANDLE KwDuplicateThreadHandle(HANDLE thread)
{
    KWThreadState* state = StateOf(thread);
    if (state == nullptr) {
        return nullptr;
    }
    state->AddRef();
    return thread;
}

BOOL KwCloseThreadHandle(HANDLE thread)
{
    KWThreadState* state = StateOf(thread);
    if (state == nullptr) {
        return FALSE;
    }
    state->Release();
    return TRUE;
}

DWORD KwWaitForThread(HANDLE thread, DWORD timeout)
{
    KWThreadState* state = StateOf(thread);
    if (state == nullptr) {
        return WAIT_FAILED;
    }
    return state->Wait(timeout);
}

namespace KW_SOFT_BASE {

CKWThread::CKWThread()
    : m_record(new (std::nothrow) KWThreadImpl)
{
}

CKWThread::~CKWThread()
{
    if (m_record && m_record->thread != nullptr) {
        KwCloseThreadHandle(m_record->thread);
    }
}

int CKWThread::Create(DWORD stackSize, LPTHREAD_START_ROUTINE proc, void* context, DWORD flags, DWORD* threadId)
{
    if (!m_record) {
        return 0;
    }
    if (m_record->created != 0 || m_record->thread != nullptr) {
        return 1;
    }
    if (proc == nullptr) {
        return 0;
    }
    if (flags != 0) {
        qWarning("CKWThread::Create: creation flags 0x%x are not supported", static_cast<unsigned>(flags));
        return 0;
    }
    auto* state = new (std::nothrow) KWThreadState(proc, context);
    if (state == nullptr) {
        return 0;
    }
    if (!state->Start(stackSize)) {
        state->Release();
        *m_record = KWThreadImpl();
        return 0;
    }
    m_record->thread = state;
    m_record->created = 1;
    if (threadId != nullptr) {
        *threadId = state->WaitForId();
    }
    return 1;
}

int CKWThread::Terminate(DWORD exitCode)
{
    if (!m_record || m_record->created == 0 || m_record->thread == nullptr) {
        return 0;
    }
    qWarning("CKWThread::Terminate(%u): a thread cannot be stopped from outside; end it by its own means",
        static_cast<unsigned>(exitCode));
    return 0;
}

DWORD CKWThread::Wait(DWORD timeout)
{
    if (!m_record || m_record->thread == nullptr) {
        return WAIT_FAILED;
    }
    const DWORD result = KwWaitForThread(m_record->thread, timeout);
    if (result == WAIT_OBJECT_0) {
        KwCloseThreadHandle(m_record->thread);
        *m_record = KWThreadImpl();
    }
    return result;
}

bool CKWThread::IsRunning() const
{
    return m_record && (m_record->created != 0 || m_record->thread != nullptr);
}

KWThreadImpl* CKWThread::GetImpl() const
{
    return m_record.get();
}

} // namespace KW_SOFT_BASE
