#include "base/KWAutoMutexLock.h"

namespace KW_SOFT_BASE {

template <typename Mutex>
KWScopedMutexLock<Mutex>::KWScopedMutexLock(Mutex& mutex)
    : KWScopedMutexLock(&mutex)
{
}

template <typename Mutex>
KWScopedMutexLock<Mutex>::KWScopedMutexLock(Mutex* mutex)
    : m_mutex(mutex)
    , m_locked(false)
{
    Lock();
}

template <typename Mutex>
KWScopedMutexLock<Mutex>::~KWScopedMutexLock()
{
    Unlock();
}

template <typename Mutex>
void KWScopedMutexLock<Mutex>::Unlock()
{
    if (m_mutex != nullptr && m_locked) {
        m_mutex->Unlock();
        m_locked = false;
    }
}

template <typename Mutex>
void KWScopedMutexLock<Mutex>::Lock()
{
    if (m_mutex != nullptr && !m_locked) {
        m_mutex->Lock();
        m_locked = true;
    }
}

template class KWScopedMutexLock<CKWMutex>;
template class KWScopedMutexLock<CKWToolMutex>;

} // namespace KW_SOFT_BASE
