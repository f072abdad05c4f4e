// The language files and the settings file lie beside the program, where
// anyone can edit them, so the readers must stay inside their buffers on any
// bytes. Two kinds of input are run through the program's own readers
// (translate and the start-up configuration load):
// - inputs that make TinyXML 2.6.2 read past the end of its buffer: a UTF-8
//   lead byte as the very last byte of the text, cut
//   off from the bytes it announces, inside element text or an attribute
//   value, after an XML declaration or a byte-order mark;
// - a bounded run of random mutations of the shipped Lang_0.xml and
//   config.xml. The sanitizer build runs the full count, and there a single
//   stray read fails the test.
// A file that does not parse leaves the translations as they were and gives
// every setting its default.

#include "app/ConfigManager.h"
#include "app/StartupConfig.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/common/KWLanguageFolder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <tinyxml2.h>

#include <random>
#include <string>

namespace {

// Each file's mutations are cut into shards that run as tests of their own,
// so that each stays short and they can run side by side.
constexpr int kShards = 8;
#if defined(__SANITIZE_ADDRESS__)
constexpr int kMutationsPerShard = 2500;
#else
// Without the sanitizers a stray read rarely shows; a shorter run still checks
// the outcome of every file.
constexpr int kMutationsPerShard = 250;
#endif

// Language numbers no shipped file and no other test uses; one per shard.
constexpr int kReproducerLanguage = 60;
constexpr int kFirstFuzzLanguage = 61;

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

struct Reproducer {
    const char* what;
    std::string bytes;
};

const Reproducer kReproducers[] = {
    { "element text", "<?xml><L>\xE6" },
    { "element text, two-byte lead", "<?xml><t>\xC3" },
    { "attribute value", "<?xml><t e=\"\xC2" },
    { "second attribute value", "<?xml><T e=\"\"e=\"\xC3" },
    { "attribute value, other lead byte", "<?xml><x e=\"\xE4" },
    { "language file cut inside a character",
        std::string(kDeclaration) + "<Language>\n    <Text name=\"Close\" value=\"\xE5\x85" },
    { "language file with a stray lead byte after the last entry",
        std::string(kDeclaration) + "<Language>\n    <Text name=\"Close\" value=\"x\" />\n\xE5" },
    { "settings file with a declaration",
        "<?xml version=\"1.0\"?>\n<Setting>\n    <UIConfig>\n        <Language value=\"\xE4" },
    { "settings file with a byte-order mark", "\xEF\xBB\xBF<Setting><UIConfig><Language value=\"\xE6" },
};

bool WriteBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

std::string ReadShipped(const QString& name)
{
    QFile file(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

bool Parses(const std::string& bytes)
{
    tinyxml2::XMLDocument doc;
    return doc.Parse(bytes.data(), bytes.size()) == tinyxml2::XML_SUCCESS;
}

// One to four edits of the kinds that break XML: any byte, a byte that means
// something to the parser or starts a multi-byte character, a cut, a hole, a
// repeated piece.
std::string Mutate(std::string text, std::mt19937& random)
{
    static const char kTelling[] = "<>/=\"'&;#!?-[] \n\xC2\xC3\xE4\xE5\xE6\xEF\xBB\xBF\xF0\xFF";
    const auto below = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    const int edits = 1 + static_cast<int>(below(4));
    for (int i = 0; i < edits && !text.empty(); ++i) {
        const size_t at = below(text.size());
        switch (below(6)) {
        case 0:
            text[at] = static_cast<char>(below(256));
            break;
        case 1:
            text[at] = kTelling[below(sizeof(kTelling) - 1)];
            break;
        case 2:
            text.insert(at, 1, kTelling[below(sizeof(kTelling) - 1)]);
            break;
        case 3:
            text.erase(at, 1 + below(8));
            break;
        case 4:
            text.resize(at);
            break;
        default:
            text.insert(below(text.size()), text.substr(at, 1 + below(16)));
            break;
        }
    }
    return text;
}

// Printable for a failure message.
std::string Escaped(const std::string& bytes)
{
    std::string out;
    for (const unsigned char c : bytes.substr(0, 160)) {
        out += (c >= 0x20 && c < 0x7F) ? std::string(1, static_cast<char>(c))
                                       : QString::asprintf("\\x%02X", c).toStdString();
    }
    return out;
}

class MalformedXmlFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(m_settingsHome.filePath(QStringLiteral("Config")))); }
    void TearDown() override { g_languageIndex = m_savedLanguage; }

    // The language start-up reads from <dir>/Config/config.xml holding
    // bytes (whether that language's file can be read aside).
    int LanguageLoadedFrom(const std::string& bytes)
    {
        EXPECT_TRUE(WriteBytes(m_settingsHome.filePath(QStringLiteral("Config/config.xml")), bytes));
        CConfigManager store;
        store.SetLanguage(2); // a default load must not leave this behind
        LoadConfiguration(store, m_settingsHome.path().toStdWString());
        return static_cast<int>(store.GetLanguage());
    }

    // translate's answer for key when the language's file holds bytes. Each
    // write gets a modification time of its own: translate reads a file
    // again only when its stamp changes, and two writes within one tick of
    // the file system's clock could look alike.
    std::wstring TextIn(int language, const std::string& bytes, const wchar_t* key)
    {
        EXPECT_TRUE(
            m_languages.Write(language, bytes, QDateTime::fromSecsSinceEpoch(1600000000 + ++m_writes)));
        g_languageIndex = language;
        return translate(key);
    }

    QTemporaryDir m_settingsHome;

private:
    KWLanguageFolder m_languages;
    qint64 m_writes = 0;
    int m_savedLanguage = g_languageIndex;
};

} // namespace

TEST_F(MalformedXmlFilesTest, InputsKnownToOverrunAParserAreRefusedByBothReaders)
{
    for (const Reproducer& input : kReproducers) {
        SCOPED_TRACE(input.what);
        ASSERT_FALSE(Parses(input.bytes));
        EXPECT_EQ(TextIn(kReproducerLanguage, input.bytes, L"Close"), L"Close");
        EXPECT_EQ(LanguageLoadedFrom(input.bytes), 0);
    }
    // The same files whole are read as usual.
    EXPECT_EQ(TextIn(kReproducerLanguage,
                  std::string(kDeclaration)
                      + "<Language>\n    <Text name=\"Close\" value=\"\xE5\x85\xB3\" />\n</Language>\n",
                  L"Close"),
        L"\u5173");
    EXPECT_EQ(
        LanguageLoadedFrom("\xEF\xBB\xBF<Setting><UIConfig><Language value=\"3\" /></UIConfig></Setting>"),
        3);
}

class MutatedXmlFilesTest : public MalformedXmlFilesTest, public ::testing::WithParamInterface<int> { };

TEST_P(MutatedXmlFilesTest, LanguageFilesThatDoNotParseLeaveTheTextsAsTheyWere)
{
    // The shard's language is one no other test reads, so its first refused
    // file leaves the table without texts, whatever earlier tests of this
    // process read: the first text checked is the built-in English.
    const std::string shipped = ReadShipped(QStringLiteral("Lang_0.xml"));
    ASSERT_FALSE(shipped.empty());
    const int language = kFirstFuzzLanguage + GetParam();
    std::mt19937 random(20250 + GetParam());
    int refused = 0;
    // A key whose English text is not the key, so that the built-in English
    // and the key given back cannot pass for each other. A file that parsed
    // may leave a text of its own behind; a refused one keeps whatever was
    // there.
    std::wstring before = L"Lumivane Calculator";
    for (int i = 0; i < kMutationsPerShard; ++i) {
        const std::string bytes = Mutate(shipped, random);
        const std::wstring name = TextIn(language, bytes, L"ProductName");
        if (!Parses(bytes)) {
            ++refused;
            ASSERT_EQ(name, before) << "mutation " << i << ": " << Escaped(bytes);
        }
        before = name;
    }
    // Most mutations break the file; a run where none did tested nothing.
    EXPECT_GT(refused, kMutationsPerShard / 4);
}

TEST_P(MutatedXmlFilesTest, SettingsFilesLoadTheDefaultLanguageWhenTheyDoNotParse)
{
    const std::string shipped = ReadShipped(QStringLiteral("Config/config.xml"));
    ASSERT_FALSE(shipped.empty());
    // The shipped file has no declaration, so a UTF-8 reading is tried too.
    const std::string seeds[] = { shipped, "\xEF\xBB\xBF" + std::string(kDeclaration) + shipped };
    std::mt19937 random(20260 + GetParam());
    int refused = 0;
    for (int i = 0; i < kMutationsPerShard; ++i) {
        const std::string bytes = Mutate(seeds[i % 2], random);
        const int language = LanguageLoadedFrom(bytes);
        if (!Parses(bytes)) {
            ++refused;
            ASSERT_EQ(language, 0) << "mutation " << i << ": " << Escaped(bytes);
        }
    }
    EXPECT_GT(refused, kMutationsPerShard / 4);
}

INSTANTIATE_TEST_SUITE_P(Shards, MutatedXmlFilesTest, ::testing::Range(0, kShards));
