#pragma once
// The last line of defence against a fatal fault: write a crash report next
// to the executable ("<full path of the executable>.dmp") and end the process
// with a fixed exit code, without the default crash reaction.
//
// The report is text: the signal and its code, the fault address, the process
// and thread, the registers, a backtrace and the process's memory map.
//
// Two ways of guarding: the process-wide filter, installed once and kept for
// the life of the process (start-up installs it with RunWithCrashHandler(true)),
// and the vectored handler, active only while a given body runs and passing
// faults it does not count as fatal on to whatever handled them before.

#include "base/platform/KWWinTypes.h"

#include <signal.h>

// What a handler knows about a fault. info and context (a ucontext_t*) may be
// null, as may the whole record when a report is written outside a fault.
struct KWCrashContext {
    int signalNumber;
    siginfo_t* info;
    void* context;
};

using KWCrashBody = int (*)(int, int);

// Exit codes.
constexpr int KW_CRASH_EXIT_FILTER = 1;    // report written by the filter
constexpr int KW_CRASH_EXIT_VECTORED = 2;  // report written by the vectored handler
constexpr int KW_CRASH_EXIT_REENTERED = 23; // fault while the report was being written

// RunGuarded(CrashBody, 1, 0, useFilter); returns 0. With true the filter
// stays installed afterwards.
int RunWithCrashHandler(bool useFilter);
int RunGuarded(KWCrashBody body, int a, int b, bool useFilter);
// Installs the filter for segmentation faults, bus errors, illegal
// instructions, floating-point faults and aborts (which also catches a C++
// exception that nothing handles), then returns body(a, b). Null body: 1,
// nothing installed.
int RunWithUnhandledFilter(KWCrashBody body, int a, int b);
// Installs the vectored handler for the duration of body(a, b) and restores
// the previous handling afterwards. Null body: 1, nothing installed.
int RunWithVectoredHandler(KWCrashBody body, int a, int b);
// Does nothing; the body that RunWithCrashHandler guards.
int CrashBody(int a, int b);

// Writes the report and ends the process with KW_CRASH_EXIT_FILTER; never
// returns. A fault while the report is being written ends the process at once
// with KW_CRASH_EXIT_REENTERED; a fault on another thread meanwhile waits for
// the process to end, so the report is never cut short.
LONG UnhandledCrashFilter(const KWCrashContext* crash);
// For a fatal fault (any segmentation fault or illegal instruction, a bus
// error other than misalignment, an integer or floating-point division by
// zero, or one of those signals sent by a program) writes the report and ends
// the process with KW_CRASH_EXIT_VECTORED. Anything else gives
// EXCEPTION_CONTINUE_SEARCH.
LONG VectoredCrashHandler(const KWCrashContext* crash);
// Opens the dump file (overwriting an older one), writes the report and
// closes it again. Safe inside a signal handler.
void WriteMiniDump(const KWCrashContext* crash);
// Opens "<executable>.dmp" unless it is open already. When that name does not
// fit a path, no file is opened rather than one under a cut-down name.
void OpenDumpFile();
