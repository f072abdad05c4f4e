#include "base/msgloop/KWTaskTrace.h"

#include "base/Globals.h"
#include "base/msgloop/KWTaskBase.h"
#include "base/platform/KWPlatform.h"

#include <atomic>
#include <cstdint>

namespace CorvinaBase {

namespace {

// Worker threads read the level while the program may change it.
std::atomic<int> s_traceLevel { 1 };

} // namespace

void SetTaskInfo(const boost::shared_ptr<CTaskBase>& task, int loopId, const std::string& file, int line,
    const std::string& taskName, const std::string& caller, int traceLevel)
{
    if (g_taskTraceSwitch == 0 || !task) {
        return;
    }
    task->SetLoopId(loopId);
    task->SetFile(file);
    task->SetLine(line);
    task->SetTaskName(taskName);
    task->SetCaller(caller);
    task->SetTraceLevel(traceLevel);
    task->TracePost();
}

void SetTaskTraceLevel(int level)
{
    s_traceLevel.store(level);
}

int GetTaskTraceLevel()
{
    return s_traceLevel.load();
}

double GetPerformanceFrequency()
{
    static const double frequency = [] {
        int64_t value = 0;
        KwQueryPerformanceFrequency(&value);
        return static_cast<double>(value);
    }();
    return frequency;
}

} // namespace CorvinaBase
