#include "base/CrashHandler.h"

#include "base/KWSignalStack.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <mutex>
#include <sys/syscall.h>
#include <ucontext.h>
#include <unistd.h>

// Everything reached from a signal handler below uses async-signal-safe calls
// only: no allocation, no stdio, no locks. Numbers are formatted by hand.

namespace {

// Process-wide state, never reset.
std::atomic<int> g_dumpFd { -1 };
std::atomic<pid_t> g_processId { 0 };
// The thread writing the report; 0 while none is.
std::atomic<pid_t> g_dumpingThread { 0 };

constexpr int kFilterSignals[] = { SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT };
// The vectored handler also sees traps, only to pass them on.
constexpr int kVectoredSignals[] = { SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGTRAP };
constexpr size_t kVectoredCount = sizeof(kVectoredSignals) / sizeof(kVectoredSignals[0]);

std::mutex g_installMutex;
int g_vectoredDepth = 0;
struct sigaction g_previous[kVectoredCount];

pid_t CurrentThreadId()
{
    return static_cast<pid_t>(::syscall(SYS_gettid));
}

// ---------------------------------------------------------------------------
// Report writing

class ReportWriter {
public:
    explicit ReportWriter(int fd)
        : m_fd(fd)
    {
    }

    bool Ok() const { return m_ok; }

    void Text(const char* text)
    {
        while (*text != '\0') {
            if (m_used == sizeof(m_buffer)) {
                Flush();
            }
            m_buffer[m_used++] = *text++;
        }
    }

    void Decimal(long long value)
    {
        char digits[24];
        size_t n = 0;
        unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
        do {
            digits[n++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        char text[26];
        size_t pos = 0;
        if (value < 0) {
            text[pos++] = '-';
        }
        while (n > 0) {
            text[pos++] = digits[--n];
        }
        text[pos] = '\0';
        Text(text);
    }

    void Hex(unsigned long long value)
    {
        char text[19] = "0x";
        for (int i = 0; i < 16; ++i) {
            text[2 + i] = "0123456789abcdef"[(value >> ((15 - i) * 4)) & 0xF];
        }
        text[18] = '\0';
        Text(text);
    }

    void Flush()
    {
        size_t done = 0;
        while (done < m_used) {
            const ssize_t n = ::write(m_fd, m_buffer + done, m_used - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                m_ok = false;
                break;
            }
            done += static_cast<size_t>(n);
        }
        m_used = 0;
    }

    // Copies a whole file (such as the memory map) into the report.
    void File(const char* path)
    {
        Flush();
        const int in = ::open(path, O_RDONLY | O_CLOEXEC);
        if (in < 0) {
            Text("(unreadable)\n");
            return;
        }
        for (;;) {
            const ssize_t n = ::read(in, m_buffer, sizeof(m_buffer));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            m_used = static_cast<size_t>(n);
            Flush();
        }
        ::close(in);
    }

private:
    int m_fd;
    bool m_ok = true;
    size_t m_used = 0;
    char m_buffer[1024];
};

const char* SignalName(int sig)
{
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    case SIGTRAP:
        return "SIGTRAP";
    default:
        return "other";
    }
}

void WriteRegisters(ReportWriter& out, const void* context)
{
    if (context == nullptr) {
        out.Text("registers: none\n");
        return;
    }
    const auto* uc = static_cast<const ucontext_t*>(context);
    out.Text("registers:\n");
#if defined(__x86_64__)
    static const struct {
        const char* name;
        int index;
    } regs[] = {
        { "rip", REG_RIP }, { "rsp", REG_RSP }, { "rbp", REG_RBP }, { "rax", REG_RAX },
        { "rbx", REG_RBX }, { "rcx", REG_RCX }, { "rdx", REG_RDX }, { "rsi", REG_RSI },
        { "rdi", REG_RDI }, { "r8", REG_R8 }, { "r9", REG_R9 }, { "r10", REG_R10 },
        { "r11", REG_R11 }, { "r12", REG_R12 }, { "r13", REG_R13 }, { "r14", REG_R14 },
        { "r15", REG_R15 }, { "eflags", REG_EFL },
    };
    for (const auto& reg : regs) {
        out.Text("  ");
        out.Text(reg.name);
        out.Text(" ");
        out.Hex(static_cast<unsigned long long>(uc->uc_mcontext.gregs[reg.index]));
        out.Text("\n");
    }
#elif defined(__aarch64__)
    out.Text("  pc ");
    out.Hex(uc->uc_mcontext.pc);
    out.Text("\n  sp ");
    out.Hex(uc->uc_mcontext.sp);
    out.Text("\n");
    for (int i = 0; i < 31; ++i) {
        out.Text("  x");
        out.Decimal(i);
        out.Text(" ");
        out.Hex(uc->uc_mcontext.regs[i]);
        out.Text("\n");
    }
#else
    (void)uc;
    out.Text("  (not recorded on this processor)\n");
#endif
}

bool WriteReport(int fd, const KWCrashContext* crash)
{
    ReportWriter out(fd);
    out.Text("Crash report\n");
    if (crash != nullptr) {
        out.Text("signal: ");
        out.Decimal(crash->signalNumber);
        out.Text(" (");
        out.Text(SignalName(crash->signalNumber));
        out.Text(")\n");
        if (crash->info != nullptr) {
            out.Text("code: ");
            out.Decimal(crash->info->si_code);
            out.Text(crash->info->si_code <= 0 ? " (sent by a program)\n" : "\n");
            out.Text("fault address: ");
            out.Hex(reinterpret_cast<uintptr_t>(crash->info->si_addr));
            out.Text("\n");
        }
    } else {
        out.Text("signal: none\n");
    }
    out.Text("process id: ");
    out.Decimal(g_processId.load());
    out.Text("\nthread id: ");
    out.Decimal(CurrentThreadId());
    out.Text("\n");
    WriteRegisters(out, crash != nullptr ? crash->context : nullptr);

    out.Text("backtrace:\n");
    out.Flush();
    void* frames[64];
    const int count = ::backtrace(frames, 64);
    ::backtrace_symbols_fd(frames, count, fd);

    out.Text("memory map:\n");
    out.File("/proc/self/maps");
    out.Flush();
    return out.Ok();
}

// ---------------------------------------------------------------------------
// Entry guard

// Returns only to the first thread that comes to write a report. The same
// thread coming again faulted inside the report: end at once. Any other
// thread waits for the writer to end the process.
void ClaimReport()
{
    const pid_t self = CurrentThreadId();
    pid_t expected = 0;
    if (g_dumpingThread.compare_exchange_strong(expected, self)) {
        return;
    }
    if (expected == self) {
        ::_exit(KW_CRASH_EXIT_REENTERED);
    }
    for (;;) {
        ::pause();
    }
}

bool IsFatal(int sig, const siginfo_t* info)
{
    // Sent by a program (raise, kill): counts like the fault it names.
    const bool sent = info == nullptr || info->si_code <= 0;
    switch (sig) {
    case SIGSEGV:
    case SIGILL:
        return true;
    case SIGBUS:
        // A misaligned access is left to the handling behind this one.
        return sent || info->si_code != BUS_ADRALN;
    case SIGFPE:
        return sent || info->si_code == FPE_INTDIV || info->si_code == FPE_FLTDIV;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------
// Signal handlers

void FilterSignalHandler(int sig, siginfo_t* info, void* context)
{
    const KWCrashContext crash { sig, info, context };
    UnhandledCrashFilter(&crash);
}

int VectoredIndex(int sig)
{
    for (size_t i = 0; i < kVectoredCount; ++i) {
        if (kVectoredSignals[i] == sig) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Hands a signal that is not ours to whatever handled it before. Simply
// returning would not do: a fault would come straight back, and a signal
// sent by raise would be lost.
void ContinueSearch(int sig, siginfo_t* info, void* context)
{
    const int index = VectoredIndex(sig);
    if (index < 0) {
        return;
    }
    struct sigaction previous = g_previous[index];
    if ((previous.sa_flags & SA_SIGINFO) != 0 && previous.sa_sigaction != nullptr) {
        previous.sa_sigaction(sig, info, context);
        return;
    }
    if (previous.sa_handler == SIG_IGN && info != nullptr && info->si_code <= 0) {
        return; // a sent signal that was ignored before stays ignored
    }
    if (previous.sa_handler != SIG_IGN && previous.sa_handler != SIG_DFL) {
        previous.sa_handler(sig);
        return;
    }
    // Default action (an ignored fault cannot be ignored either): put it back
    // and deliver the signal again, which ends the process as it would have.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(sig, &fallback, nullptr);
    ::raise(sig);
}

void VectoredSignalHandler(int sig, siginfo_t* info, void* context)
{
    const KWCrashContext crash { sig, info, context };
    if (VectoredCrashHandler(&crash) == EXCEPTION_CONTINUE_SEARCH) {
        ContinueSearch(sig, info, context);
    }
}

struct sigaction HandlerAction(void (*handler)(int, siginfo_t*, void*))
{
    struct sigaction action {};
    action.sa_sigaction = handler;
    // NODEFER: a fault inside the handler must reach it again (and end the
    // process with the re-entry code) instead of being held back, which would
    // kill the process without a word.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    return action;
}

bool IsOurs(const struct sigaction& action, void (*handler)(int, siginfo_t*, void*))
{
    return (action.sa_flags & SA_SIGINFO) != 0 && action.sa_sigaction == handler;
}

// Work that must not happen for the first time inside a handler.
void PrepareForReports()
{
    // The first backtrace loads the unwinder, which allocates.
    void* frame[1];
    ::backtrace(frame, 1);

    // A stack overflow is reported on an alternate stack: the installing
    // thread gets one here, every thread CKWThread starts its own.
    KW_SOFT_BASE::CKWSignalStack::InstallForThread();
}

void InstallFilter()
{
    std::lock_guard<std::mutex> lock(g_installMutex);
    PrepareForReports();
    const struct sigaction filter = HandlerAction(&FilterSignalHandler);
    for (int sig : kFilterSignals) {
        // While a vectored handler is active it stays first in line; the
        // filter takes over when that handler is removed.
        const int index = VectoredIndex(sig);
        if (g_vectoredDepth > 0 && index >= 0) {
            g_previous[index] = filter;
        } else {
            ::sigaction(sig, &filter, nullptr);
        }
    }
}

void AddVectoredHandler()
{
    std::lock_guard<std::mutex> lock(g_installMutex);
    if (g_vectoredDepth++ > 0) {
        return;
    }
    PrepareForReports();
    const struct sigaction vectored = HandlerAction(&VectoredSignalHandler);
    for (size_t i = 0; i < kVectoredCount; ++i) {
        ::sigaction(kVectoredSignals[i], &vectored, &g_previous[i]);
    }
}

void RemoveVectoredHandler()
{
    std::lock_guard<std::mutex> lock(g_installMutex);
    if (g_vectoredDepth == 0 || --g_vectoredDepth > 0) {
        return;
    }
    for (size_t i = 0; i < kVectoredCount; ++i) {
        // Someone who replaced the handler meanwhile keeps their own.
        struct sigaction current {};
        if (::sigaction(kVectoredSignals[i], nullptr, &current) == 0 && IsOurs(current, &VectoredSignalHandler)) {
            ::sigaction(kVectoredSignals[i], &g_previous[i], nullptr);
        }
    }
}

} // namespace

int RunWithCrashHandler(bool useFilter)
{
    RunGuarded(&CrashBody, 1, 0, useFilter);
    return 0;
}

int RunGuarded(KWCrashBody body, int a, int b, bool useFilter)
{
    return useFilter ? RunWithUnhandledFilter(body, a, b) : RunWithVectoredHandler(body, a, b);
}

int RunWithUnhandledFilter(KWCrashBody body, int a, int b)
{
    if (body == nullptr) {
        return 1;
    }
    // There are no error boxes to switch off here; the filter is all.
    InstallFilter();
    return body(a, b);
}

int RunWithVectoredHandler(KWCrashBody body, int a, int b)
{
    if (body == nullptr) {
        return 1;
    }
    AddVectoredHandler();
    const int result = body(a, b);
    RemoveVectoredHandler();
    return result;
}

int CrashBody(int /*a*/, int /*b*/)
{
    return 0;
}

LONG UnhandledCrashFilter(const KWCrashContext* crash)
{
    ClaimReport();
    WriteMiniDump(crash);
    ::_exit(KW_CRASH_EXIT_FILTER);
}

LONG VectoredCrashHandler(const KWCrashContext* crash)
{
    if (crash == nullptr || !IsFatal(crash->signalNumber, crash->info)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    ClaimReport();
    WriteMiniDump(crash);
    ::_exit(KW_CRASH_EXIT_VECTORED);
}

void WriteMiniDump(const KWCrashContext* crash)
{
    OpenDumpFile();
    const int fd = g_dumpFd.load();
    if (fd < 0) {
        return;
    }
    // After a failed write the file stays open; the process ends right after.
    if (WriteReport(fd, crash)) {
        ::close(fd);
        g_dumpFd.store(-1);
    }
}

void OpenDumpFile()
{
    if (g_dumpFd.load() >= 0) {
        return;
    }
    g_processId.store(::getpid());

    static const char kSuffix[] = ".dmp";
    char name[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", name, sizeof(name));
    // A path that filled the buffer may have been cut; and the whole name
    // with its suffix must fit, or there is no report rather than one under
    // a wrong name.
    if (length <= 0 || static_cast<size_t>(length) + sizeof(kSuffix) > sizeof(name)) {
        return;
    }
    std::memcpy(name + length, kSuffix, sizeof(kSuffix));
    int fd = -1;
    do {
        fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd >= 0) {
        g_dumpFd.store(fd);
    }
}
