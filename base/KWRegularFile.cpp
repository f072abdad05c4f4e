#include "base/KWRegularFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

KWReadableFile KWOpenRegularFile(const std::string& path)
{
    KWReadableFile result;
    // Without O_NONBLOCK, opening a pipe waits for its writer.
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        result.missing = errno == ENOENT;
        result.reason = result.missing ? "no such file" : std::strerror(errno);
        return result;
    }
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        result.reason = "not a regular file";
        return result;
    }
    // A regular file never blocks; the flag only goes for the readers' sake.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    result.fd = fd;
    return result;
}

tinyxml2::XMLError KWLoadXmlFile(tinyxml2::XMLDocument& doc, const std::string& path, std::string* reason)
{
    KWReadableFile opened = KWOpenRegularFile(path);
    std::FILE* stream = opened.fd >= 0 ? ::fdopen(opened.fd, "rb") : nullptr;
    if (stream == nullptr) {
        if (opened.fd >= 0) {
            opened.reason = std::strerror(errno);
            ::close(opened.fd);
        }
        if (reason != nullptr) {
            *reason = opened.reason;
        }
        doc.Clear();
        return opened.missing ? tinyxml2::XML_ERROR_FILE_NOT_FOUND
                              : tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED;
    }
    const tinyxml2::XMLError verdict = doc.LoadFile(stream);
    std::fclose(stream);
    return verdict;
}

bool KWOpenRegularQFile(QFile& file, const QString& path, QIODevice::OpenMode mode, QString* reason)
{
    const KWReadableFile opened = KWOpenRegularFile(QFile::encodeName(path).toStdString());
    QString failure = QString::fromStdString(opened.reason);
    if (opened.fd >= 0) {
        if (file.open(opened.fd, mode | QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            return true;
        }
        failure = file.errorString();
        ::close(opened.fd);
    }
    if (reason != nullptr) {
        *reason = failure;
    }
    return false;
}

bool KWEntryExists(const QString& path)
{
    struct stat info { };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

bool KWIsLinkLoop(const QString& path)
{
    struct stat info { };
    return ::stat(QFile::encodeName(path).constData(), &info) != 0 && errno == ELOOP;
}
