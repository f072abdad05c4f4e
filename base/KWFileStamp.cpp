#include "base/KWFileStamp.h"

#include <sys/stat.h>

KWFileStamp GetFileStamp(const std::string& path)
{
    KWFileStamp stamp;
    struct stat info { };
    if (stat(path.c_str(), &info) == 0) {
        stamp.exists = true;
        stamp.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        stamp.changedNs = static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
        stamp.device = static_cast<std::uint64_t>(info.st_dev);
        stamp.inode = static_cast<std::uint64_t>(info.st_ino);
        stamp.size = static_cast<std::int64_t>(info.st_size);
    }
    return stamp;
}
