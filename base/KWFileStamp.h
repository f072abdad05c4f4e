#pragma once
// What tells one version of a file from another without reading it: whether
// it is there, when its content and its inode were last changed, which inode
// it is and how long it is. A copy that keeps the size and the modification
// time (cp -p) still changes the inode's change time, and a file renamed over
// another is another inode. Files read often (language files, lens tables)
// are read again only when their stamp differs from the one they had when
// they were read last.

#include <cstdint>
#include <string>

struct KWFileStamp {
    bool exists = false;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;

    bool operator==(const KWFileStamp& other) const
    {
        return exists == other.exists && modifiedNs == other.modifiedNs && changedNs == other.changedNs
            && device == other.device && inode == other.inode && size == other.size;
    }
    bool operator!=(const KWFileStamp& other) const { return !(*this == other); }
};

// The stamp of the file at path (file-system bytes); a path that names
// nothing gives a stamp that does not exist. One stat, no read.
KWFileStamp GetFileStamp(const std::string& path);
