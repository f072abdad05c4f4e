#include "base/Translate.h"

#include "base/CommonUtils.h"
#include "base/Globals.h"
#include "base/KWFileStamp.h"
#include "base/KWRegularFile.h"
#include "base/KWSystem.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>

#include <tinyxml2.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace {

constexpr int kBufferCount = 5;
constexpr size_t kBufferChars = 1024;
constexpr int kEnglish = 0;

using TranslationMap = std::map<std::wstring, std::wstring>;

wchar_t g_resultBuffers[kBufferCount][kBufferChars];
int g_nextBuffer = 0;

// The texts of the current language's file, as read last. Kept beside the
// buffers rather than as a local so that its lifetime is the process's.
TranslationMap& TranslationTable()
{
    static TranslationMap g_translations;
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

// Empty: the application directory.
std::string& LanguageFileDir()
{
    static std::string dir;
    return dir;
}

// Everything that can change what reading a language file gives. Reading the
// same unchanged file again gives the same table, so a file whose identity
// matches the one read last need not be parsed again.
struct LanguageFileIdentity {
    int languageIndex = 0;
    std::string path;
    KWFileStamp stamp;

    bool IsSameFile(const LanguageFileIdentity& other) const
    {
        return languageIndex == other.languageIndex && path == other.path;
    }
    bool operator==(const LanguageFileIdentity& other) const
    {
        return IsSameFile(other) && stamp == other.stamp;
    }
};

LanguageFileIdentity IdentifyLanguageFile(int languageIndex)
{
    LanguageFileIdentity identity;
    identity.languageIndex = languageIndex;
    identity.path = LanguageFilePath(languageIndex);
    identity.stamp = GetFileStamp(identity.path);
    return identity;
}

// The root element of a language file, or null with the reason why the file
// cannot serve. TinyXML-2 reads the text as UTF-8 whether or not it declares
// so, and stays inside its buffer on malformed input.
const tinyxml2::XMLElement* LanguageRoot(
    tinyxml2::XMLDocument& doc, const std::string& path, std::string* reason)
{
    std::string openFailure;
    switch (KWLoadXmlFile(doc, path, &openFailure)) {
    case tinyxml2::XML_SUCCESS:
        break;
    case tinyxml2::XML_ERROR_FILE_NOT_FOUND:
        *reason = "no such file";
        return nullptr;
    case tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED:
    case tinyxml2::XML_ERROR_FILE_READ_ERROR:
        *reason = "the file cannot be opened" + (openFailure.empty() ? std::string() : ": " + openFailure);
        return nullptr;
    default:
        *reason = std::string("not well-formed XML (") + doc.ErrorName() + " at line "
            + std::to_string(doc.ErrorLineNum()) + ")";
        return nullptr;
    }
    const tinyxml2::XMLElement* root = doc.FirstChildElement();
    if (root == nullptr) {
        *reason = "no root element";
    }
    return root;
}

// Once per file for the whole run: the file is looked at again whenever it
// changes or its language is chosen again.
void WarnOfUnreadableLanguageFile(const std::string& path, const std::string& reason)
{
    static std::set<std::string> warned;
    if (!warned.insert(path).second) {
        return;
    }
    qWarning().noquote() << "Language file" << QFile::decodeName(path.c_str())
                         << "cannot be read:" << QString::fromStdString(reason);
}

void MergeEntries(const tinyxml2::XMLElement& root, TranslationMap& table)
{
    for (const tinyxml2::XMLElement* entry = root.FirstChildElement(); entry != nullptr;
         entry = entry->NextSiblingElement()) {
        const char* name = entry->Attribute("name");
        const char* value = entry->Attribute("value");
        if (name == nullptr || value == nullptr) {
            continue;
        }
        table[Utf8ToWide(name)] = Utf8ToWide(value);
    }
}

// The English language file built into the program: the text of any key
// that the language files beside it do not give, so that a missing or broken
// file never shows the program's keys.
const TranslationMap& BuiltInEnglish()
{
    static const TranslationMap english = [] {
        TranslationMap table;
        QFile file(QStringLiteral(":/kwbase/Lang_0.xml"));
        const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        tinyxml2::XMLDocument doc;
        if (doc.Parse(text.constData(), static_cast<size_t>(text.size())) == tinyxml2::XML_SUCCESS
            && doc.FirstChildElement() != nullptr) {
            MergeEntries(*doc.FirstChildElement(), table);
        }
        return table;
    }();
    return english;
}

// The table then holds the file's texts alone: a key it lacks takes the
// built-in English text, never one an earlier language gave. A file that
// cannot be read is named once and leaves no language's texts but English,
// unless it is the file the table was read from, changed on disk into one
// that cannot be read: its texts as read last are still that language's.
void ReadLanguageFile(const std::string& path, bool keepOnFailure, TranslationMap& table)
{
    tinyxml2::XMLDocument doc;
    std::string reason;
    if (const tinyxml2::XMLElement* root = LanguageRoot(doc, path, &reason)) {
        table.clear();
        MergeEntries(*root, table);
        return;
    }
    WarnOfUnreadableLanguageFile(path, reason);
    if (!keepOnFailure) {
        table.clear();
    }
}

// translate runs many times in every update of the calculator, and parsing
// the file costs far more than the lookup; checking its identity is one stat.
void ReadCurrentLanguageFile(TranslationMap& table)
{
    static std::optional<LanguageFileIdentity> lastRead;
    LanguageFileIdentity current = IdentifyLanguageFile(g_languageIndex);
    if (lastRead == current) {
        return;
    }
    ReadLanguageFile(current.path, lastRead && lastRead->IsSameFile(current), table);
    lastRead = std::move(current);
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
    TranslationMap& table = TranslationTable();
    ReadCurrentLanguageFile(table);
    if (const auto found = table.find(key); found != table.end()) {
        return FillNextBuffer(found->second);
    }
    const TranslationMap& english = BuiltInEnglish();
    const auto fallback = english.find(key);
    return FillNextBuffer(fallback != english.end() ? fallback->second : std::wstring(key));
}

bool IsLanguageReadable(int languageIndex)
{
    if (languageIndex == kEnglish) {
        return true;
    }
    const std::string path = LanguageFilePath(languageIndex);
    tinyxml2::XMLDocument doc;
    std::string reason;
    if (LanguageRoot(doc, path, &reason) != nullptr) {
        return true;
    }
    WarnOfUnreadableLanguageFile(path, reason);
    return false;
}

std::string LanguageFilePath(int languageIndex)
{
    const std::string& dir = LanguageFileDir();
    return (dir.empty() ? ApplicationDirBytes() : dir) + "/Lang_" + std::to_string(languageIndex) + ".xml";
}

void SetLanguageFileDir(const std::string& dir)
{
    LanguageFileDir() = dir;
}
