#pragma once
// The record every posted task carries: where it was posted from, to which
// loop, when, and how verbosely it is traced. Tasks are held by shared
// pointers from the moment they are posted.

#include <cstdint>
#include <string>

namespace CorvinaBase {

class CTaskBase {
public:
    CTaskBase();
    virtual ~CTaskBase();

    CTaskBase(const CTaskBase&) = delete;
    CTaskBase& operator=(const CTaskBase&) = delete;

    void SetFile(const std::string& file) { m_file = file; }
    const std::string& GetFile() const { return m_file; }
    void SetLine(int line) { m_line = line; }
    int GetLine() const { return m_line; }
    void SetTaskName(const std::string& name) { m_taskName = name; }
    const std::string& GetTaskName() const { return m_taskName; }
    void SetCaller(const std::string& caller) { m_caller = caller; }
    const std::string& GetCaller() const { return m_caller; }
    void SetLoopId(int loopId) { m_loopId = loopId; }
    int GetLoopId() const { return m_loopId; }
    // Performance-counter value taken when the task was made.
    int64_t GetStamp() const { return m_stamp; }
    void SetTraceLevel(int level) { m_traceLevel = level; }
    int GetTraceLevel() const { return m_traceLevel; }

    // Name of the loop the task was posted to, "UNKNOWN" for a number that
    // names no loop.
    std::string GetLoopName() const;
    // Writes the post line when tracing is on and the task's level is within
    // the global level.
    void TracePost() const;

protected:
    // Whether a trace line that needs at least `minimumLevel` is written for
    // this task now.
    bool IsTraced(int minimumLevel) const;

private:
    std::string m_file;
    int m_line = 0;
    std::string m_taskName;
    std::string m_caller;
    int m_loopId = 0;
    int64_t m_stamp = 0;
    int m_traceLevel = 1;
};

} // namespace CorvinaBase
