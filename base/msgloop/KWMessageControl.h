#pragma once
// A message control is the pump of one message loop: it drains the loop's
// queues on the thread that runs it and is woken when a task is posted.

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

namespace CorvinaBase {

class CKWMessageControl {
public:
    // What a pump drains: the loop. Never deleted through this interface.
    class CDelegate {
    public:
        // Runs at most one task of the normal queue; nonzero when one ran.
        virtual int ProcessQueueA() = 0;
        // Reserved; the pumps never call it.
        virtual int ProcessSpare() = 0;
        // Runs at most one task of the low-priority queue; nonzero when one ran.
        virtual int ProcessQueueB() = 0;
        // True when both queues are empty.
        virtual bool IsIdle() = 0;

    protected:
        ~CDelegate() = default;
    };

    // The pump only watches its loop: the loop owns the pump, not the reverse.
    explicit CKWMessageControl(const boost::weak_ptr<CDelegate>& delegate);
    virtual ~CKWMessageControl();

    CKWMessageControl(const CKWMessageControl&) = delete;
    CKWMessageControl& operator=(const CKWMessageControl&) = delete;

    virtual void Run() = 0;
    // Wakes the pump after a post; callable from any thread.
    virtual void Notify() = 0;
    virtual void Stop() = 0;
    virtual void NotifyEx();

protected:
    boost::shared_ptr<CDelegate> LockDelegate() const { return m_delegate.lock(); }
    bool HasDelegate() const { return !m_delegate.expired(); }

private:
    boost::weak_ptr<CDelegate> m_delegate;
};

} // namespace CorvinaBase
