#pragma once
// Process-wide switches of the task trace, and the helpers that stamp a task
// with where it was posted from. The trace goes to the debugger output and is
// written only while the switch (g_taskTraceSwitch, base/Globals.h) is
// nonzero; the level then chooses how much: 1 traces posts, 2 also the
// destruction of each task, each only for tasks whose own level does not
// exceed it.

#include <boost/shared_ptr.hpp>

#include <string>

namespace CorvinaBase {

class CTaskBase;

// Records where and by whom the task was posted and writes its post trace.
// With the trace switch at 0 nothing is touched, so the fields keep their
// defaults. A null task is ignored.
void SetTaskInfo(const boost::shared_ptr<CTaskBase>& task, int loopId, const std::string& file, int line,
    const std::string& taskName, const std::string& caller, int traceLevel);

// The global trace level, 1 until set. Safe to call from any thread.
void SetTaskTraceLevel(int level);
int GetTaskTraceLevel();

// Ticks per second of the performance counter behind the task stamps; asked
// once and kept.
double GetPerformanceFrequency();

} // namespace CorvinaBase
