#include "app/ConfigManager.h"
#include "app/ConfigXMLPersistImp.h"
#include "app/StartupConfig.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "base/platform/KWCodePage.h"
#include "tests/common/KWChildTest.h"
#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>

namespace {

const char kSavedLanguage3[]
    = "<Setting>\n"
      "    <UIConfig>\n"
      "        <Language value=\"3\" Default=\"0\" Min=\"0\" Max=\"3\" Scale=\"0\" />\n"
      "    </UIConfig>\n"
      "</Setting>\n";

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// What is there and no regular file is not opened: a pipe would wait for a
// writer.
QByteArray ReadFile(const QString& path)
{
    const QFileInfo info(path);
    QFile file(path);
    return info.exists() && !info.isFile() ? QByteArray("no regular file")
        : file.open(QIODevice::ReadOnly)   ? file.readAll()
                                           : QByteArray();
}

std::unique_ptr<CConfigXMLPersistImp> ReaderOf(const char* xml)
{
    auto reader = std::make_unique<CConfigXMLPersistImp>();
    reader->ParseText(xml);
    return reader;
}

// Restores the working directory and the current language a test changes.
class ConfigManagerTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        QDir::setCurrent(m_savedCwd);
        g_languageIndex = m_savedLanguage;
        SetLanguageFileDir(std::string());
    }
    QTemporaryDir m_dir;
    QString m_savedCwd = QDir::currentPath();
    int m_savedLanguage = g_languageIndex;
};

} // namespace

TEST_F(ConfigManagerTest, SaveWritesTheOneLanguageElementAndLoadReadsItBack)
{
    const QString path = m_dir.path() + "/Config/config.xml"; // Config/ does not exist yet
    CConfigManager store;
    store.SetConfigPersist(new CConfigXMLPersistImp(path.toStdWString().c_str()));
    store.Load();
    EXPECT_EQ(store.GetLanguage(), 0u);
    store.SetLanguage(3);
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(ReadFile(path), QByteArray(kSavedLanguage3));

    CConfigManager reloaded;
    EXPECT_EQ(LoadConfiguration(reloaded, m_dir.path().toStdWString()), 3);
    EXPECT_EQ(g_languageIndex, 3);
    // Loading again registers nothing twice.
    reloaded.Load();
    ASSERT_TRUE(reloaded.Save());
    EXPECT_EQ(ReadFile(path), QByteArray(kSavedLanguage3));
}

TEST_F(ConfigManagerTest, SaveGoesToTheFileItWasReadFromWhateverTheWorkingDirectory)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    CConfigManager store;
    LoadConfiguration(store, m_dir.path().toStdWString());
    store.SetLanguage(2);
    ASSERT_TRUE(store.Save());
    EXPECT_TRUE(QFile::exists(m_dir.path() + "/Config/config.xml"));
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());

    CConfigManager noReader;
    noReader.Load();
    EXPECT_FALSE(noReader.Save());
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

TEST_F(ConfigManagerTest, LanguageFromFileOrDefault)
{
    const struct {
        const char* name;
        const char* content; // null: no file
        int language;
    } cases[] = {
        { "no file", nullptr, 0 },
        { "not XML", "just some text", 0 },
        { "cut short", "<Setting><UIConfig><Language value=\"2\"", 0 },
        { "no value attribute", "<Setting><UIConfig><Language Default=\"2\"/></UIConfig></Setting>", 0 },
        { "value not a number", "<Setting><UIConfig><Language value=\"es\"/></UIConfig></Setting>", 0 },
        { "declaration first",
            "<?xml version=\"1.0\"?>\n<Setting><UIConfig><Language value=\"2\"/></UIConfig></Setting>", 2 },
        { "comment first", "<!-- edited --><Setting><UIConfig><Language value=\"3\"/></UIConfig></Setting>",
            3 },
        { "any root name", "<Cfg><UIConfig><Language value=\"3\"/></UIConfig></Cfg>", 3 },
        // Languages 0 to 3, as the file's own Min and Max say; no other is shown.
        { "past the last language", "<Setting><UIConfig><Language value=\"4\"/></UIConfig></Setting>", 0 },
        { "far past it", "<Cfg><UIConfig><Language value=\"9\"/></UIConfig></Cfg>", 0 },
        { "negative reinterpreted", "<Setting><UIConfig><Language value=\"-1\"/></UIConfig></Setting>", 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir appDir;
        if (c.content != nullptr) {
            WriteFile(appDir.path() + "/Config/config.xml", c.content);
        }
        CConfigManager store;
        EXPECT_EQ(LoadConfiguration(store, appDir.path().toStdWString()), c.language);
        EXPECT_EQ(store.GetLanguage(), static_cast<unsigned>(c.language));
    }
}

// The screen and the language menu must agree: a language whose file cannot
// be read starts in English, whatever the configuration says.
TEST_F(ConfigManagerTest, LanguageWhoseFileCannotBeReadStartsInEnglish)
{
    QTemporaryDir languages;
    ASSERT_TRUE(languages.isValid());
    SetLanguageFileDir(QFile::encodeName(languages.path()).toStdString());
    WriteFile(m_dir.path() + "/Config/config.xml",
        "<Setting><UIConfig><Language value=\"2\"/></UIConfig></Setting>");
    const struct {
        const char* name;
        const char* content; // null: no file
        int language;
    } cases[] = {
        { "readable", "<Language><Text name=\"Close\" value=\"Fechar\"/></Language>", 2 },
        { "cut short", "<Language><Text name=\"Close\" value=\"Fechar\"", 0 },
        { "missing", nullptr, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(languages.filePath("Lang_2.xml"));
        if (c.content != nullptr) {
            WriteFile(languages.filePath("Lang_2.xml"), c.content);
        }
        CConfigManager store;
        EXPECT_EQ(LoadConfiguration(store, m_dir.path().toStdWString()), c.language);
        EXPECT_EQ(g_languageIndex, c.language);
    }
}

// A choice that cannot be saved is told, with the file and the reason, and
// leaves every file as it was: the settings file is replaced whole or not at
// all, even when the disk fills up halfway through.
TEST_F(ConfigManagerTest, SaveThatFailsNamesTheFileAndChangesNothing)
{
    enum Obstacle {
        FolderInTheFilesPlace,
        LinkLoopInTheFilesPlace,
        PipeInTheFilesPlace,
        FileInTheFoldersPlace,
        ReadOnlyFile,
        ReadOnlyFolder,
        DiskFull
    };
    const std::pair<const char*, Obstacle> cases[] = {
        { "folder in the file's place", FolderInTheFilesPlace },
        { "link that leads round in a loop in the file's place", LinkLoopInTheFilesPlace },
        { "pipe in the file's place", PipeInTheFilesPlace },
        { "file in the folder's place", FileInTheFoldersPlace },
        { "read-only file", ReadOnlyFile },
        { "read-only folder", ReadOnlyFolder },
        { "disk full after 16 bytes", DiskFull },
    };
    // Writing past the file-size limit then fails like a full disk, instead
    // of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& [name, obstacle] : cases) {
        SCOPED_TRACE(name);
        if ((obstacle == ReadOnlyFile || obstacle == ReadOnlyFolder) && ::geteuid() == 0) {
            std::printf("[  note   ] %s: permissions do not bind root\n", name);
            continue;
        }
        QTemporaryDir appDir;
        const QString folder = appDir.path() + "/Config";
        const QString path = folder + "/config.xml";
        if (obstacle == FileInTheFoldersPlace) {
            WriteFile(folder, "not a folder");
        } else if (obstacle == FolderInTheFilesPlace) {
            ASSERT_TRUE(QDir().mkpath(path));
        } else if (obstacle == LinkLoopInTheFilesPlace) {
            ASSERT_TRUE(QDir().mkpath(folder) && QFile::link(QStringLiteral("config.xml"), path));
        } else if (obstacle == PipeInTheFilesPlace) {
            ASSERT_TRUE(QDir().mkpath(folder) && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else {
            WriteFile(path, kSavedLanguage3);
        }
        if (obstacle == ReadOnlyFile) {
            QFile::setPermissions(path, QFileDevice::ReadOwner);
        }
        if (obstacle == ReadOnlyFolder) {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        const QString changed = obstacle == FileInTheFoldersPlace ? folder : path;
        const QByteArray before = ReadFile(changed);
        CConfigManager store;
        LoadConfiguration(store, appDir.path().toStdWString());
        store.SetLanguage(1);
        KWWarningCatcher catcher;
        rlimit savedLimit {};
        ::getrlimit(RLIMIT_FSIZE, &savedLimit);
        if (obstacle == DiskFull) {
            rlimit small = savedLimit;
            small.rlim_cur = 16;
            ::setrlimit(RLIMIT_FSIZE, &small);
        }
        EXPECT_FALSE(store.Save());
        ::setrlimit(RLIMIT_FSIZE, &savedLimit);
        ASSERT_EQ(catcher.Warnings().size(), 1);
        const QString warning = catcher.Warnings().front();
        EXPECT_TRUE(warning.contains(path) && warning.contains(": ")) << warning.toStdString();
        EXPECT_EQ(ReadFile(changed), before);
        EXPECT_EQ(QFileInfo(path).isSymLink(), obstacle == LinkLoopInTheFilesPlace) << "a link is kept";
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(QDir(appDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList { "Config" });
        if (obstacle != FileInTheFoldersPlace) {
            // System: Qt lists a pipe, and a link that leads nowhere, only so.
            EXPECT_EQ(
                QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                QStringList { "config.xml" })
                << "no half-written file left beside it";
        }
    }
}

// The program's folder is found in the file system's bytes, which the
// character set of a locale that is not UTF-8 would spell otherwise.
TEST_F(ConfigManagerTest, SettingsAreReadFromAFolderNamedBeyondAsciiUnderALocaleThatIsNotUtf8)
{
    if (!KWInChildTest()) {
        // A Latin-1 locale of the test's own, as a machine may have none.
        QTemporaryDir locales;
        QProcess make;
        make.setProcessChannelMode(QProcess::MergedChannels);
        make.start(QStringLiteral("localedef"),
            { "-c", "-i", "en_US", "-f", "ISO-8859-1",
                locales.filePath(QStringLiteral("en_US.ISO-8859-1")) });
        ASSERT_TRUE(make.waitForFinished(60000)
            && QFile::exists(locales.filePath(QStringLiteral("en_US.ISO-8859-1/LC_CTYPE"))))
            << make.readAll().toStdString();
        QProcessEnvironment latin1;
        latin1.insert(QStringLiteral("LOCPATH"), locales.path());
        latin1.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.ISO-8859-1"));
        const KWChildOutcome child = KWRunTestInChild(latin1);
        EXPECT_TRUE(child.passed) << child.output.toStdString();
        return;
    }
    ASSERT_EQ(KwLocaleCharset(""), "ISO-8859-1");
    const QString home = m_dir.path() + QStringLiteral("/\u00C1rea de Trabalho");
    WriteFile(home + "/Config/config.xml", kSavedLanguage3);
    CConfigManager store;
    LoadConfiguration(store, home.toStdWString());
    EXPECT_EQ(store.GetLanguage(), 3u);
}

TEST_F(ConfigManagerTest, ScaledUnsignedSettingIsClampedToItsRange)
{
    const struct {
        const char* stored;
        unsigned expected;
    } cases[] = { { "11", 10 }, { "10", 10 }, { "7", 7 }, { "3", 3 }, { "2", 2 }, { "1", 2 }, { "0", 2 },
        { "x", 2 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const std::string xml = std::string("<S><G><K value=\"") + c.stored + "\"/></G></S>";
        CConfigManager store;
        store.SetConfigPersist(ReaderOf(xml.c_str()).release());
        unsigned variable = 99;
        ConfigItem item;
        item.group = L"G";
        item.key = L"K";
        item.pUInt = &variable;
        item.uDefault = 0;
        item.scale = 2;
        item.min = 1;
        item.max = 5;
        store.ReadItem(item);
        EXPECT_EQ(variable, c.expected);
    }
}

TEST_F(ConfigManagerTest, ReaderParsesEachType)
{
    auto reader = ReaderOf("<S><G>"
                           "<T1 value=\"TRUE\"/><T2 value=\"yes\"/><T3 value=\"1\"/>"
                           "<F1 value=\"False\"/><F2 value=\"NO\"/><F3 value=\"0\"/><B value=\"maybe\"/>"
                           "<D value=\"2.75\"/><Dx value=\"abc\"/><Dn value=\"nan\"/><Di value=\"-inf\"/>"
                           "<Str value=\"caf\xC3\xA9\"/>"
                           "</G></S>");
    const struct {
        const wchar_t* key;
        bool expected;
    } bools[] = { { L"T1", true }, { L"T2", true }, { L"T3", true }, { L"F1", false }, { L"F2", false },
        { L"F3", false } };
    for (const auto& b : bools) {
        EXPECT_EQ(reader->GetBool(L"G", b.key, !b.expected, 0), b.expected) << b.key;
    }
    EXPECT_TRUE(reader->GetBool(L"G", L"B", true, 0));
    EXPECT_DOUBLE_EQ(reader->GetDouble(L"G", L"D", 1.0, 0), 2.75);
    EXPECT_DOUBLE_EQ(reader->GetDouble(L"G", L"Dx", 1.5, 0), 1.5);
    EXPECT_DOUBLE_EQ(reader->GetDouble(L"G", L"Dn", 1.5, 0), 1.5) << "not a number is no value";
    EXPECT_DOUBLE_EQ(reader->GetDouble(L"G", L"Di", 1.5, 0), 1.5);
    EXPECT_EQ(reader->GetString(L"G", L"Str", L"x", 0), L"caf\u00E9");
    EXPECT_EQ(reader->GetString(L"G", L"Missing", L"fallback", 0), L"fallback");
}

TEST_F(ConfigManagerTest, ExportAndImportRoundTripEveryByteValue)
{
    const QString path = m_dir.path() + "/config.xml";
    CConfigManager store;
    store.SetConfigPersist(new CConfigXMLPersistImp(path.toStdWString().c_str()));
    const unsigned char values[] = { 0, 255, 7 };
    auto bytes = std::make_unique<unsigned char[]>(3);
    std::copy(values, values + 3, bytes.get());
    ASSERT_TRUE(store.Export(std::move(bytes), 3));
    EXPECT_EQ(ReadFile(path),
        QByteArray("0\0\0\0"
                   "1020"
                   "28\0\0",
            12));

    // A trailing partial field is not a byte.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("40");
    file.close();
    size_t count = 0;
    auto imported = store.Import(&count);
    ASSERT_NE(imported, nullptr);
    ASSERT_EQ(count, 3u);
    EXPECT_TRUE(std::equal(values, values + 3, imported.get()));
}
