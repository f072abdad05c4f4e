#pragma once
// The timers of a frameless window: the caller names each timer by its own
// id, Qt by the id it hands out. Both windows keep one of these.

#include "base/platform/KWWinTypes.h"

#include <QMap>

class QObject;

class CKWDlgTimers {
public:
    explicit CKWDlgTimers(QObject* owner)
        : m_owner(owner)
    {
    }
    CKWDlgTimers(const CKWDlgTimers&) = delete;
    CKWDlgTimers& operator=(const CKWDlgTimers&) = delete;
    // Stops what is still running.
    ~CKWDlgTimers();

    // Starts a repeating timer for id; an id already running keeps its timer
    // (and interval). Returns Qt's timer id, 0 when Qt could not start one.
    UINT Set(UINT id, UINT milliseconds);
    // 0 for an id that is not running; otherwise stops it, forgets it so the
    // id can be started again, and returns 1.
    int Kill(UINT id);
    void KillAll();
    // The caller's id of a Qt timer, 0 when it is none of ours.
    UINT IdOf(int qtTimerId) const;

private:
    QObject* m_owner; // receives the timer events
    QMap<UINT, int> m_timers; // caller's id -> Qt timer id
};
