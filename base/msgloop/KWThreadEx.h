#pragma once
// The body of a thread of the message-loop framework.

namespace CorvinaBase {

class CKWThreadEx {
public:
    class CDelegate {
    public:
        // The thread's work. Its result is not used: the thread always ends
        // with exit code 0.
        virtual int Run() = 0;
        virtual ~CDelegate();
    };
};

} // namespace CorvinaBase
