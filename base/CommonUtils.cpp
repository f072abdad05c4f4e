#include "base/CommonUtils.h"

#include "base/KWFile.h"
#include "base/KWStreamConvert.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <ctime>

using KW_SOFT_BASE::CKWFile;
using KW_SOFT_BASE::CKWStreamConvert;

namespace {

constexpr unsigned kLocalCodePage = 0;
constexpr unsigned kUtf8CodePage = 65001;

std::string ToLocal8Bit(const std::wstring& text)
{
    return CKWStreamConvert(text.c_str(), kLocalCodePage).GetString();
}

template <typename String>
String ReplaceAllImpl(const String& text, const String& pattern, const String& replacement)
{
    if (pattern.empty()) {
        return text;
    }
    String result;
    result.reserve(text.size());
    size_t from = 0;
    for (size_t at = text.find(pattern); at != String::npos; at = text.find(pattern, from)) {
        result.append(text, from, at - from);
        result.append(replacement);
        from = at + pattern.size();
    }
    result.append(text, from, String::npos);
    return result;
}

// One left-to-right sweep gives what rounds of first-occurrence replacements
// give, without searching from the start again for every entity. No two
// patterns can overlap (an entity has its '&' only first and its ';' only
// last; backslash-r-backslash-n shares no character with them), so the order
// of the replacements does not change the result. Of the replacements only
// '&' occurs in a pattern, and only as its first character: the result built
// so far never holds a pattern, and a new one can only end at the character
// just appended.
template <typename String>
String XmlUnescapeImpl(const String& text, const String (&patterns)[5], const String (&replacements)[5])
{
    String result;
    result.reserve(text.size());
    for (const auto c : text) {
        result.push_back(c);
        for (size_t i = 0; i < 5; ++i) {
            const String& pattern = patterns[i];
            if (c == pattern.back() && result.size() >= pattern.size()
                && result.compare(result.size() - pattern.size(), pattern.size(), pattern) == 0) {
                result.resize(result.size() - pattern.size());
                result += replacements[i];
                break;
            }
        }
    }
    return result;
}

} // namespace

std::wstring GetFileNameOfPath(const std::wstring& path)
{
    const size_t slash = path.rfind(L'/');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring GetBaseNameOfPath(const std::wstring& path)
{
    const size_t slash = path.rfind(L'/');
    const size_t start = slash == std::wstring::npos ? 0 : slash + 1;
    const size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos || dot < start) {
        return path.substr(start);
    }
    return path.substr(start, dot - start);
}

std::wstring GetExtensionOfPath(const std::wstring& path)
{
    const size_t dot = path.rfind(L'.');
    return dot == std::wstring::npos ? path : path.substr(dot + 1);
}

int FileExists(const std::wstring& path)
{
    const std::string name = ToLocal8Bit(path);
    // CKWFile refuses directories, so a directory counts as missing.
    CKWFile file;
    if (!file.Open(name.c_str(), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL)) {
        return 0;
    }
    file.Close();
    return 1;
}

bool FileExistsW(const std::wstring& path)
{
    return access(ToLocal8Bit(path).c_str(), F_OK) == 0;
}

int MakeDirectoryPath(const wchar_t* path)
{
    if (path == nullptr) {
        return -1;
    }
    const std::wstring wide(path);
    if (access(ToLocal8Bit(wide).c_str(), F_OK) == 0) {
        return 0;
    }
    int result = -1;
    for (size_t i = 1; i < wide.size(); ++i) {
        if (wide[i] != L'/') {
            continue;
        }
        const std::string level = ToLocal8Bit(wide.substr(0, i));
        if (access(level.c_str(), F_OK) != 0) {
            result = mkdir(level.c_str(), 0777);
            if (result == -1) {
                break;
            }
        }
    }
    return result;
}

int WriteTextFile(const std::wstring& content, const std::string& path)
{
    const std::string bytes = ToLocal8Bit(content);
    FILE* file = std::fopen(path.c_str(), "w+e");
    if (file == nullptr) {
        return 0;
    }
    const size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file);
    const bool closed = std::fclose(file) == 0;
    return (written == bytes.size() && closed) ? 1 : 0;
}

int WriteUtf8TextFile(const std::wstring& content, const std::wstring& path)
{
    return WriteTextFile(content, WideStringToUtf8(path));
}

std::wstring GetTimeStampText()
{
    const auto low32 = static_cast<uint32_t>(static_cast<uint64_t>(std::time(nullptr)));
    return std::to_wstring(static_cast<int32_t>(low32));
}

std::wstring Utf8ToWide(const char* text)
{
    if (text == nullptr) {
        return std::wstring();
    }
    return CKWStreamConvert(text, kUtf8CodePage).GetWString();
}

std::wstring Utf8StringToWide(const std::string& text)
{
    return Utf8ToWide(text.c_str());
}

std::string WideToUtf8(const wchar_t* text)
{
    if (text == nullptr) {
        return std::string();
    }
    return CKWStreamConvert(text, kUtf8CodePage).GetString();
}

std::string WideStringToUtf8(const std::wstring& text)
{
    return WideToUtf8(text.c_str());
}

std::string XmlUnescape(const std::string& text)
{
    static const std::string patterns[5] = {"&lt;", "&gt;", "&amp;", "&quot;", "\\r\\n"};
    static const std::string replacements[5] = {"<", ">", "&", "\"", " "};
    return XmlUnescapeImpl(text, patterns, replacements);
}

std::wstring XmlUnescape(const std::wstring& text)
{
    static const std::wstring patterns[5] = {L"&lt;", L"&gt;", L"&amp;", L"&quot;", L"\\r\\n"};
    static const std::wstring replacements[5] = {L"<", L">", L"&", L"\"", L" "};
    return XmlUnescapeImpl(text, patterns, replacements);
}

std::string ReplaceAll(const std::string& text, const std::string& pattern, const std::string& replacement)
{
    return ReplaceAllImpl(text, pattern, replacement);
}

std::wstring ReplaceAll(const std::wstring& text, const std::wstring& pattern, const std::wstring& replacement)
{
    return ReplaceAllImpl(text, pattern, replacement);
}
