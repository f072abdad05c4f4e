#pragma once
// A file opened with the classic creation flags, plus the static directory
// and disk functions that go with it. Paths are 8-bit texts passed to the
// system unchanged.

#include "base/platform/KWWinTypes.h"

#include <memory>

namespace KW_SOFT_BASE {

class CKWFile {
public:
    CKWFile();
    virtual ~CKWFile();

    CKWFile(const CKWFile&) = delete;
    CKWFile& operator=(const CKWFile&) = delete;

    // access: GENERIC_READ / GENERIC_WRITE / GENERIC_ALL; creation:
    // CREATE_NEW .. TRUNCATE_EXISTING. Share modes are not enforced here.
    // A directory is never opened. An open file is closed first.
    // 1 when opened, 0 otherwise.
    int Open(const char* name, DWORD access, DWORD shareMode, DWORD creation, DWORD flagsAndAttributes);
    void Close();
    // Bytes written or read; a short count at an error or at the end of the
    // file, 0 when nothing was transferred or no file is open.
    DWORD Write(const void* buffer, DWORD count);
    DWORD Read(void* buffer, DWORD count);
    // Moves by the signed 64-bit distance high:low from the origin (FILE_BEGIN,
    // FILE_CURRENT, FILE_END). From the end the distance counts backwards, so
    // Seek(10, 0, FILE_END) lands 10 bytes before the end. 1 on success, 0
    // when no file is open or the move fails.
    int Seek(DWORD low, DWORD high, DWORD origin);
    // The size split into halves (high may be null); leaves the position at
    // the end. 1 on success, 0 when no file is open or the query fails.
    int GetSize(DWORD* high, DWORD* low);

    // TRUE when the directory was created.
    static BOOL CreateDir(const char* path);
    // TRUE when the file (or symbolic link) was removed.
    static BOOL DeleteFile(const char* path);
    // Copies the working directory into buffer: its length without the
    // terminator when it fits, else the size needed including the terminator
    // (buffer untouched); 0 on failure.
    static DWORD GetCurrentDir(DWORD size, char* buffer);
    // Bytes available to the caller on the disk holding path (null: the
    // working directory). TRUE on success.
    static BOOL GetDiskFreeSpace(const char* path, ULARGE_INTEGER* freeToCaller);
    // Deletes the directory and everything below it. Symbolic links inside
    // are removed themselves and never followed, and a path that is itself a
    // link is refused, so nothing outside the tree is touched. TRUE only when
    // the directory is gone.
    static BOOL DeleteDirectoryTree(const char* path);

private:
    struct Record {
        int fd = -1;
    };
    std::unique_ptr<Record> m_record;
};

} // namespace KW_SOFT_BASE
