#pragma once
// Static wrappers over module loading, memory and string primitives, sleeping
// and handing a document to the desktop.

#include "base/platform/KWWinTypes.h"

#include <cstddef>
#include <string>

namespace KW_SOFT_BASE {

class CKWSystem {
public:
    virtual ~CKWSystem();

    // Loads only names that end exactly in the platform's library suffix,
    // ".so" (case-sensitive: ".SO" and versioned "libx.so.1" are refused), with
    // every symbol bound at once. Null for a null or refused name or a failed load.
    static HMODULE LoadDll(const char* name);
    // Null for a null module or an unknown symbol.
    static void* GetProcAddr(HMODULE module, const char* name);
    // TRUE when the module was released.
    static BOOL FreeDll(HMODULE module);

    // Directory of the module's file (null = the program), with its trailing
    // '/'. The buffer is zero-filled first; a path that does not fit, or one
    // without a separator, leaves it empty rather than cut to another name.
    static void GetModuleDir(HMODULE module, char* buffer, unsigned size);
    // The same directory without a size limit, with its trailing '/'; empty
    // when the module's path is unknown or has no separator.
    static std::string ModuleDir(HMODULE module);

    static void* MemSet(void* destination, int value, size_t count);
    static void* MemCpy(void* destination, const void* source, size_t count);
    // Unbounded like sprintf: the destination must hold the result. Prefer
    // snprintf in new code.
    static int SPrintf(char* destination, const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Copies up to and including the terminator; returns the destination.
    static char* StrCpy(char* destination, const char* source);
    // Bytes before the terminator; 0 for null.
    static size_t StrLen(const char* text);
    // Byte-wise, unsigned: -1 when a sorts first, 1 when b does, 0 when equal.
    static int StrCmp(const char* a, const char* b);
    static void SleepMs(DWORD milliseconds);

    // Opens a document or web address with the user's default program (through
    // xdg-open, started directly with the path as its one argument, never
    // through a shell). Does not wait for the program; TRUE when it was started.
    static BOOL OpenWithShell(const char* path);
};

} // namespace KW_SOFT_BASE
