#pragma once
// A waitable event with manual or automatic reset. A manual-reset event stays
// signalled until ResetEvent and releases every waiter; an auto-reset event
// releases one waiter and clears itself.
//
// Create, Close and destruction must not race with a Wait on another thread;
// SetEvent, ResetEvent and Wait may be called from any thread.

#include "base/platform/KWWinTypes.h"

#include <memory>

namespace KW_SOFT_BASE {

class KWEventObject;

struct KWEventRecord {
    int created = 0;
    int manualReset = 0;
    std::unique_ptr<KWEventObject> event;
};

class CKWEvent {
public:
    CKWEvent();
    virtual ~CKWEvent();

    CKWEvent(const CKWEvent&) = delete;
    CKWEvent& operator=(const CKWEvent&) = delete;

    // 1 on success, 0 when the record is missing or creation failed. A second
    // Create replaces the first event (closing it) instead of leaking it.
    int Create(int initialState, int manualReset);
    // 0 without a record, else 1.
    int Close();
    void SetEvent();
    void ResetEvent();
    // WAIT_OBJECT_0 when signalled, WAIT_TIMEOUT when the time ran out,
    // WAIT_FAILED (-1) when not created. INFINITE waits without limit.
    DWORD Wait(DWORD timeout);

private:
    std::unique_ptr<KWEventRecord> m_record;
};

} // namespace KW_SOFT_BASE
