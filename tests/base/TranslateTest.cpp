#include "base/Translate.h"
#include "base/Globals.h"
#include "tests/common/KWLanguageFolder.h"
#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QThread>

#include <string>
#include <vector>

namespace {

std::string Document(const std::string& entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Language>\n" + entries + "</Language>\n";
}

// Each test writes its language files into a folder of its own, which is
// the language folder while the test runs.
class TranslateTest : public ::testing::Test {
protected:
    void SetUp() override { m_savedIndex = g_languageIndex; }
    void TearDown() override { g_languageIndex = m_savedIndex; }

    // Writes the language's file; a valid time becomes its modification time.
    void Write(int language, const std::string& content, const QDateTime& modified = QDateTime())
    {
        EXPECT_TRUE(m_languages.Write(language, content, modified))
            << m_languages.FilePath(language).toStdString();
    }

    KWLanguageFolder m_languages;

private:
    int m_savedIndex = 0;
};

} // namespace

TEST_F(TranslateTest, LooksUpKeysExactlyAsWrittenInTheFile)
{
    Write(90,
        Document("  <Text name=\"Close\" value=\"\xE5\x85\xB3\xE9\x97\xAD\" />\n" // 关闭
                 "  <Text name=\"ModelSelect\" value=\"plain\" />\n"
                 "  <Text name=\"  ModelSelect\" value=\"  indented\" />\n"
                 "  <Text name=\"a  b\" value=\"two blanks\" />\n"
                 "  <Text name=\"a b\" value=\"one blank\" />\n"
                 "  <Text name=\"explainPPM &gt;\" value=\"O que &#233; PPM? &gt;\" />\n"
                 "  <Text name=\"say &quot;hi&quot; &amp; &lt;go&gt;\" value=\"escaped\" />\n"
                 "  <Text name=\"\xC2\xB0\" value=\"deg\" />\n" // °
                 "  <Text name=\"page\" value=\"\" />\n"));
    g_languageIndex = 90;

    struct Row {
        const wchar_t* key;
        std::wstring expected;
    };
    const std::vector<Row> rows = {
        {L"Close", L"\u5173\u95ED"},
        {L"ModelSelect", L"plain"},
        {L"  ModelSelect", L"  indented"},
        {L"a  b", L"two blanks"},
        {L"a b", L"one blank"},
        {L"explainPPM >", L"O que \u00E9 PPM? >"},
        {L"say \"hi\" & <go>", L"escaped"},
        {L"\u00B0", L"deg"},
        {L"page", L""},                       // an empty translation is a translation
        {L"NotInTheFile", L"NotInTheFile"},
        {L" Close", L" Close"},               // blanks are part of the key
        {L"", L""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(std::wstring(translate(row.key)), row.expected) << "key [" << testing::PrintToString(std::wstring(row.key)) << "]";
    }
    EXPECT_STREQ(translate(nullptr), L"");
}

TEST_F(TranslateTest, MissingOrMalformedFileGivesTheKeyBack)
{
    // The table outlives every test of this process, so the key is one no
    // other test gives a text.
    Write(92, "<Language><Text name=\"OnlyInBrokenFile\" value=\"Fechar\"></Language>");
    Write(93, "");
    for (const int index : {91, 92, 93}) {
        g_languageIndex = index;
        EXPECT_STREQ(translate(L"OnlyInBrokenFile"), L"OnlyInBrokenFile") << "language " << index;
    }
}

TEST_F(TranslateTest, LaterDuplicateWinsAndIncompleteEntriesAreSkipped)
{
    Write(94,
        Document(
            "  <!-- <Text name=\"Commented\" value=\"no\" /> -->\n"
            "  <Text name=\"Twice\" value=\"first\" />\n"
            "  <Text name=\"NoValue\" />\n"
            "  <Text value=\"orphan\" />\n"
            "  loose text\n"
            "  <Other name=\"AnyElement\" value=\"counts\"><Nested name=\"Nested\" value=\"no\" /></Other>\n"
            "  <Text name=\"Twice\" value=\"second\" />\n"));
    g_languageIndex = 94;
    EXPECT_STREQ(translate(L"Twice"), L"second");
    EXPECT_STREQ(translate(L"NoValue"), L"NoValue");
    EXPECT_STREQ(translate(L"orphan"), L"orphan");
    EXPECT_STREQ(translate(L"Commented"), L"Commented");
    EXPECT_STREQ(translate(L"AnyElement"), L"counts");
    EXPECT_STREQ(translate(L"Nested"), L"Nested");
}

TEST_F(TranslateTest, RootIsTheFirstElementWhateverItsNameAndNoDeclarationIsNeeded)
{
    Write(95,
        "<!-- leading comment -->\n<Whatever>"
        "<Text name=\"Spanish\" value=\"Espa\xC3\xB1ol\" /></Whatever>\n"
        "<Second><Text name=\"OnlyInSecondRoot\" value=\"ignored\" /></Second>\n");
    g_languageIndex = 95;
    EXPECT_STREQ(translate(L"Spanish"), L"Espa\u00F1ol");
    EXPECT_STREQ(translate(L"OnlyInSecondRoot"), L"OnlyInSecondRoot");
}

TEST_F(TranslateTest, LanguageFilesAreUtf8WithOrWithoutADeclaration)
{
    // Each row has its own key: the table keeps what an earlier file gave, so
    // a shared key would hide a row whose file reads wrong.
    const auto references = [](const char* key) {
        return std::string("<Language><Text name=\"") + key + "\" value=\"&#x4E2D;&#233;\"/></Language>";
    };
    const auto bytes = [](const char* key) {
        return std::string("<Language><Text name=\"") + key + "\" value=\"\xE4\xB8\xAD\xC3\xA9\"/></Language>";
    };
    const struct {
        const char* name;
        int index;
        const wchar_t* key;
        std::string content;
    } rows[] = {
        { "character references, no declaration", 80, L"k80", references("k80") },
        { "character references, UTF-8 declared", 81, L"k81",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + references("k81") },
        { "UTF-8 bytes, no declaration", 82, L"k82", bytes("k82") },
        { "UTF-8 bytes after a byte-order mark", 83, L"k83", "\xEF\xBB\xBF" + bytes("k83") },
    };
    for (const auto& row : rows) {
        Write(row.index, row.content);
        g_languageIndex = row.index;
        EXPECT_STREQ(translate(row.key), L"\u4E2D\u00E9") << row.name;
    }
}

// One language at a time: a key the new file lacks shows English, never the
// text the language before gave it.
TEST_F(TranslateTest, SwitchingLanguageShowsEnglishForKeysTheNewFileLacks)
{
    Write(96,
        Document("<Text name=\"Close\" value=\"\xE5\x85\xB3\xE9\x97\xAD\" />"
                 "<Text name=\"LimpidValue\" value=\"\xE6\xB8\x85\xE6\x99\xB0\" />")); // 清晰
    Write(97, Document("<Text name=\"Close\" value=\"Fechar\" />"));
    Write(87, "<Language><Text name=\"Close\" value=\"Cerrar\"></Language>");

    struct Row {
        int language;
        const wchar_t* key;
        const wchar_t* expected;
        const char* proves;
    };
    const std::vector<Row> rows = {
        {96, L"LimpidValue", L"\u6E05\u6670", "the first file is read"},
        {97, L"Close", L"Fechar", "a new language takes effect at the very next call"},
        {97, L"LimpidValue", L"Pixel density", "a key the new file lacks shows English"},
        {98, L"Close", L"Close", "a missing file shows English"},
        {87, L"Close", L"Close", "a malformed file shows English"},
        {96, L"Close", L"\u5173\u95ED", "going back reads the first file again"},
    };
    for (const Row& row : rows) {
        g_languageIndex = row.language;
        EXPECT_STREQ(translate(row.key), row.expected) << row.proves;
    }
}

TEST_F(TranslateTest, FileIsReadAgainWhenItsLanguageOrFileChanges)
{
    const QDateTime earlier = QDateTime::currentDateTimeUtc().addSecs(-100);
    const QDateTime later = earlier.addSecs(10);
    Write(86, Document("<Text name=\"Edited\" value=\"one\" />"), earlier);
    g_languageIndex = 86;
    EXPECT_STREQ(translate(L"Edited"), L"one");

    struct Row {
        const char* value;
        QDateTime modified;
        const wchar_t* expected;
        const char* proves;
    };
    const std::vector<Row> rows = {
        {"two", later, L"two", "a new modification time alone makes the file read again"},
        {"three", later, L"three", "a new size alone makes the file read again"},
        {"four!", later, L"four!", "a rewrite that keeps the time and size is read again"},
    };
    for (const Row& row : rows) {
        // The kernel's change times tick a few milliseconds apart.
        QThread::msleep(10);
        Write(
            86, Document(std::string("<Text name=\"Edited\" value=\"") + row.value + "\" />"), row.modified);
        EXPECT_STREQ(translate(L"Edited"), row.expected) << row.proves;
    }

    Write(85, Document("<Text name=\"Edited\" value=\"cinco\" />"), later);
    g_languageIndex = 85;
    EXPECT_STREQ(translate(L"Edited"), L"cinco") << "another language's file of the same time and size is read";
}

TEST_F(TranslateTest, ResultsRotateThroughFiveBuffers)
{
    g_languageIndex = 99;
    const wchar_t* results[6];
    const wchar_t* keys[6] = {L"k0", L"k1", L"k2", L"k3", L"k4", L"k5"};
    for (int i = 0; i < 6; ++i) {
        results[i] = translate(keys[i]);
    }
    for (int i = 0; i < 5; ++i) {
        for (int j = i + 1; j < 5; ++j) {
            EXPECT_NE(results[i], results[j]);
        }
        if (i > 0) {
            EXPECT_STREQ(results[i], keys[i]) << "result " << i << " must survive four further calls";
        }
    }
    EXPECT_EQ(results[5], results[0]);
    EXPECT_STREQ(results[0], L"k5");
}

TEST_F(TranslateTest, LongTextsAreCutTo1023Characters)
{
    Write(89, Document("<Text name=\"Long\" value=\"" + std::string(1500, 'v') + "\" />"));
    g_languageIndex = 89;
    EXPECT_EQ(std::wstring(translate(L"Long")), std::wstring(1023, L'v'));
    const std::wstring longKey(1500, L'k');
    EXPECT_EQ(std::wstring(translate(longKey.c_str())), std::wstring(1023, L'k'));
}

// The English texts are built in: they stand in for a key the current file
// lacks and for an English file that is gone, so no key reaches the screen.
// A file that cannot be read is named once however often it is asked for.
TEST_F(TranslateTest, UnreadableFilesAreNamedOnceAndEnglishStandsInForThem)
{
    Write(71, Document("<Text name=\"LimpidValue\" value=\"\xE6\xB8\x85\xE6\x99\xB0\" />")); // 清晰
    Write(73, "just some text");
    Write(74, "<!-- no root element -->");
    Write(75, Document("<Text name=\"Close\" value=\"Fechar\" />"));
    struct Row {
        const char* name;
        int language;
        bool readable;
        const wchar_t* limpidValue;
    };
    const Row rows[] = {
        { "a readable file", 71, true, L"\u6E05\u6670" },
        { "English without its file, after another language", 0, true, L"Pixel density" },
        { "missing", 72, false, L"Pixel density" },
        { "not XML", 73, false, L"Pixel density" },
        { "no root element", 74, false, L"Pixel density" },
        { "a readable file without the key", 75, true, L"Pixel density" },
    };
    g_languageIndex = 71;
    EXPECT_STREQ(translate(L"PixelAmount"), L"Pixel count") << "a key no file has given";
    KWWarningCatcher catcher;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        catcher.Clear();
        EXPECT_EQ(IsLanguageReadable(row.language), row.readable);
        EXPECT_EQ(IsLanguageReadable(row.language), row.readable);
        g_languageIndex = row.language;
        EXPECT_STREQ(translate(L"LimpidValue"), row.limpidValue);
        EXPECT_STREQ(translate(L"NotInAnyFile"), L"NotInAnyFile");
        const bool fileMissing = !row.readable || row.language == 0;
        ASSERT_EQ(catcher.Warnings().size(), fileMissing ? 1 : 0)
            << catcher.Warnings().join("; ").toStdString();
        if (fileMissing) {
            EXPECT_TRUE(catcher.Warnings().front().contains(m_languages.FilePath(row.language)))
                << catcher.Warnings().front().toStdString();
        }
    }
}
