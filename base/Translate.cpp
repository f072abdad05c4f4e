#include "base/Translate.h"

#include "base/CommonUtils.h"
#include "base/Globals.h"

#include <QCoreApplication>
#include <QFile>

#include <tinyxml2.h>

#include <unistd.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <string>

namespace {

constexpr int kBufferCount = 5;
constexpr size_t kBufferChars = 1024;

wchar_t g_resultBuffers[kBufferCount][kBufferChars];
int g_nextBuffer = 0;

// Rebuilt from the current language file on every call. Kept beside the
// buffers rather than as a local so that its lifetime is the process's.
std::map<std::wstring, std::wstring>& TranslationTable()
{
    static std::map<std::wstring, std::wstring> g_translations;
    return g_translations;
}

// The directory of the executable as file-system bytes. kwbase cannot ask the
// UI framework, so it asks Qt when an application object exists and the
// kernel otherwise (tools and tests that run without one).
std::string ApplicationDirBytes()
{
    if (QCoreApplication::instance() != nullptr) {
        return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    }
    std::string exe(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", exe.data(), exe.size() - 1);
    if (n <= 0) {
        return std::string();
    }
    exe.resize(static_cast<size_t>(n));
    const size_t slash = exe.rfind('/');
    if (slash == std::string::npos) {
        return std::string();
    }
    return exe.substr(0, slash);
}

void LoadLanguageFile(int languageIndex, std::map<std::wstring, std::wstring>& table)
{
    table.clear();
    const std::string path = ApplicationDirBytes() + "/Lang_" + std::to_string(languageIndex) + ".xml";
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
    LoadLanguageFile(g_languageIndex, table);
    const auto found = table.find(key);
    return FillNextBuffer(found != table.end() ? found->second : std::wstring(key));
}
