#include "base/msgloop/KWTask.h"

#include "base/KWDateTime.h"
#include "base/platform/KWPlatform.h"

#include <cstdio>

namespace CorvinaBase {

CKWTask::~CKWTask()
{
    if (!IsTraced(2)) {
        return;
    }
    KW_SOFT_BASE::KWDateTime now;
    KW_SOFT_BASE::GetLocalDateTime(now);
    char line[512] = {};
    std::snprintf(line, sizeof line, "[TaskInfo--%p]-%d-%d-%d %d:%d:%d-|{%-15.15s}|{%-15.15s}|             |<%s>.\n",
        static_cast<const void*>(this), now.year, now.month, now.day, now.hour, now.minute, now.second,
        GetLoopName().c_str(), "Destroy", GetTaskName().c_str());
    KwOutputDebugString(line);
}

} // namespace CorvinaBase
