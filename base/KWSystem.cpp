#include "base/KWSystem.h"

#include <QProcess>
#include <QString>

#include <chrono>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace KW_SOFT_BASE {

namespace {

    std::string ExecutablePath()
    {
        std::vector<char> buffer(PATH_MAX);
        for (;;) {
            const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
            if (n < 0) {
                return std::string();
            }
            if (static_cast<size_t>(n) < buffer.size()) {
                return std::string(buffer.data(), static_cast<size_t>(n));
            }
            buffer.resize(buffer.size() * 2);
        }
    }

    std::string ModulePath(HMODULE module)
    {
        if (module == nullptr) {
            return ExecutablePath();
        }
        link_map* map = nullptr;
        if (::dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) {
            return std::string();
        }
        // The program's own entry has no name.
        if (map->l_name == nullptr || map->l_name[0] == '\0') {
            return ExecutablePath();
        }
        // A library opened by a relative name keeps that name; make it absolute
        // so that the directory does not depend on the working directory.
        if (char* resolved = ::realpath(map->l_name, nullptr)) {
            std::string path(resolved);
            std::free(resolved);
            return path;
        }
        return map->l_name;
    }

    // Up to and including the last separator; empty without one.
    std::string DirectoryOf(const std::string& path)
    {
        const size_t separator = path.find_last_of("/\\");
        return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
    }

} // namespace

CKWSystem::~CKWSystem() = default;

HMODULE CKWSystem::LoadDll(const char* name)
{
    static const char suffix[] = ".so";
    constexpr size_t suffixLength = sizeof suffix - 1;
    if (name == nullptr) {
        return nullptr;
    }
    const size_t length = std::strlen(name);
    if (length < suffixLength || std::strcmp(name + length - suffixLength, suffix) != 0) {
        return nullptr;
    }
    return ::dlopen(name, RTLD_NOW);
}

void* CKWSystem::GetProcAddr(HMODULE module, const char* name)
{
    // dlsym reads a null handle as "search every loaded object".
    if (module == nullptr || name == nullptr) {
        return nullptr;
    }
    return ::dlsym(module, name);
}

BOOL CKWSystem::FreeDll(HMODULE module)
{
    if (module == nullptr) {
        return FALSE;
    }
    return ::dlclose(module) == 0 ? TRUE : FALSE;
}

void CKWSystem::GetModuleDir(HMODULE module, char* buffer, unsigned size)
{
    if (buffer == nullptr || size == 0) {
        return;
    }
    std::memset(buffer, 0, size);
    const std::string path = ModulePath(module);
    if (path.empty() || path.size() + 1 > size) {
        return;
    }
    const std::string dir = DirectoryOf(path);
    std::memcpy(buffer, dir.data(), dir.size());
}

std::string CKWSystem::ModuleDir(HMODULE module)
{
    return DirectoryOf(ModulePath(module));
}

void* CKWSystem::MemSet(void* destination, int value, size_t count)
{
    return std::memset(destination, value, count);
}

void* CKWSystem::MemCpy(void* destination, const void* source, size_t count)
{
    return std::memcpy(destination, source, count);
}

int CKWSystem::SPrintf(char* destination, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int written = std::vsprintf(destination, format, args);
    va_end(args);
    return written;
}

char* CKWSystem::StrCpy(char* destination, const char* source)
{
    if (destination == nullptr || source == nullptr) {
        return destination;
    }
    return std::strcpy(destination, source);
}

size_t CKWSystem::StrLen(const char* text)
{
    return text != nullptr ? std::strlen(text) : 0;
}

int CKWSystem::StrCmp(const char* a, const char* b)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a != nullptr ? a : "");
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b != nullptr ? b : "");
    while (*p != 0 && *p == *q) {
        ++p;
        ++q;
    }
    if (*p == *q) {
        return 0;
    }
    return *p < *q ? -1 : 1;
}

void CKWSystem::SleepMs(DWORD milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

BOOL CKWSystem::OpenWithShell(const char* path)
{
    if (path == nullptr || path[0] == '\0') {
        return FALSE;
    }
    // The opener may stay as long as the document is open (its generic
    // fallback does). Started detached, it is reaped without the program
    // waiting for it or keeping a thread to do so.
    return QProcess::startDetached(QStringLiteral("xdg-open"), { QString::fromLocal8Bit(path) }) ? TRUE : FALSE;
}

} // namespace KW_SOFT_BASE
