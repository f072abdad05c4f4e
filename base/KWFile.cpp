#include "base/KWFile.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace KW_SOFT_BASE {

namespace {

bool WantsWrite(DWORD access)
{
    return (access & (GENERIC_WRITE | GENERIC_ALL)) != 0;
}

int OpenFlags(DWORD access, DWORD creation, bool* ok)
{
    *ok = true;
    int flags = O_CLOEXEC;
    const bool read = (access & (GENERIC_READ | GENERIC_ALL)) != 0;
    const bool write = WantsWrite(access);
    if (read && write) {
        flags |= O_RDWR;
    } else if (write) {
        flags |= O_WRONLY;
    } else {
        flags |= O_RDONLY;
    }
    switch (creation) {
    case CREATE_NEW:
        flags |= O_CREAT | O_EXCL;
        break;
    case CREATE_ALWAYS:
        flags |= O_CREAT | O_TRUNC;
        break;
    case OPEN_EXISTING:
        break;
    case OPEN_ALWAYS:
        flags |= O_CREAT;
        break;
    case TRUNCATE_EXISTING:
        // Truncation asks for write access, as it always has.
        if (!write) {
            *ok = false;
        }
        flags |= O_TRUNC;
        break;
    default:
        *ok = false;
        break;
    }
    return flags;
}

std::string WithoutTrailingSeparators(std::string path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// Empties the directory open as dirFd (which this takes over). Entries are
// listed before any is removed, since removing while reading leaves it open
// whether later entries are still reported.
void RemoveDirectoryContents(int dirFd)
{
    DIR* dir = ::fdopendir(dirFd);
    if (dir == nullptr) {
        ::close(dirFd);
        return;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) {
            continue;
        }
        names.emplace_back(entry->d_name);
    }
    const int fd = ::dirfd(dir);
    for (const std::string& name : names) {
        struct stat st {};
        if (::fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            // O_NOFOLLOW: should the directory have been swapped for a link
            // since the check, the open fails instead of leaving the tree.
            const int child = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0) {
                RemoveDirectoryContents(child);
            }
            ::unlinkat(fd, name.c_str(), AT_REMOVEDIR);
        } else {
            ::unlinkat(fd, name.c_str(), 0);
        }
    }
    ::closedir(dir);
}

} // namespace

CKWFile::CKWFile()
    : m_record(new (std::nothrow) Record)
{
}

CKWFile::~CKWFile()
{
    Close();
}

int CKWFile::Open(const char* name, DWORD access, DWORD /*shareMode*/, DWORD creation, DWORD flagsAndAttributes)
{
    if (!m_record || name == nullptr) {
        return 0;
    }
    Close();
    bool ok = false;
    const int flags = OpenFlags(access, creation, &ok);
    if (!ok) {
        return 0;
    }
    const mode_t mode = (flagsAndAttributes & FILE_ATTRIBUTE_READONLY) != 0 ? 0444 : 0666;
    int fd = -1;
    do {
        fd = ::open(name, flags, mode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return 0;
    }
    // Opening a directory for reading succeeds on POSIX but fails with the
    // Windows call this stands in for, and "does this file exist" checks rely
    // on it failing.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return 0;
    }
    m_record->fd = fd;
    return 1;
}

void CKWFile::Close()
{
    if (m_record && m_record->fd >= 0) {
        ::close(m_record->fd);
        m_record->fd = -1;
    }
}

DWORD CKWFile::Write(const void* buffer, DWORD count)
{
    if (!m_record || m_record->fd < 0 || (buffer == nullptr && count != 0)) {
        return 0;
    }
    const char* data = static_cast<const char*>(buffer);
    DWORD done = 0;
    while (done < count) {
        const ssize_t n = ::write(m_record->fd, data + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<DWORD>(n);
    }
    return done;
}

DWORD CKWFile::Read(void* buffer, DWORD count)
{
    if (!m_record || m_record->fd < 0 || (buffer == nullptr && count != 0)) {
        return 0;
    }
    char* data = static_cast<char*>(buffer);
    DWORD done = 0;
    while (done < count) {
        const ssize_t n = ::read(m_record->fd, data + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (n == 0) {
            break; // end of file
        }
        done += static_cast<DWORD>(n);
    }
    return done;
}

int CKWFile::Seek(DWORD low, DWORD high, DWORD origin)
{
    if (!m_record || m_record->fd < 0) {
        return 0;
    }
    int64_t distance = static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
    int whence = SEEK_SET;
    switch (origin) {
    case FILE_BEGIN:
        whence = SEEK_SET;
        break;
    case FILE_CURRENT:
        whence = SEEK_CUR;
        break;
    case FILE_END:
        if (distance == INT64_MIN) {
            return 0;
        }
        distance = -distance;
        whence = SEEK_END;
        break;
    default:
        return 0;
    }
    return ::lseek(m_record->fd, static_cast<off_t>(distance), whence) < 0 ? 0 : 1;
}

int CKWFile::GetSize(DWORD* high, DWORD* low)
{
    if (!m_record || m_record->fd < 0) {
        return 0;
    }
    const off_t end = ::lseek(m_record->fd, 0, SEEK_END);
    if (end < 0) {
        return 0;
    }
    const uint64_t size = static_cast<uint64_t>(end);
    if (low != nullptr) {
        *low = static_cast<DWORD>(size & 0xFFFFFFFFu);
    }
    if (high != nullptr) {
        *high = static_cast<DWORD>(size >> 32);
    }
    return 1;
}

BOOL CKWFile::CreateDir(const char* path)
{
    if (path == nullptr) {
        return FALSE;
    }
    return ::mkdir(path, 0777) == 0 ? TRUE : FALSE;
}

BOOL CKWFile::DeleteFile(const char* path)
{
    if (path == nullptr) {
        return FALSE;
    }
    return ::unlink(path) == 0 ? TRUE : FALSE;
}

DWORD CKWFile::GetCurrentDir(DWORD size, char* buffer)
{
    std::vector<char> cwd(PATH_MAX);
    while (::getcwd(cwd.data(), cwd.size()) == nullptr) {
        if (errno != ERANGE) {
            return 0;
        }
        cwd.resize(cwd.size() * 2);
    }
    const size_t length = std::strlen(cwd.data());
    if (length >= 0xFFFFFFFFu) {
        return 0;
    }
    if (buffer == nullptr || length + 1 > size) {
        return static_cast<DWORD>(length + 1);
    }
    std::memcpy(buffer, cwd.data(), length + 1);
    return static_cast<DWORD>(length);
}

BOOL CKWFile::GetDiskFreeSpace(const char* path, ULARGE_INTEGER* freeToCaller)
{
    struct statvfs st {};
    if (::statvfs(path != nullptr ? path : ".", &st) != 0) {
        return FALSE;
    }
    if (freeToCaller != nullptr) {
        freeToCaller->QuadPart = static_cast<uint64_t>(st.f_bavail) * static_cast<uint64_t>(st.f_frsize);
    }
    return TRUE;
}

BOOL CKWFile::DeleteDirectoryTree(const char* path)
{
    if (path == nullptr || *path == '\0') {
        return FALSE;
    }
    const std::string root = WithoutTrailingSeparators(path);
    const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return FALSE;
    }
    RemoveDirectoryContents(fd);
    return ::rmdir(root.c_str()) == 0 ? TRUE : FALSE;
}

} // namespace KW_SOFT_BASE
