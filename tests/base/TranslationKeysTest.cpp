// Every text the program passes to translate() must have an entry in each of
// the four language files, or that language shows the English key instead.
// The sources are scanned for translate(L"...") literals, so a text added
// anywhere later is held to the same rule.

#include <gtest/gtest.h>

#include <QString>

#include <tinyxml2.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#ifndef KW_SOURCE_DIR
#error "KW_SOURCE_DIR must name the source tree"
#endif

namespace fs = std::filesystem;

namespace {

constexpr int kLanguageCount = 4;

struct Use {
    std::wstring key;
    std::string where;
};

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Decodes the body of a wide string literal (between the quotes) the way the
// compiler does: source bytes are UTF-8, escapes give code points.
std::wstring DecodeLiteral(const std::string& body)
{
    std::wstring out;
    std::string pending; // raw UTF-8 bytes not yet decoded
    const auto flush = [&]() {
        out += QString::fromUtf8(pending.data(), static_cast<qsizetype>(pending.size())).toStdWString();
        pending.clear();
    };
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '\\' || i + 1 >= body.size()) {
            pending.push_back(body[i]);
            continue;
        }
        flush();
        const char e = body[++i];
        switch (e) {
        case 'n': out.push_back(L'\n'); break;
        case 't': out.push_back(L'\t'); break;
        case 'r': out.push_back(L'\r'); break;
        case 'a': out.push_back(L'\a'); break;
        case 'b': out.push_back(L'\b'); break;
        case 'f': out.push_back(L'\f'); break;
        case 'v': out.push_back(L'\v'); break;
        case 'u':
        case 'U':
        case 'x': {
            const size_t maxDigits = e == 'u' ? 4 : (e == 'U' ? 8 : body.size());
            unsigned long value = 0;
            size_t n = 0;
            while (n < maxDigits && i + 1 < body.size() && HexValue(body[i + 1]) >= 0) {
                value = value * 16 + static_cast<unsigned long>(HexValue(body[++i]));
                ++n;
            }
            out.push_back(static_cast<wchar_t>(value));
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                unsigned long value = static_cast<unsigned long>(e - '0');
                for (int n = 1; n < 3 && i + 1 < body.size() && body[i + 1] >= '0' && body[i + 1] <= '7'; ++n) {
                    value = value * 8 + static_cast<unsigned long>(body[++i] - '0');
                }
                out.push_back(static_cast<wchar_t>(value));
            } else {
                out.push_back(static_cast<wchar_t>(e)); // \\ \" \' \?
            }
        }
    }
    flush();
    return out;
}

bool IsIdentifierChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

size_t SkipBlanks(const std::string& text, size_t i)
{
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) {
        ++i;
    }
    return i;
}

// Reads L"..." (and adjacent literals) at `i`; false when no wide literal is there.
bool ReadWideLiteral(const std::string& text, size_t& i, std::string& body)
{
    bool any = false;
    for (;;) {
        size_t j = SkipBlanks(text, i);
        if (j + 1 < text.size() && text[j] == 'L' && text[j + 1] == '"') {
            j += 2;
        } else if (any && j < text.size() && text[j] == '"') {
            j += 1;
        } else {
            return any;
        }
        while (j < text.size() && text[j] != '"') {
            if (text[j] == '\\' && j + 1 < text.size()) {
                body.push_back(text[j++]);
            }
            body.push_back(text[j++]);
        }
        if (j >= text.size()) {
            return false;
        }
        i = j + 1;
        any = true;
    }
}

// Literal keys of the program's own translate() calls; Qt's
// QCoreApplication::translate and member functions of that name are not it.
std::vector<std::wstring> FindTranslateKeys(const std::string& text)
{
    static const std::string call = "translate";
    std::vector<std::wstring> keys;
    for (size_t at = text.find(call); at != std::string::npos; at = text.find(call, at + call.size())) {
        if (at > 0) {
            const char before = text[at - 1];
            if (IsIdentifierChar(before) || before == '.' || before == '>') {
                continue;
            }
            if (before == ':' && at >= 2 && text[at - 2] == ':' && at >= 3 && IsIdentifierChar(text[at - 3])) {
                continue;
            }
        }
        size_t i = SkipBlanks(text, at + call.size());
        if (i >= text.size() || text[i] != '(') {
            continue;
        }
        ++i;
        std::string body;
        if (!ReadWideLiteral(text, i, body)) {
            continue;
        }
        i = SkipBlanks(text, i);
        if (i < text.size() && text[i] == ')') {
            keys.push_back(DecodeLiteral(body));
        }
    }
    return keys;
}

std::vector<Use> ScanSources(const fs::path& root)
{
    std::vector<Use> uses;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path& path = it->path();
        const std::string name = path.filename().string();
        if (it->is_directory()) {
            // Tests pass made-up keys on purpose; build trees hold no sources of ours.
            if (name.empty() || name[0] == '.' || name.rfind("build", 0) == 0 || name == "tests"
                || fs::exists(path / "CMakeCache.txt")) {
                it.disable_recursion_pending();
            }
            continue;
        }
        const std::string ext = path.extension().string();
        if (ext != ".cpp" && ext != ".h" && ext != ".hpp") {
            continue;
        }
        std::ifstream in(path, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        for (std::wstring& key : FindTranslateKeys(content.str())) {
            uses.push_back({std::move(key), fs::relative(path, root).string()});
        }
    }
    return uses;
}

struct LanguageTable {
    bool loaded = false;
    std::map<std::wstring, std::wstring> entries;
    std::vector<std::wstring> duplicates;
};

LanguageTable ReadLanguageFile(int index)
{
    LanguageTable table;
    const std::string path = std::string(KW_SOURCE_DIR) + "/resources/Lang_" + std::to_string(index) + ".xml";
    tinyxml2::XMLDocument doc;
    if (doc.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS || doc.FirstChildElement() == nullptr) {
        return table;
    }
    table.loaded = true;
    for (const tinyxml2::XMLElement* e = doc.FirstChildElement()->FirstChildElement(); e != nullptr; e = e->NextSiblingElement()) {
        const char* name = e->Attribute("name");
        const char* value = e->Attribute("value");
        if (name == nullptr || value == nullptr) {
            continue;
        }
        const std::wstring key = QString::fromUtf8(name).toStdWString();
        if (!table.entries.emplace(key, QString::fromUtf8(value).toStdWString()).second) {
            table.duplicates.push_back(key);
        }
    }
    return table;
}

std::string Printable(const std::wstring& text)
{
    return "\"" + QString::fromStdWString(text).toStdString() + "\"";
}

class TranslationKeys : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (int i = 0; i < kLanguageCount; ++i) {
            s_tables[i] = ReadLanguageFile(i);
        }
    }
    static LanguageTable s_tables[kLanguageCount];
};

LanguageTable TranslationKeys::s_tables[kLanguageCount];

} // namespace

TEST(TranslationKeyScanner, FindsAndDecodesWideLiteralsOfTranslateCalls)
{
    const std::string source = R"cpp(
        SetText(translate(L"Close"));
        a = translate( L"  ModelSelect" );
        b = translate(L"\u00B0") + translate(L"say \"hi\"\\") + translate(L"caf\xE9") + translate(L"x\101");
        c = translate(L"Base " L"real");
        d = translate(L"\xE4\xB8\xAD");
        QApplication::translate("LumivaneClass", "Lumivane");
        QCoreApplication::translate(L"Ctx", L"NotOurs");
        dlg.translate(L"Member"); p->translate(L"Pointer"); mytranslate(L"Other");
        e = ::translate(L"Global");
        f = translate(key);
    )cpp";
    const std::vector<std::wstring> expected = {L"Close", L"  ModelSelect", L"\u00B0", L"say \"hi\"\\",
        L"caf\u00E9", L"xA", L"Base real", L"\u00E4\u00B8\u00AD", L"Global"};
    EXPECT_EQ(FindTranslateKeys(source), expected);
    // Raw UTF-8 in the literal is decoded as the compiler reads the source.
    EXPECT_EQ(FindTranslateKeys("translate(L\"\xC2\xB0\")"), std::vector<std::wstring>{L"\u00B0"});
}

TEST_F(TranslationKeys, LanguageFilesLoadWithTheSameKeysOnce)
{
    for (int i = 0; i < kLanguageCount; ++i) {
        ASSERT_TRUE(s_tables[i].loaded) << "resources/Lang_" << i << ".xml";
        for (const std::wstring& key : s_tables[i].duplicates) {
            ADD_FAILURE() << "Lang_" << i << ".xml holds " << Printable(key) << " twice";
        }
    }
    for (int i = 1; i < kLanguageCount; ++i) {
        for (const auto& entry : s_tables[0].entries) {
            EXPECT_EQ(s_tables[i].entries.count(entry.first), 1u) << "Lang_" << i << ".xml lacks " << Printable(entry.first);
        }
        EXPECT_EQ(s_tables[i].entries.size(), s_tables[0].entries.size()) << "Lang_" << i << ".xml";
    }
}

TEST_F(TranslationKeys, EveryTranslatedLiteralInTheSourcesHasAnEntryInEveryLanguage)
{
    const std::vector<Use> uses = ScanSources(fs::path(KW_SOURCE_DIR));
    for (const Use& use : uses) {
        if (use.key.empty()) {
            continue; // an empty key always gives an empty text
        }
        for (int i = 0; i < kLanguageCount; ++i) {
            EXPECT_EQ(s_tables[i].entries.count(use.key), 1u)
                << use.where << ": " << Printable(use.key) << " is missing from resources/Lang_" << i << ".xml";
        }
    }
}

TEST_F(TranslationKeys, UserGuideNamesMatchTheShippedGuides)
{
    const std::wstring expected[kLanguageCount] = {
        L"User's Guide.pdf", L"\u7528\u6237\u6307\u5357.pdf", L"Guia do Usu\u00E1rio.pdf", L"Gu\u00EDa del usuario.pdf"};
    for (int i = 0; i < kLanguageCount; ++i) {
        EXPECT_EQ(s_tables[i].entries[L"User's Guide.pdf"], expected[i]) << "Lang_" << i << ".xml";
    }
}
