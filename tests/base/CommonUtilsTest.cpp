#include "base/CommonUtils.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

std::wstring Wide(const QString& text)
{
    return text.toStdWString();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// XmlUnescape as it is defined: each round replaces the first occurrence of
// each pattern once, and rounds repeat until one finds nothing.
std::string UnescapeRoundByRound(std::string text)
{
    const char* const rules[5][2]
        = {{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}, {"&quot;", "\""}, {"\\r\\n", " "}};
    for (bool replaced = true; replaced;) {
        replaced = false;
        for (const auto& rule : rules) {
            const size_t at = text.find(rule[0]);
            if (at != std::string::npos) {
                text.replace(at, std::char_traits<char>::length(rule[0]), rule[1]);
                replaced = true;
            }
        }
    }
    return text;
}

std::wstring Widened(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

} // namespace

TEST(CommonUtils, ReplaceAllScansLeftToRightWithoutRescanning)
{
    struct Row {
        const char* name;
        std::string text, pattern, replacement, expected;
    };
    const std::vector<Row> rows = {
        {"replacement containing the pattern", "aaa", "a", "aa", "aaaaaa"},
        {"empty pattern changes nothing", "abc", "", "x", "abc"},
        {"no occurrence", "abc", "z", "x", "abc"},
        {"overlapping matches taken left to right", "aaaa", "aa", "b", "bb"},
        {"odd overlap leaves the tail", "aaa", "aa", "b", "ba"},
        {"empty replacement removes", "a-b-c", "-", "", "abc"},
        {"longer pattern at both ends", "<br>x<br>", "<br>", "\n", "\nx\n"},
        {"empty text", "", "a", "b", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReplaceAll(row.text, row.pattern, row.replacement), row.expected) << row.name;
        const std::wstring wide = ReplaceAll(Wide(QString::fromStdString(row.text)), Wide(QString::fromStdString(row.pattern)),
            Wide(QString::fromStdString(row.replacement)));
        EXPECT_EQ(wide, Wide(QString::fromStdString(row.expected))) << row.name << " (wide)";
    }
    EXPECT_EQ(ReplaceAll(std::wstring(L"\u4E2D-\u6587"), std::wstring(L"-"), std::wstring(L"\u00B7")), L"\u4E2D\u00B7\u6587");
}

TEST(CommonUtils, XmlUnescapeRepeatsRoundsUntilNothingMatches)
{
    struct Row {
        const char* name;
        std::string text, expected;
    };
    const std::vector<Row> rows = {
        {"double escaped quote", "a&amp;quot;b", "a\"b"},
        {"double escaped less-than", "&amp;lt;", "<"},
        {"all four entities", "&lt;x&gt; &amp; &quot;y&quot;", "<x> & \"y\""},
        {"several of one entity", "&lt;&lt;&lt;", "<<<"},
        {"literal backslash-r-backslash-n", "one\\r\\ntwo\\r\\nthree", "one two three"},
        {"real CR LF untouched", "a\r\nb", "a\r\nb"},
        {"unknown entity kept", "&apos;&nbsp;", "&apos;&nbsp;"},
        {"plain text", "plain", "plain"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(XmlUnescape(row.text), row.expected) << row.name;
        EXPECT_EQ(XmlUnescape(Wide(QString::fromStdString(row.text))), Wide(QString::fromStdString(row.expected))) << row.name << " (wide)";
    }
}

TEST(CommonUtils, XmlUnescapeGivesWhatTheRoundsGiveOnRandomTexts)
{
    // Pieces of every pattern, so that random joins make whole, nested and
    // broken entities.
    const char* const pieces[] = {"&", "amp;", "lt;", "gt;", "quot;", "&amp", "&l", "t;", "\\", "r", "n",
        "\\r", "\\n", ";", "a", "<", "\"", " "};
    std::mt19937 random(20240601u);
    std::uniform_int_distribution<size_t> pieceOf(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> lengthOf(0, 40);
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        for (int i = lengthOf(random); i > 0; --i) {
            text += pieces[pieceOf(random)];
        }
        const std::string expected = UnescapeRoundByRound(text);
        ASSERT_EQ(XmlUnescape(text), expected) << text;
        ASSERT_EQ(XmlUnescape(Widened(text)), Widened(expected)) << text;
    }
}

TEST(CommonUtils, XmlUnescapeTimeGrowsLinearlyWithTheText)
{
    std::string text;
    for (int i = 0; i < 128 * 1024 / 4; ++i) {
        text += "&lt;";
    }
    const std::wstring wide = Widened(text);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const std::string narrowResult = XmlUnescape(text);
    const Clock::time_point narrowDone = Clock::now();
    const std::wstring wideResult = XmlUnescape(wide);
    const std::chrono::duration<double, std::milli> narrowMs = narrowDone - start;
    const std::chrono::duration<double, std::milli> wideMs = Clock::now() - narrowDone;
    std::cout << "XmlUnescape of 128 KiB of &lt;: " << narrowMs.count() << " ms, wide " << wideMs.count()
              << " ms\n";

    EXPECT_EQ(narrowResult, std::string(text.size() / 4, '<'));
    EXPECT_EQ(wideResult, std::wstring(text.size() / 4, L'<'));
    // Searching from the start again for every entity takes tens of seconds here.
    EXPECT_LT(narrowMs.count(), 1000.0);
    EXPECT_LT(wideMs.count(), 1000.0);
}

TEST(CommonUtils, PathPartsUseTheLastSlashAndTheLastDot)
{
    struct Row {
        std::wstring path, fileName, baseName, extension;
    };
    const std::vector<Row> rows = {
        {L"dir/file.tar.gz", L"file.tar.gz", L"file.tar", L"gz"},
        {L"noext", L"noext", L"noext", L"noext"},
        {L"a.b/c", L"c", L"c", L"b/c"},
        {L"/abs/dir/", L"", L"", L"/abs/dir/"},
        {L"file.", L"file.", L"file", L""},
        {L"Skin/4K/logo.png", L"logo.png", L"logo", L"png"},
        {L"\u7528\u6237\u6307\u5357.pdf", L"\u7528\u6237\u6307\u5357.pdf", L"\u7528\u6237\u6307\u5357", L"pdf"},
        {L"", L"", L"", L""},
    };
    for (const Row& row : rows) {
        const std::string name = QString::fromStdWString(row.path).toStdString();
        EXPECT_EQ(GetFileNameOfPath(row.path), row.fileName) << name;
        EXPECT_EQ(GetBaseNameOfPath(row.path), row.baseName) << name;
        EXPECT_EQ(GetExtensionOfPath(row.path), row.extension) << name;
    }
}

TEST(CommonUtils, MakeDirectoryPathCreatesOnlyLevelsFollowedByASlash)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString root = tmp.path();

    EXPECT_EQ(MakeDirectoryPath(Wide(root + "/a/b/c").c_str()), 0);
    EXPECT_TRUE(QFileInfo(root + "/a/b").isDir());
    EXPECT_FALSE(QFileInfo::exists(root + "/a/b/c"));

    EXPECT_EQ(MakeDirectoryPath(Wide(root + "/a/b").c_str()), 0) << "an existing path";
    EXPECT_EQ(MakeDirectoryPath(Wide(root + "/a/b/c").c_str()), -1) << "nothing was created";
    EXPECT_EQ(MakeDirectoryPath(Wide(root + "/a/b/c/").c_str()), 0);
    EXPECT_TRUE(QFileInfo(root + "/a/b/c").isDir());

    EXPECT_EQ(MakeDirectoryPath(Wide(root + "/\u00E1rvore/\u6587\u4EF6/").c_str()), 0);
    EXPECT_TRUE(QFileInfo(root + "/\u00E1rvore/\u6587\u4EF6").isDir());

    QFile blocker(root + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(MakeDirectoryPath(Wide(root + "/file/x/y/").c_str()), -1) << "a file stands in the way";
    EXPECT_FALSE(QFileInfo::exists(root + "/file/x"));

    EXPECT_EQ(MakeDirectoryPath(nullptr), -1);
}

TEST(CommonUtils, FileExistsWantsAReadableFileWhileFileExistsWAcceptsDirectories)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString file = tmp.path() + "/\u7528\u6237\u6307\u5357.pdf";
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("x");
    out.close();

    EXPECT_EQ(FileExists(Wide(file)), 1);
    EXPECT_TRUE(FileExistsW(Wide(file)));
    EXPECT_EQ(FileExists(Wide(tmp.path())), 0);
    EXPECT_TRUE(FileExistsW(Wide(tmp.path())));
    EXPECT_EQ(FileExists(Wide(tmp.path() + "/missing")), 0);
    EXPECT_FALSE(FileExistsW(Wide(tmp.path() + "/missing")));
}

TEST(CommonUtils, WriteTextFileReportsWhetherTheTextWasWritten)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString path = tmp.path() + "/out.txt";
    const std::string path8 = QFile::encodeName(path).toStdString();

    EXPECT_EQ(WriteTextFile(L"first, longer text", path8), 1);
    EXPECT_EQ(WriteTextFile(L"Espa\u00F1ol \u4E2D", path8), 1);
    EXPECT_EQ(ReadAll(path), QByteArray("Espa\xC3\xB1ol \xE4\xB8\xAD")) << "truncated and written in the local code page";

    EXPECT_EQ(WriteTextFile(L"", path8), 1);
    EXPECT_EQ(ReadAll(path), QByteArray());

    EXPECT_EQ(WriteTextFile(L"x", QFile::encodeName(tmp.path() + "/missing/out.txt").toStdString()), 0);
    EXPECT_EQ(WriteTextFile(L"x", QFile::encodeName(tmp.path()).toStdString()), 0) << "a directory";
    if (QFileInfo::exists("/dev/full")) {
        EXPECT_EQ(WriteTextFile(std::wstring(100000, L'x'), "/dev/full"), 0) << "a full disk";
    }

    const QString widePath = tmp.path() + "/\u00E1\u6587.txt";
    EXPECT_EQ(WriteUtf8TextFile(L"ok", Wide(widePath)), 1);
    EXPECT_EQ(ReadAll(widePath), QByteArray("ok"));
}

TEST(CommonUtils, TimeStampIsTheCurrentTimeInSeconds)
{
    const long long before = static_cast<long long>(std::time(nullptr));
    const std::wstring stamp = GetTimeStampText();
    const long long after = static_cast<long long>(std::time(nullptr));
    ASSERT_FALSE(stamp.empty());
    const long long value = std::wcstoll(stamp.c_str(), nullptr, 10);
    EXPECT_GE(value, before);
    EXPECT_LE(value, after);
}

TEST(CommonUtils, Utf8ConversionsRoundTripAndTolerateNull)
{
    const std::string utf8 = "Gr\xC3\xB6\xC3\x9F" "e \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80";
    const std::wstring wide = L"Gr\u00F6\u00DFe \u4E2D\u6587 \U0001F600";
    EXPECT_EQ(Utf8ToWide(utf8.c_str()), wide);
    EXPECT_EQ(Utf8StringToWide(utf8), wide);
    EXPECT_EQ(WideToUtf8(wide.c_str()), utf8);
    EXPECT_EQ(WideStringToUtf8(wide), utf8);
    EXPECT_EQ(Utf8ToWide(nullptr), L"");
    EXPECT_EQ(WideToUtf8(nullptr), "");
    EXPECT_EQ(Utf8StringToWide(""), L"");
}
