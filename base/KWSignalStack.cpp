#include "base/KWSignalStack.h"

#include <sys/mman.h>

namespace KW_SOFT_BASE {

CKWSignalStack::CKWSignalStack()
{
    if (::sigaltstack(nullptr, &m_previous) != 0) {
        return;
    }
    if ((m_previous.ss_flags & SS_DISABLE) == 0 && m_previous.ss_size >= kSize) {
        return;
    }
    // Mapped rather than allocated: a handler may run while the heap is
    // broken, and the memory must not move or be reused meanwhile.
    void* memory = ::mmap(nullptr, kSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        return;
    }
    stack_t stack {};
    stack.ss_sp = memory;
    stack.ss_size = kSize;
    if (::sigaltstack(&stack, nullptr) != 0) {
        ::munmap(memory, kSize);
        return;
    }
    m_memory = memory;
}

CKWSignalStack::~CKWSignalStack()
{
    if (m_memory == nullptr) {
        return;
    }
    // What was there before goes back first: whoever installed it (a
    // sanitizer) frees it when the thread ends, and must find its own.
    m_previous.ss_flags &= SS_DISABLE;
    ::sigaltstack(&m_previous, nullptr);
    ::munmap(m_memory, kSize);
}

void CKWSignalStack::InstallForThread()
{
    CKWSignalStack stack;
    stack.m_memory = nullptr;
}

} // namespace KW_SOFT_BASE
