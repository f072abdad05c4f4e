#include "base/CrashHandler.h"

#include "base/KWThread.h"
#include "tests/common/KWChildTest.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define KW_TEST_SANITIZED 1
#else
#define KW_TEST_SANITIZED 0
#endif

namespace {

std::string DumpPath()
{
    char exe[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof(exe));
    return n > 0 ? std::string(exe, static_cast<size_t>(n)) + ".dmp" : std::string();
}

bool ReadDump(std::string* text)
{
    std::ifstream in(DumpPath(), std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream s;
    s << in.rdbuf();
    *text = s.str();
    return true;
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) {
        ++n;
    }
    return n;
}

// ---- bodies run under a handler in a child process

int RaiseSegv(int, int)
{
    std::raise(SIGSEGV);
    return 0;
}

int RaiseFpe(int, int)
{
    std::raise(SIGFPE);
    return 0;
}

int RaiseTrap(int, int)
{
    std::raise(SIGTRAP);
    return 0;
}

volatile uintptr_t g_lowAddress = 16;

int WriteToLowAddress(int, int)
{
    *reinterpret_cast<volatile int*>(g_lowAddress) = 1;
    return 0;
}

int Abort(int, int)
{
    std::abort();
}

void Throw()
{
    throw std::runtime_error("nobody catches this");
}

void CallWithoutExceptions() noexcept
{
    Throw();
}

int ThrowUnhandled(int, int)
{
    CallWithoutExceptions();
    return 0;
}

volatile bool g_stopRecursion = false;

int Recurse(int depth, int)
{
    volatile char frame[512];
    frame[0] = static_cast<char>(depth);
    if (g_stopRecursion) {
        return frame[0];
    }
    return Recurse(depth + 1, 0) + frame[0];
}

// The overflow happens on a thread CKWThread started, not on the thread that
// installed the handler.
int OverflowOnAStartedThread(int, int)
{
    KW_SOFT_BASE::CKWThread thread;
    thread.Create(0, [](void*) -> DWORD { return static_cast<DWORD>(Recurse(0, 0)); }, nullptr, 0, nullptr);
    thread.Wait(INFINITE);
    return 0;
}

void LimitFileSize(rlim_t size)
{
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = size;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

// The report write that exceeds the size limit raises SIGXFSZ on the writing
// thread; its handler makes that thread fault again while it writes.
int FaultAgainWhileWriting(int, int)
{
    std::signal(SIGXFSZ, [](int) { std::raise(SIGSEGV); });
    LimitFileSize(16);
    std::raise(SIGSEGV);
    return 0;
}

int g_wakePipe[2];

// Here another thread faults while the report is being written; the writer
// lifts the limit and gives that thread time to fault before going on.
int OtherThreadFaultsWhileWriting(int, int)
{
    if (::pipe(g_wakePipe) != 0) {
        return 0;
    }
    std::thread([] {
        char c = 0;
        if (::read(g_wakePipe[0], &c, 1) == 1) {
            std::raise(SIGSEGV);
        }
    }).detach();
    std::signal(SIGXFSZ, [](int) {
        LimitFileSize(RLIM_INFINITY);
        const char c = 'x';
        if (::write(g_wakePipe[1], &c, 1) == 1) {
            const timespec pause { 0, 200 * 1000 * 1000 };
            ::nanosleep(&pause, nullptr);
        }
    });
    LimitFileSize(16);
    std::raise(SIGSEGV);
    return 0;
}

struct sigaction CurrentAction(int sig)
{
    struct sigaction action {};
    ::sigaction(sig, nullptr, &action);
    return action;
}

void* HandlerOf(const struct sigaction& action)
{
    return reinterpret_cast<void*>(action.sa_sigaction);
}

void* g_handlerDuringBody = nullptr;

int RecordHandler(int a, int b)
{
    g_handlerDuringBody = HandlerOf(CurrentAction(SIGSEGV));
    return a + b;
}

} // namespace

// Every case that writes the report file shares this one test: the file name
// is fixed by the executable, so these cases must not run side by side. They
// run in a copy of this program in a folder of its own, where the reports
// lie beside the copy and not beside the programs as built.
TEST(CrashHandler, FatalFaultsWriteReportAndEndWithFixedCode)
{
    if (!KWInChildTest()) {
        QTemporaryDir home;
        const QString copy = home.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        ASSERT_TRUE(home.isValid() && KWLinkOrCopy(QCoreApplication::applicationFilePath(), copy));
        const KWChildOutcome child = KWRunTestInChild({}, copy);
        EXPECT_TRUE(child.passed) << child.output.toStdString();
        return;
    }
    const std::string dump = DumpPath();
    ASSERT_FALSE(dump.empty());
    using Predicate = std::function<bool(int)>;
    struct Row {
        const char* name;
        KWCrashBody body;
        bool filter;
        Predicate ends;
        const char* reportHas; // null: no report at all
        bool skipSanitized;
    };
    const Row rows[] = {
        { "filter, raised fault", &RaiseSegv, true, ::testing::ExitedWithCode(1), "signal: 11 (SIGSEGV)", false },
        { "filter, real fault", &WriteToLowAddress, true, ::testing::ExitedWithCode(1),
            "fault address: 0x0000000000000010", true },
        { "filter, stack overflow", &Recurse, true, ::testing::ExitedWithCode(1), "(SIGSEGV)", true },
        { "filter, stack overflow on a started thread", &OverflowOnAStartedThread, true, ::testing::ExitedWithCode(1),
            "(SIGSEGV)", false },
        { "filter, abort", &Abort, true, ::testing::ExitedWithCode(1), "(SIGABRT)", false },
        { "filter, unhandled exception", &ThrowUnhandled, true, ::testing::ExitedWithCode(1), "(SIGABRT)", false },
        { "filter, fault while writing", &FaultAgainWhileWriting, true, ::testing::ExitedWithCode(23), "", false },
        { "filter, other thread faults while writing", &OtherThreadFaultsWhileWriting, true,
            ::testing::ExitedWithCode(1), "memory map:", false },
        { "vectored, fault", &RaiseSegv, false, ::testing::ExitedWithCode(2), "signal: 11 (SIGSEGV)", false },
        { "vectored, division fault", &RaiseFpe, false, ::testing::ExitedWithCode(2), "(SIGFPE)", false },
        { "vectored, trap is not ours", &RaiseTrap, false, ::testing::KilledBySignal(SIGTRAP), nullptr, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.skipSanitized && KW_TEST_SANITIZED) {
            continue;
        }
        ::unlink(dump.c_str());
        EXPECT_EXIT(RunGuarded(row.body, 0, 0, row.filter), row.ends, "");
        // A death-test child runs this loop too, up to its own case; only
        // the parent looks at the results.
        if (::testing::internal::InDeathTestChild()) {
            continue;
        }
        std::string report;
        const bool written = ReadDump(&report);
        if (row.reportHas == nullptr) {
            EXPECT_FALSE(written);
            continue;
        }
        ASSERT_TRUE(written);
        EXPECT_NE(report.find(row.reportHas), std::string::npos) << report.substr(0, 400);
        if (row.ends(1) || row.ends(2)) {
            EXPECT_NE(report.find("backtrace:\n"), std::string::npos);
            EXPECT_NE(report.find("memory map:\n"), std::string::npos);
        }
    }

    // Faults the vectored handler passes on: nothing is written.
    struct PassedOn {
        const char* name;
        int sig;
        int code;
    };
    const PassedOn passedOn[] = {
        { "breakpoint", SIGTRAP, TRAP_BRKPT },
        { "misaligned access", SIGBUS, BUS_ADRALN },
        { "integer overflow", SIGFPE, FPE_INTOVF },
        { "inexact result", SIGFPE, FPE_FLTRES },
        { "abort", SIGABRT, SI_TKILL },
    };
    ::unlink(dump.c_str());
    for (const PassedOn& row : passedOn) {
        siginfo_t info {};
        info.si_signo = row.sig;
        info.si_code = row.code;
        const KWCrashContext crash { row.sig, &info, nullptr };
        EXPECT_EQ(VectoredCrashHandler(&crash), EXCEPTION_CONTINUE_SEARCH) << row.name;
    }
    EXPECT_NE(::access(dump.c_str(), F_OK), 0);

    // Written twice in a living process: the second report replaces the first.
    WriteMiniDump(nullptr);
    WriteMiniDump(nullptr);
    std::string report;
    ASSERT_TRUE(ReadDump(&report));
    EXPECT_EQ(Count(report, "Crash report\n"), 1u);
    EXPECT_NE(report.find("signal: none"), std::string::npos);
    ::unlink(dump.c_str());
}

TEST(CrashHandler, NullBodyInstallsNothing)
{
    const int fatalSignals[] = { SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT, SIGTRAP };
    std::vector<void*> before;
    for (int sig : fatalSignals) {
        before.push_back(HandlerOf(CurrentAction(sig)));
    }
    EXPECT_EQ(RunWithUnhandledFilter(nullptr, 1, 2), 1);
    EXPECT_EQ(RunWithVectoredHandler(nullptr, 1, 2), 1);
    EXPECT_EQ(RunGuarded(nullptr, 1, 2, true), 1);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(HandlerOf(CurrentAction(fatalSignals[i])), before[i]) << "signal " << fatalSignals[i];
    }
}

TEST(CrashHandler, VectoredHandlerLastsOnlyForItsBody)
{
    const void* segvBefore = HandlerOf(CurrentAction(SIGSEGV));
    const void* trapBefore = HandlerOf(CurrentAction(SIGTRAP));
    EXPECT_EQ(RunWithVectoredHandler(&RecordHandler, 2, 3), 5);
    EXPECT_NE(g_handlerDuringBody, segvBefore);
    EXPECT_EQ(HandlerOf(CurrentAction(SIGSEGV)), segvBefore);
    EXPECT_EQ(HandlerOf(CurrentAction(SIGTRAP)), trapBefore);
    EXPECT_EQ(RunWithCrashHandler(false), 0);
    EXPECT_EQ(HandlerOf(CurrentAction(SIGSEGV)), segvBefore);
}
