#include "base/KWMutex.h"

#include <new>

namespace KW_SOFT_BASE {

KWCriticalSection::KWCriticalSection()
    : m_section(new (std::nothrow) std::recursive_mutex)
{
}

KWCriticalSection::~KWCriticalSection() = default;

void KWCriticalSection::Lock()
{
    if (m_section) {
        m_section->lock();
    }
}

void KWCriticalSection::Unlock()
{
    if (m_section) {
        m_section->unlock();
    }
}

BOOL KWCriticalSection::TryLock()
{
    if (!m_section) {
        return FALSE;
    }
    return m_section->try_lock() ? TRUE : FALSE;
}

} // namespace KW_SOFT_BASE
