#include "base/platform/KWPlatform.h"

#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::mutex& SinkMutex()
{
    static std::mutex m;
    return m;
}

std::function<void(const std::string&)>& Sink()
{
    static std::function<void(const std::string&)> sink;
    return sink;
}

} // namespace

DWORD KwGetCurrentThreadId()
{
    return static_cast<DWORD>(::syscall(SYS_gettid));
}

void KwOutputDebugString(const char* text)
{
    if (text == nullptr) {
        return;
    }
    std::lock_guard<std::mutex> lock(SinkMutex());
    if (Sink()) {
        Sink()(text);
        return;
    }
    std::fputs(text, stderr);
    std::fflush(stderr);
}

void KwSetDebugOutputSink(std::function<void(const std::string&)> sink)
{
    std::lock_guard<std::mutex> lock(SinkMutex());
    Sink() = std::move(sink);
}

BOOL KwQueryPerformanceCounter(int64_t* count)
{
    if (count == nullptr) {
        return FALSE;
    }
    timespec ts {};
    if (::clock_gettime(CLOCK_MONOTONIC, &ts) != 0) {
        return FALSE;
    }
    *count = static_cast<int64_t>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
    return TRUE;
}

BOOL KwQueryPerformanceFrequency(int64_t* frequency)
{
    if (frequency == nullptr) {
        return FALSE;
    }
    *frequency = 1000000000LL;
    return TRUE;
}
