#pragma once
// An alternate signal stack for the calling thread. A thread that has used up
// its own stack can still run a signal handler on this one, so the crash
// handler can report a stack overflow on whichever thread it happens.

#include <csignal>
#include <cstddef>

namespace KW_SOFT_BASE {

class CKWSignalStack {
public:
    static constexpr std::size_t kSize = 64 * 1024;

    // Gives the calling thread a stack of its own, unless it already has one
    // of at least kSize (sanitizers bring their own).
    CKWSignalStack();
    // Puts back what the thread had before and frees its own. Runs on the
    // thread that made it.
    ~CKWSignalStack();

    CKWSignalStack(const CKWSignalStack&) = delete;
    CKWSignalStack& operator=(const CKWSignalStack&) = delete;

    // The same, kept for the rest of the calling thread's life.
    static void InstallForThread();

private:
    void* m_memory = nullptr;
    stack_t m_previous {};
};

} // namespace KW_SOFT_BASE
