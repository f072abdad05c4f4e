#include "base/KWEvent.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>

namespace KW_SOFT_BASE {

class KWEventObject {
public:
    KWEventObject(bool signalled, bool manualReset)
        : m_signalled(signalled)
        , m_manualReset(manualReset)
    {
    }

    void Set()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_signalled = true;
        }
        if (m_manualReset) {
            m_changed.notify_all();
        } else {
            m_changed.notify_one();
        }
    }

    void Reset()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_signalled = false;
    }

    DWORD Wait(DWORD timeout)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        const auto signalled = [this] { return m_signalled; };
        if (timeout == INFINITE) {
            m_changed.wait(lock, signalled);
        } else if (!m_changed.wait_for(lock, std::chrono::milliseconds(timeout), signalled)) {
            return WAIT_TIMEOUT;
        }
        // An auto-reset event is consumed by the one waiter it releases.
        if (!m_manualReset) {
            m_signalled = false;
        }
        return WAIT_OBJECT_0;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_signalled;
    const bool m_manualReset;
};

CKWEvent::CKWEvent()
    : m_record(new (std::nothrow) KWEventRecord)
{
}

CKWEvent::~CKWEvent() = default;

int CKWEvent::Create(int initialState, int manualReset)
{
    if (!m_record) {
        return 0;
    }
    Close();
    m_record->event.reset(new (std::nothrow) KWEventObject(initialState != 0, manualReset != 0));
    if (!m_record->event) {
        return 0;
    }
    m_record->manualReset = manualReset;
    m_record->created = 1;
    return 1;
}

int CKWEvent::Close()
{
    if (!m_record) {
        return 0;
    }
    if (m_record->created != 0) {
        m_record->event.reset();
        m_record->created = 0;
    }
    return 1;
}

void CKWEvent::SetEvent()
{
    if (m_record && m_record->created != 0 && m_record->event) {
        m_record->event->Set();
    }
}

void CKWEvent::ResetEvent()
{
    if (m_record && m_record->created != 0 && m_record->event) {
        m_record->event->Reset();
    }
}

DWORD CKWEvent::Wait(DWORD timeout)
{
    if (!m_record || m_record->created == 0 || !m_record->event) {
        return WAIT_FAILED;
    }
    return m_record->event->Wait(timeout);
}

} // namespace KW_SOFT_BASE
