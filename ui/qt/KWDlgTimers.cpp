#include "ui/qt/KWDlgTimers.h"

#include <QObject>

#include <climits>

CKWDlgTimers::~CKWDlgTimers()
{
    KillAll();
}

UINT CKWDlgTimers::Set(UINT id, UINT milliseconds)
{
    const auto found = m_timers.constFind(id);
    if (found != m_timers.constEnd()) {
        return static_cast<UINT>(found.value());
    }
    // Qt takes a signed interval; longer ones are kept at the longest it has.
    const int interval = milliseconds > static_cast<UINT>(INT_MAX) ? INT_MAX : static_cast<int>(milliseconds);
    const int qtId = m_owner->startTimer(interval);
    if (qtId == 0) {
        return 0;
    }
    m_timers.insert(id, qtId);
    return static_cast<UINT>(qtId);
}

int CKWDlgTimers::Kill(UINT id)
{
    const auto found = m_timers.find(id);
    if (found == m_timers.end()) {
        return 0;
    }
    m_owner->killTimer(found.value());
    m_timers.erase(found);
    return 1;
}

void CKWDlgTimers::KillAll()
{
    for (const int qtId : std::as_const(m_timers)) {
        m_owner->killTimer(qtId);
    }
    m_timers.clear();
}

UINT CKWDlgTimers::IdOf(int qtTimerId) const
{
    for (auto it = m_timers.constBegin(); it != m_timers.constEnd(); ++it) {
        if (it.value() == qtTimerId) {
            return it.key();
        }
    }
    return 0;
}
