#pragma once
// A worker thread that owns one message loop and runs the loop's pump on
// itself. Start blocks until the new thread runs; the thread keeps its own
// shared pointer to this object, so the object lives at least as long as the
// thread. Destroying the object neither stops nor waits for the thread: Quit
// on the loop does both.

#include "base/KWEvent.h"
#include "base/KWThread.h"
#include "base/msgloop/KWThreadEx.h"
#include "base/platform/KWWinTypes.h"

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

namespace CorvinaBase {

class CKWMessageLoop;

class CKWThreadEx_Qt final : public CKWThreadEx::CDelegate, public boost::enable_shared_from_this<CKWThreadEx_Qt> {
public:
    // What the starting thread and the new thread share during the start.
    struct CKWThreadData {
        KW_SOFT_BASE::CKWEvent startEvent;
    };

    // The thread itself; its handle is closed when it is destroyed.
    class CThreadHandle : public KW_SOFT_BASE::CKWThread {
    public:
        // Starts ThreadProc(context) and copies the new thread's handle into
        // the holder. 1 on success, 0 on failure.
        int Create(DWORD stackSize, void* context, const boost::shared_ptr<HANDLE>& holder);
    };

    // A thread object, not yet started, with the loop of that kind (0: a
    // blocking worker pump, 1: the Qt pump); empty for an unknown kind.
    static boost::shared_ptr<CKWThreadEx_Qt> Create(const int& kind);
    ~CKWThreadEx_Qt() override;

    // Starts the thread and returns once it runs its body: 1, or 0 when the
    // thread could not be made. Starting again does nothing and gives 1.
    int Start();
    // Stops the loop's pump; the thread then leaves its body and ends.
    void Stop();
    boost::shared_ptr<CKWMessageLoop> GetLoop() const { return m_loop; }

    // The new thread's body: reports that it runs and drains the loop.
    int Run() override;

    // `context` points to a shared pointer to the thread's body.
    static DWORD ThreadProc(void* context);

private:
    CKWThreadEx_Qt() = default;

    boost::shared_ptr<HANDLE> m_handle;
    boost::shared_ptr<CKWThreadData> m_data;
    boost::shared_ptr<CKWMessageLoop> m_loop;
    CThreadHandle m_thread;
};

} // namespace CorvinaBase
