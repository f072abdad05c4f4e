#include "base/Translate.h"

#include "base/CommonUtils.h"
#include "base/Globals.h"
#include "base/KWSystem.h"

#include <QCoreApplication>
#include <QFile>

#include <tinyxml2.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <map>
#include <optional>
#include <string>

namespace {

constexpr int kBufferCount = 5;
constexpr size_t kBufferChars = 1024;

wchar_t g_resultBuffers[kBufferCount][kBufferChars];
int g_nextBuffer = 0;

// Every language file read so far merged into one table, never cleared: a key
// that the current file lacks keeps the text an earlier file gave it. Kept
// beside the buffers rather than as a local so that its lifetime is the
// process's.
std::map<std::wstring, std::wstring>& TranslationTable()
{
    static std::map<std::wstring, std::wstring> g_translations;
    return g_translations;
}

// The directory of the executable as file-system bytes, without a trailing
// '/'. kwbase cannot ask the UI framework, so it asks Qt when an application
// object exists and the kernel otherwise (tools and tests that run without
// one).
std::string ApplicationDirBytes()
{
    if (QCoreApplication::instance() != nullptr) {
        return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    }
    std::string dir = KW_SOFT_BASE::CKWSystem::ModuleDir(nullptr);
    if (!dir.empty()) {
        dir.pop_back();
    }
    return dir;
}

// Everything that can change what merging a language file gives. Merging the
// same unchanged file twice leaves the table as it was, so a file whose
// identity matches the one merged last need not be parsed again.
struct LanguageFileIdentity {
    int languageIndex = 0;
    std::string path;
    bool exists = false;
    std::int64_t modifiedNs = 0;
    std::int64_t size = 0;

    bool operator==(const LanguageFileIdentity& other) const
    {
        return languageIndex == other.languageIndex && path == other.path && exists == other.exists
            && modifiedNs == other.modifiedNs && size == other.size;
    }
};

LanguageFileIdentity IdentifyLanguageFile(int languageIndex)
{
    LanguageFileIdentity identity;
    identity.languageIndex = languageIndex;
    identity.path = ApplicationDirBytes() + "/Lang_" + std::to_string(languageIndex) + ".xml";
    struct stat info {};
    if (stat(identity.path.c_str(), &info) == 0) {
        identity.exists = true;
        identity.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        identity.size = static_cast<std::int64_t>(info.st_size);
    }
    return identity;
}

// A missing or malformed file merges nothing: the table stays as it was.
void MergeLanguageFile(const std::string& path, std::map<std::wstring, std::wstring>& table)
{
    // TinyXML-2 reads the text as UTF-8 whether or not it declares so, and
    // stays inside its buffer on malformed input.
    tinyxml2::XMLDocument doc;
    if (doc.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) {
        return;
    }
    const tinyxml2::XMLElement* root = doc.FirstChildElement();
    if (root == nullptr) {
        return;
    }
    for (const tinyxml2::XMLElement* entry = root->FirstChildElement(); entry != nullptr;
         entry = entry->NextSiblingElement()) {
        const char* name = entry->Attribute("name");
        const char* value = entry->Attribute("value");
        if (name == nullptr || value == nullptr) {
            continue;
        }
        table[Utf8ToWide(name)] = Utf8ToWide(value);
    }
}

// translate runs many times in every update of the calculator, and parsing
// the file costs far more than the lookup; checking its identity is one stat.
void MergeCurrentLanguageFile(std::map<std::wstring, std::wstring>& table)
{
    static std::optional<LanguageFileIdentity> lastMerged;
    LanguageFileIdentity current = IdentifyLanguageFile(g_languageIndex);
    if (lastMerged == current) {
        return;
    }
    MergeLanguageFile(current.path, table);
    lastMerged = std::move(current);
}

const wchar_t* FillNextBuffer(const std::wstring& text)
{
    wchar_t* buffer = g_resultBuffers[g_nextBuffer];
    const size_t n = std::min(text.size(), kBufferChars - 1);
    std::wmemcpy(buffer, text.data(), n);
    buffer[n] = L'\0';
    g_nextBuffer = (g_nextBuffer + 1) % kBufferCount;
    return buffer;
}

} // namespace

const wchar_t* translate(const wchar_t* key)
{
    if (key == nullptr || key[0] == L'\0') {
        return FillNextBuffer(std::wstring());
    }
    std::map<std::wstring, std::wstring>& table = TranslationTable();
    MergeCurrentLanguageFile(table);
    const auto found = table.find(key);
    return FillNextBuffer(found != table.end() ? found->second : std::wstring(key));
}
