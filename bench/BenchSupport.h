#pragma once
// What the benchmark programs share: a screen of their own, the program's
// look, and the memory the process holds.

#include "base/Globals.h"
#include "ui/qt/KWQtSupport.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QtGlobal>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>

// Before the application object exists: the offscreen platform, unless
// QT_QPA_PLATFORM names another (a display to watch a benchmark on).
inline void UseOffscreenUnlessAsked()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// The look start-up gives a 1x screen, its style sheet and skin, in English.
inline void UseProgramLookAt1x()
{
    const std::wstring appDir = GetKWAppDirPath();
    LoadKWStyleSheet((appDir + L"/Lumivane_Style.css").c_str());
    SetKWSkinPath((appDir + L"/Skin/").c_str());
    g_languageIndex = 0;
}

// Resident set size of this process in megabytes, as the kernel counts it.
inline double ResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return 0.0;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    return 0.0;
}

// Registers each case, timed in microseconds. KW_BENCH_ITERATIONS=N runs each
// exactly N times instead of for a minimum time: instruction counts of two
// such runs (say under callgrind, N and a larger M) then differ by exactly
// M - N runs of the same sequence.
inline void RegisterCases(std::initializer_list<std::pair<const char*, void (*)(benchmark::State&)>> cases)
{
    const char* fixed = std::getenv("KW_BENCH_ITERATIONS");
    const long iterations = fixed != nullptr ? std::strtol(fixed, nullptr, 10) : 0;
    for (const auto& c : cases) {
        benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(c.first, c.second);
        b->Unit(benchmark::kMicrosecond);
        if (iterations > 0) {
            b->Iterations(iterations);
        }
    }
}

// Runs the benchmarks the command line asks for; the program's exit status.
inline int RunBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
