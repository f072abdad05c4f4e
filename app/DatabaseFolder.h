#pragma once
// The folder of a database file held open by descriptor, and a short name
// for the file through it.
//
// SQLite's Unix file layer takes names of at most 512 bytes and sizes
// buffers of its own by that limit: the super-journal name it reads from a
// journal goes into a buffer one page long, 1,024 bytes for the product
// database. Raising the limit overruns them; Linux takes paths of up to
// 4,095 bytes. Through the folder's descriptor, "/proc/self/fd/<n>/<name>"
// names the same file in a few dozen bytes however deep its folder lies, and
// a journal SQLite makes beside it (for the catalogue converter) lands in
// that same folder.
//
// This holds while SQLite's Unix layer follows a link only at the file's own
// name, as the SQLCipher we build with does; a layer that follows every
// element would take /proc/self/fd/<n> back to the long folder path. The
// database tests' deepest paths say when that changes.
//
// Where /proc is not mounted (a chroot, a sandbox that hides it) the short
// name leads nowhere, and where it leads to another file it is not used
// either; the file's own path is all there is then.

#include <string>

class CDatabaseFolder {
public:
    CDatabaseFolder() = default;
    ~CDatabaseFolder();
    CDatabaseFolder(const CDatabaseFolder&) = delete;
    CDatabaseFolder& operator=(const CDatabaseFolder&) = delete;

    // Follows every link of path (file-system bytes) to what it names and
    // holds that entry's folder open. False, with the reason as the end of a
    // sentence and nothing held, when nothing is there, a link leads nowhere
    // or round in a loop, or the entry is no regular file: SQLite would wait
    // for ever on a pipe it opens for reading.
    bool Open(const std::string& path, std::string* reason);
    void Close();
    // "/proc/self/fd/<n>/<name>" for the file found by the last Open; empty
    // when nothing is held, or when that name does not lead to the file.
    const std::string& ShortPath() const { return m_shortPath; }
    // Why a file is held without a short path, as the end of a sentence:
    // there is no /proc, or the short name leads to another file or to none.
    // Empty while there is a short path or nothing is held.
    const std::string& WhyNoShortPath() const { return m_whyNoShortPath; }
    // The file's own path, every link followed; empty when nothing is held.
    const std::string& FilePath() const { return m_filePath; }
    // The folder in which the process's descriptors are named,
    // "/proc/self/fd" unless a test names one that does not exist, as where
    // /proc is not mounted. Taken by the next Open.
    void SetDescriptorFolder(const std::string& folder) { m_descriptorFolder = folder; }

private:
    int m_fd = -1;
    std::string m_shortPath;
    std::string m_whyNoShortPath;
    std::string m_filePath;
    std::string m_descriptorFolder = "/proc/self/fd";
};

// An SQLite URI filename ("file:...") for path, with every byte but the
// unreserved ones and '/' percent-encoded, so that a '?', '#' or '%' in a
// name stays part of the name; query, when not empty, follows a '?'.
std::string SqliteUriFilename(const std::string& path, const std::string& query);
