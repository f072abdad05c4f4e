#pragma once
// Conversion between wide text and 8-bit text in a Windows code page, in place
// of the system's code-page services. wchar_t holds UTF-32 code points here.
//
// Code page 65001 is UTF-8 and uses our own codec; code page 0 stands for the
// character set of the user's locale, read once from the environment; any
// other code page goes through iconv under its "CP<n>" name (or the name the
// C library knows it by). Nothing here throws or stops at bad input: bytes that
// do not decode become U+FFFD, characters the target cannot hold become '?'
// (U+FFFD for UTF-8), the language tags U+E0000..U+E007F included.

#include "base/platform/KWWinTypes.h"

#include <cstddef>
#include <string>

// Converts the first n bytes of src. False (and an empty result) when the code
// page is not known here.
bool KwMultiByteToWideChar(UINT codePage, const char* src, size_t n, std::wstring& out);

// Converts the first n wide characters of src. False (and an empty result)
// when the code page is not known here.
bool KwWideCharToMultiByte(UINT codePage, const wchar_t* src, size_t n, std::string& out);

// The character set a code page stands for ("UTF-8", "CP936", ...); empty
// when the code page is not known.
std::string KwCodePageCharset(UINT codePage);

// The character set of the named locale ("" = the one the environment
// selects). A program that never set its locale would otherwise see plain
// ASCII and turn every non-ASCII path into '?', so the C/POSIX locale, plain
// ASCII and a locale that cannot be loaded all count as UTF-8.
std::string KwLocaleCharset(const char* localeName);
