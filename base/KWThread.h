#pragma once
// A thread started from a plain procedure, like the classic thread API.
//
// The thread's HANDLE is a counted reference to the thread's state. Code that
// keeps a copy of the handle beyond the CKWThread (for example to wait for the
// thread later) takes its own reference with KwDuplicateThreadHandle and
// gives it back with KwCloseThreadHandle; the state lives until the last
// reference is closed, so such a copy never dangles, whichever is closed
// first. A thread that nobody waits for is detached when its last reference
// goes, so destroying a CKWThread never stops or aborts a running thread.
// Each thread started here has an alternate signal stack of its own, so that
// the crash handler can report a stack overflow on it.

#include "base/platform/KWWinTypes.h"

#include <memory>

namespace KW_SOFT_BASE {

// The record that the message-loop framework reads the handle from.
struct KWThreadImpl {
    int created = 0;
    HANDLE thread = nullptr;
};

class CKWThread {
public:
    CKWThread();
    virtual ~CKWThread();

    CKWThread(const CKWThread&) = delete;
    CKWThread& operator=(const CKWThread&) = delete;

    // Starts proc(context) on a new thread. 1 on success or when a thread is
    // already recorded (nothing new is started), 0 on failure or without a
    // record. A nonzero stack size larger than the default is honoured.
    // Only flags 0 are supported: a thread cannot be created suspended here.
    int Create(DWORD stackSize, LPTHREAD_START_ROUTINE proc, void* context, DWORD flags, DWORD* threadId);
    // Forced termination has no safe equivalent here (it would skip every
    // destructor of the thread and may leave locks held); always 0.
    int Terminate(DWORD exitCode);
    // WAIT_OBJECT_0 when the thread has ended (the handle is then closed and
    // the record cleared), WAIT_TIMEOUT when it still runs, WAIT_FAILED (-1)
    // when there is no thread.
    DWORD Wait(DWORD timeout);
    // True while a thread is recorded, that is until a successful Wait.
    bool IsRunning() const;
    // The record itself; null only when its allocation failed.
    KWThreadImpl* GetImpl() const;

private:
    std::unique_ptr<KWThreadImpl> m_record;
};

} // namespace KW_SOFT_BASE

// Takes another reference to a thread handle; returns the handle, or null
// when it is not a thread handle.
HANDLE KwDuplicateThreadHandle(HANDLE thread);
// Gives back one reference; TRUE when the handle was a thread handle.
BOOL KwCloseThreadHandle(HANDLE thread);
// Waits until the thread has ended (then it is also joined): WAIT_OBJECT_0,
// WAIT_TIMEOUT, or WAIT_FAILED for a null or foreign handle. INFINITE waits
// without limit.
DWORD KwWaitForThread(HANDLE thread, DWORD timeout);
