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

void KwOutputDebugStringW(const wchar_t* text)
{
    if (text == nullptr) {
        return;
    }
    // Debug output is diagnostic only: code points above ASCII are written as
    // UTF-8 by hand so this stays free of any locale state.
    std::string out;
    for (const wchar_t* p = text; *p != L'\0'; ++p) {
        const uint32_t c = static_cast<uint32_t>(*p);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c <= 0x10FFFF) {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += '?';
        }
    }
    KwOutputDebugString(out.c_str());
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
