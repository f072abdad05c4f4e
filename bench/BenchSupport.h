#pragma once
// What the benchmark programs share: a screen of their own, the program's
// look, and the memory the process holds.

#include "base/Globals.h"
#include "ui/qt/KWQtSupport.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QtGlobal>

#include <string>

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

// Runs the benchmarks the command line asks for; the program's exit status.
inline int RunBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
