#include "base/msgloop/KWTaskBase.h"

#include "base/Globals.h"
#include "base/KWDateTime.h"
#include "base/msgloop/KWLoopIds.h"
#include "base/msgloop/KWTaskTrace.h"
#include "base/platform/KWPlatform.h"

#include <cstdio>

namespace CorvinaBase {

CTaskBase::CTaskBase()
{
    KwQueryPerformanceCounter(&m_stamp);
}

CTaskBase::~CTaskBase() = default;

std::string CTaskBase::GetLoopName() const
{
    switch (m_loopId) {
    case ML_MAIN:
        return "ML_MAIN";
    case ML_HELPER:
        return "ML_HELPER";
    case ML_PLAY:
        return "ML_PLAY";
    case ML_WATERMARK:
        return "ML_WATERMARK";
    case ML_TEST:
        return "ML_TEST";
    case ML_EXPORT:
        return "ML_EXPORT";
    default:
        return "UNKNOWN";
    }
}

bool CTaskBase::IsTraced(int minimumLevel) const
{
    if (g_taskTraceSwitch == 0) {
        return false;
    }
    const int level = GetTaskTraceLevel();
    return level >= minimumLevel && m_traceLevel <= level;
}

void CTaskBase::TracePost() const
{
    if (!IsTraced(1)) {
        return;
    }
    KW_SOFT_BASE::KWDateTime now;
    KW_SOFT_BASE::GetLocalDateTime(now);
    // Long names or paths are cut at the end of the line's buffer rather than
    // written past it.
    char line[256] = {};
    std::snprintf(line, sizeof line,
        "[TaskInfo--%p]-%d-%d-%d %d:%d:%d-|{%-15.15s}|{%-15.15s}|             |<%s> called by <%s> at file %s, line %d.\n",
        static_cast<const void*>(this), now.year, now.month, now.day, now.hour, now.minute, now.second,
        GetLoopName().c_str(), "PostMessage", m_taskName.c_str(), m_caller.c_str(), m_file.c_str(), m_line);
    KwOutputDebugString(line);
}

} // namespace CorvinaBase
