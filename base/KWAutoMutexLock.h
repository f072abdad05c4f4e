#pragma once
// Scoped locks for the two mutex classes. The constructor locks, the
// destructor unlocks when the lock is still held, and Unlock/Lock let a caller
// leave the guarded region early and come back. A null mutex pointer gives a
// lock that locks nothing, so optional guards need no branch at the call site.

#include "base/KWMutex.h"

namespace KW_SOFT_BASE {

// Shared body of both scoped locks; instantiated for CKWMutex and CKWToolMutex.
template <typename Mutex>
class KWScopedMutexLock {
public:
    explicit KWScopedMutexLock(Mutex& mutex);
    explicit KWScopedMutexLock(Mutex* mutex);
    virtual ~KWScopedMutexLock();

    KWScopedMutexLock(const KWScopedMutexLock&) = delete;
    KWScopedMutexLock& operator=(const KWScopedMutexLock&) = delete;

    // Releases the mutex early; does nothing when it is not held by this lock.
    void Unlock();
    // Takes the mutex again after Unlock; does nothing while it is held, so
    // the destructor always balances exactly one Lock.
    void Lock();

    bool IsLocked() const { return m_locked; }

private:
    Mutex* m_mutex;
    bool m_locked;
};

extern template class KWScopedMutexLock<CKWMutex>;
extern template class KWScopedMutexLock<CKWToolMutex>;

class CKWAutoMutexLock final : public KWScopedMutexLock<CKWMutex> {
public:
    explicit CKWAutoMutexLock(CKWMutex& mutex) : KWScopedMutexLock(mutex) { }
    explicit CKWAutoMutexLock(CKWMutex* mutex) : KWScopedMutexLock(mutex) { }
    ~CKWAutoMutexLock() override = default;
};

class CKWToolAutoMutexLock final : public KWScopedMutexLock<CKWToolMutex> {
public:
    explicit CKWToolAutoMutexLock(CKWToolMutex& mutex) : KWScopedMutexLock(mutex) { }
    explicit CKWToolAutoMutexLock(CKWToolMutex* mutex) : KWScopedMutexLock(mutex) { }
    ~CKWToolAutoMutexLock() override = default;
};

} // namespace KW_SOFT_BASE
