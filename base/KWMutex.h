#pragma once
// Recursive mutexes of the base library. Two classes with the same behaviour
// exist because two families of callers name them differently; both share
// one implementation so they cannot drift apart.

#include "base/platform/KWWinTypes.h"

#include <memory>
#include <mutex>

namespace KW_SOFT_BASE {

// The shared implementation: a recursive lock that the owning thread may take
// again and must release as often. The lock object is allocated by the
// constructor; every operation does nothing when that allocation failed.
class KWCriticalSection {
public:
    KWCriticalSection();
    virtual ~KWCriticalSection();

    KWCriticalSection(const KWCriticalSection&) = delete;
    KWCriticalSection& operator=(const KWCriticalSection&) = delete;

    void Lock();
    void Unlock();
    // Nonzero when the lock was taken (also when the caller already owns it),
    // 0 when another thread holds it.
    BOOL TryLock();

private:
    std::unique_ptr<std::recursive_mutex> m_section;
};

// The lock of the application's own classes (the product database).
class CKWMutex final : public KWCriticalSection {
public:
    CKWMutex() = default;
    ~CKWMutex() override = default;
};

// The lock of the message-loop framework and the renderer.
class CKWToolMutex final : public KWCriticalSection {
public:
    CKWToolMutex() = default;
    ~CKWToolMutex() override = default;
};

} // namespace KW_SOFT_BASE
