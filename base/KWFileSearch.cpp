#include "base/KWFileSearch.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace KW_SOFT_BASE {

namespace {

// Callers may take 256 bytes for granted in every result, so none is smaller.
constexpr size_t kMinResultSize = 256;

char* CopyForCaller(const std::string& path)
{
    const size_t size = std::max(kMinResultSize, path.size() + 1);
    char* copy = new char[size];
    std::memcpy(copy, path.c_str(), path.size() + 1);
    return copy;
}

// The starting directory may be reached through a link; below it, O_NOFOLLOW
// keeps a directory that was swapped for a link meanwhile from being entered.
DIR* OpenDirectory(const std::string& path, bool followLink)
{
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW);
    // A trailing '/' would make the system follow a final link after all.
    std::string name = path;
    while (name.size() > 1 && name.back() == '/') {
        name.pop_back();
    }
    const int fd = ::open(name.c_str(), flags);
    if (fd < 0) {
        return nullptr;
    }
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
    }
    return dir;
}

int Search(const std::string& directory, bool followLink, std::list<char*>& found, const char* needle)
{
    DIR* dir = OpenDirectory(directory, followLink);
    if (dir == nullptr) {
        return 0;
    }
    const int fd = ::dirfd(dir);
    // Directory order is arbitrary, so "." and ".." are recognised by name
    // rather than by position.
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) {
            continue;
        }
        if (needle != nullptr && std::strstr(name, needle) == nullptr) {
            continue;
        }
        struct stat st {};
        if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            continue; // removed meanwhile
        }
        const std::string path = directory + name;
        if (S_ISDIR(st.st_mode)) {
            Search(path + '/', false, found, needle);
        } else {
            found.push_back(CopyForCaller(path));
        }
    }
    ::closedir(dir);
    return 1;
}

} // namespace

int FindFilesContaining(const char* directory, std::list<char*>& found, const char* needle)
{
    if (directory == nullptr || *directory == '\0') {
        return 0;
    }
    std::string dir(directory);
    if (dir.back() != '/') {
        dir += '/';
    }
    return Search(dir, true, found, needle);
}

} // namespace KW_SOFT_BASE
