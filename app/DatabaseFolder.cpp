#include "app/DatabaseFolder.h"

#include <QByteArray>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FreeWithC {
    void operator()(char* text) const { std::free(text); }
};

std::string WhyNotReached(int error)
{
    return error == ENOENT ? std::string("no such file") : std::string(std::strerror(error));
}

} // namespace

CDatabaseFolder::~CDatabaseFolder()
{
    Close();
}

bool CDatabaseFolder::Open(const std::string& path, std::string* reason)
{
    Close();
    // Resolved first: were the file itself a link, SQLite would read its
    // target into a buffer of its own path limit and cut a long one short.
    const std::unique_ptr<char, FreeWithC> resolved(::realpath(path.c_str(), nullptr));
    if (!resolved) {
        *reason = WhyNotReached(errno);
        return false;
    }
    const std::string target(resolved.get());
    const size_t slash = target.rfind('/');
    const std::string folder = slash == 0 ? std::string("/") : target.substr(0, slash);
    const std::string name = target.substr(slash + 1);
    const int fd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        *reason = WhyNotReached(errno);
        return false;
    }
    struct stat info { };
    const bool found = ::fstatat(fd, name.c_str(), &info, 0) == 0;
    if (!found || !S_ISREG(info.st_mode)) {
        *reason = found ? std::string("not a regular file") : WhyNotReached(errno);
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_filePath = target;
    const std::string shortPath = m_descriptorFolder + "/" + std::to_string(fd) + "/" + name;
    // The short name counts only where it reaches this very file.
    struct stat reached { };
    if (::stat(shortPath.c_str(), &reached) == 0) {
        if (reached.st_dev == info.st_dev && reached.st_ino == info.st_ino) {
            m_shortPath = shortPath;
        } else {
            m_whyNoShortPath = "its shorter name through /proc leads to another file";
        }
    } else {
        const int error = errno;
        struct stat descriptors { };
        m_whyNoShortPath = ::stat(m_descriptorFolder.c_str(), &descriptors) != 0
            ? std::string("without /proc there is no shorter name for it")
            : "its shorter name through /proc leads nowhere: " + WhyNotReached(error);
    }
    return true;
}

void CDatabaseFolder::Close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_shortPath.clear();
    m_whyNoShortPath.clear();
    m_filePath.clear();
}

std::string SqliteUriFilename(const std::string& path, const std::string& query)
{
    const QByteArray encoded
        = QByteArray::fromRawData(path.data(), static_cast<qsizetype>(path.size())).toPercentEncoding("/");
    std::string uri = "file:" + encoded.toStdString();
    if (!query.empty()) {
        uri += "?" + query;
    }
    return uri;
}
