#pragma once
// Small process services that the code reaches for by their Windows names:
// thread ids, debugger output and the performance counter.

#include "base/platform/KWWinTypes.h"

#include <functional>
#include <string>

// Id of the calling thread; never zero.
DWORD KwGetCurrentThreadId();

// Debugger output goes to stderr. Tests may divert it; pass an empty function
// to restore stderr.
void KwOutputDebugString(const char* text);
void KwSetDebugOutputSink(std::function<void(const std::string&)> sink);

// Monotonic counter in nanoseconds; the frequency is therefore 1e9.
BOOL KwQueryPerformanceCounter(int64_t* count);
BOOL KwQueryPerformanceFrequency(int64_t* frequency);
