#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include <cstring>
#include <ostream>

static std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

static bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace {

TEST(QtSupport, SkinRectanglesParseWhatTheyCanAndZeroTheRest)
{
    struct Row {
        const char* text;
        RECT exclusive;
        RECT inclusive;
    };
    const Row rows[] = {
        { "0,0,10,35", { 0, 0, 10, 35 }, { 0, 0, 9, 34 } },
        { "", { 0, 0, 0, 0 }, { 0, 0, -1, -1 } },
        { "5,6", { 5, 6, 5, 6 }, { 5, 6, 4, 5 } },
        { "108,0,100,18", { 108, 0, 208, 18 }, { 108, 0, 207, 17 } },
        { " 1, 2, +3,-4", { 1, 2, 4, -2 }, { 1, 2, 3, -3 } },
        { "1,2,x,4", { 1, 2, 1, 2 }, { 1, 2, 0, 1 } }, // reading stops at the first non-number
        { "1 ,2,3,4", { 1, 0, 1, 0 }, { 1, 0, 0, -1 } }, // a comma must follow the number directly
        { "abc", { 0, 0, 0, 0 }, { 0, 0, -1, -1 } },
        { "1,2,3,4,5", { 1, 2, 4, 6 }, { 1, 2, 3, 5 } },
        { "99999999999,0,1,1", { 2147483647, 0, 2147483647, 1 }, { 2147483647, 0, 2147483647, 0 } },
    };
    for (const Row& row : rows) {
        const std::string narrow = row.text;
        const std::wstring wide(narrow.begin(), narrow.end());
        EXPECT_EQ(StringToRect(narrow), row.exclusive) << row.text;
        EXPECT_EQ(WStringToRect(wide), row.exclusive) << row.text;
        EXPECT_EQ(StringToRectInclusive(narrow), row.inclusive) << row.text;
        EXPECT_EQ(WStringToRectInclusive(wide), row.inclusive) << row.text;
    }
    EXPECT_EQ(WStringToRect(L"1,\u0662,3,4"), (RECT { 1, 0, 1, 0 })) << "only ASCII digits count";
}

TEST(QtSupport, ColoursFromHexTextAndColourReferences)
{
    struct Row {
        const wchar_t* text;
        QColor expected;
    };
    const Row rows[] = {
        { L"FF8000", QColor(255, 128, 0, 255) },
        { L"ff8000", QColor(255, 128, 0, 255) },
        { L"FFF", QColor(0, 0, 0, 255) },
        { L"", QColor(0, 0, 0, 255) },
        { L"FF80001", QColor(0, 0, 0, 255) },
        { L"GG8000", QColor(0, 128, 0, 255) }, // a pair that is not hexadecimal is 0
        { L"1G8000", QColor(1, 128, 0, 255) }, // read up to the first other character
        { L"-1-1-1", QColor(0, 0, 0, 255) }, // a sign would wrap past any colour
        { L" F0A0B", QColor(15, 10, 11, 255) },
        { L"FF 8 F", QColor(255, 8, 15, 255) }, // blanks before a pair's digits are skipped, as "%x" does
        { L"\t1 2 3", QColor(1, 2, 3, 255) },
        { L"FF8 0 ", QColor(255, 8, 0, 255) }, // and a blank after them ends the digits
        { L"  8000", QColor(0, 128, 0, 255) },
    };
    for (const Row& row : rows) {
        const QColor colour = ColorFromHexString(row.text);
        EXPECT_TRUE(colour.isValid());
        EXPECT_EQ(colour, row.expected) << QString::fromWCharArray(row.text).toStdString();
    }
    EXPECT_EQ(ColorFromColorRef(0x00336699u), QColor(0x99, 0x66, 0x33, 255));
    EXPECT_EQ(ColorFromColorRef(0xFF000000u), QColor(0, 0, 0, 255)) << "the top byte is not alpha";
}

TEST(QtSupport, IntegerPairsNeedExactlyTwoParts)
{
    struct Row {
        const wchar_t* text;
        std::pair<int, int> expected;
    };
    const Row rows[] = {
        { L" 1040,740 ", { 1040, 740 } },
        { L"1,2,3", { 0, 0 } },
        { L"", { 0, 0 } },
        { L"12", { 0, 0 } },
        { L"a,5", { 0, 5 } },
        { L",5", { 0, 5 } },
        { L"7,", { 7, 0 } },
        { L"-3,+4", { -3, 4 } },
        { L"1.5,2", { 0, 2 } },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WStringToIntPair(row.text), row.expected)
            << QString::fromWCharArray(row.text).toStdString();
        EXPECT_EQ(QStringToIntPair(QString::fromWCharArray(row.text)), row.expected);
    }
}

TEST(QtSupport, Local8BitCopyIsBoundedCutAtACharacterAndTerminated)
{
    struct Row {
        size_t capacity;
        const char* expected;
    };
    // "Größe": the o-umlaut occupies bytes 2-3, the sharp s bytes 4-5.
    const char* text = u8"Gr\u00f6\u00dfe";
    const Row rows[] = { { 15, u8"Gr\u00f6\u00dfe" }, { 8, u8"Gr\u00f6\u00dfe" }, { 7, u8"Gr\u00f6\u00df" },
        { 6, u8"Gr\u00f6" }, { 4, "Gr" }, { 3, "Gr" }, { 1, "" } };
    for (const Row& row : rows) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        KWUtf8ToLocal8Bit(text, buffer, row.capacity);
        EXPECT_STREQ(buffer, row.expected) << "capacity " << row.capacity;
        EXPECT_EQ(buffer[row.capacity], '#') << "wrote past capacity " << row.capacity;
    }
    char untouched[2] = { '#', '#' };
    Utf8ToLocal8Bit(text, untouched, 0);
    EXPECT_EQ(untouched[0], '#');
    Utf8ToLocal8Bit(nullptr, untouched, 2);
    EXPECT_STREQ(untouched, "");

    char big[400];
    const std::string longText(1000, 'x');
    KWUtf8ToLocal8Bit(longText.c_str(), big);
    EXPECT_EQ(std::strlen(big), 255u) << "the default capacity is that of its caller's 256-byte buffer";
}

TEST(QtSupport, SkinImagesAreLoadedFromTheSkinDirectory)
{
    SetKWSkinPath(L"/opt/calc/Skin/4K/");
    EXPECT_EQ(GetSkinPath(), QStringLiteral("/opt/calc/Skin/4K/"));
    EXPECT_EQ(KWSkinImagePath(L"close-normal.png"), QStringLiteral("/opt/calc/Skin/4K/close-normal.png"));
    EXPECT_EQ(KWSkinImagePath(std::wstring(L"\u4e2d.PNG")), QStringLiteral("/opt/calc/Skin/4K/\u4e2d.PNG"));
    EXPECT_EQ(KWSkinImagePath(QStringLiteral("a.png")), QStringLiteral("/opt/calc/Skin/4K/a.png"));
    SetKWSkinPath(nullptr);
    EXPECT_EQ(KWSkinImagePath(L"a.png"), QStringLiteral("a.png"));
}

TEST(QtSupport, ApplicationDirectoryHasNoTrailingSeparator)
{
    ASSERT_NE(GetQtApplication(), nullptr) << "the test main hands its application to the framework";
    const std::wstring dir = GetKWAppDirPath();
    EXPECT_EQ(QString::fromStdWString(dir), QCoreApplication::applicationDirPath());
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), L'/');
}

TEST(QtSupport, ScreenRectanglesUseQtsInclusiveCorners)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const RECT whole = GetScreenRect();
    EXPECT_EQ(whole.right, screen->geometry().right());
    EXPECT_EQ(whole.bottom, screen->geometry().bottom());
    const RECT work = GetWorkAreaRect();
    EXPECT_EQ(work.right - work.left + 1, screen->availableGeometry().width());
}

class StyleSheetTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        SetQtApplication(qobject_cast<QApplication*>(QCoreApplication::instance()));
        qApp->setStyleSheet(QString());
    }

    std::wstring WriteSheet(const QByteArray& text)
    {
        const QString path = m_dir.filePath(QStringLiteral("Lumivane_Style.css"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path.toStdWString();
    }

    QTemporaryDir m_dir;
};

TEST_F(StyleSheetTest, PresentSheetBecomesTheApplicationsStyleSheet)
{
    const std::wstring path = WriteSheet("QPushButton { color: #123456; } /* \xc3\xa9 */\n");
    LoadKWStyleSheet(path.c_str());
    EXPECT_EQ(qApp->styleSheet(), QString::fromUtf8("QPushButton { color: #123456; } /* \xc3\xa9 */\n"));
    EXPECT_EQ(GetStyleSheetPath(), QString::fromStdWString(path));
}

TEST_F(StyleSheetTest, MissingSheetIsPassedOverSilently)
{
    qApp->setStyleSheet(QStringLiteral("QWidget { margin: 1px; }"));
    LoadKWStyleSheet((m_dir.path() + QStringLiteral("/missing.css")).toStdWString().c_str());
    LoadKWStyleSheet(nullptr);
    EXPECT_EQ(qApp->styleSheet(), QStringLiteral("QWidget { margin: 1px; }"));
}

TEST_F(StyleSheetTest, WithoutApplicationNothingIsLoadedOrMeasured)
{
    const std::wstring path = WriteSheet("QLabel { color: red; }");
    const std::wstring dirBefore = GetAppDirPath();
    SetQtApplication(nullptr);
    LoadStyleSheet(path);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(GetStyleSheetPath(), QString::fromStdWString(path)) << "the path is kept even so";
    EXPECT_EQ(GetScreenRect(), (RECT { 0, 0, 0, 0 }));
    EXPECT_EQ(GetWorkAreaRect(), (RECT { 0, 0, 0, 0 }));
    EXPECT_EQ(GetAppDirPath(), dirBefore) << "the last directory seen stays";
}

} // namespace
