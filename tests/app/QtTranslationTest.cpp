// Qt's own Chinese translation goes in for Chinese alone, and whatever lies
// at its place that does not load is named.

#include "app/QtTranslation.h"
#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTranslator>

#include <functional>
#include <string>

#include <sys/stat.h>

namespace {

// Qt's own base catalogue stands in for the shipped file: a real catalogue
// that loads on its own.
bool WriteCatalogue(const QString& path)
{
    const QString source = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                               .filePath(QStringLiteral("qtbase_zh_CN.qm"));
    return QFile::copy(source, path);
}

class QtTranslationTest : public ::testing::Test {
protected:
    void TearDown() override { QCoreApplication::removeTranslator(&g_qtTranslator); }
};

TEST_F(QtTranslationTest, OnlyChineseInstallsTheChineseCatalogue)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (!WriteCatalogue(dir.filePath(QStringLiteral("qt_zh_CN.qm")))) {
        GTEST_SKIP() << "Qt's Chinese catalogue is not installed";
    }
    const std::wstring appDir = dir.path().toStdWString();

    const struct {
        int language;
        bool installed;
    } rows[] = { { 1, true }, { 0, false }, { 2, false }, { 3, false }, { 7, false }, { 1, true } };
    for (const auto& row : rows) {
        EXPECT_EQ(ApplyQtTranslation(row.language, appDir), row.installed) << "language " << row.language;
    }
}

TEST_F(QtTranslationTest, MissingCatalogueInstallsNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(ApplyQtTranslation(1, dir.path().toStdWString()));
    // A translator that was installed before is removed too.
    if (!WriteCatalogue(dir.filePath(QStringLiteral("qt_zh_CN.qm")))) {
        GTEST_SKIP() << "Qt's Chinese catalogue is not installed";
    }
    ASSERT_TRUE(ApplyQtTranslation(1, dir.path().toStdWString()));
    QFile::remove(dir.filePath(QStringLiteral("qt_zh_CN.qm")));
    EXPECT_FALSE(ApplyQtTranslation(1, dir.path().toStdWString()));
}

// Anything at the catalogue's place that does not load is named, once a
// run however often Chinese is chosen, as the language files are; where
// nothing is, nothing is said.
TEST_F(QtTranslationTest, CatalogueThatIsNoFileIsNamedOnceAndInstallsNothing)
{
    const struct {
        const char* name;
        std::function<bool(const QString&)> place; // null: nothing there
    } rows[] = {
        { "folder", [](const QString& path) { return QDir().mkdir(path); } },
        { "pipe",
            [](const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; } },
        { "link loop", [](const QString& path) { return QFile::link(QStringLiteral("qt_zh_CN.qm"), path); } },
        { "link to nowhere",
            [](const QString& path) { return QFile::link(QStringLiteral("gone.qm"), path); } },
        { "nothing", nullptr },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("qt_zh_CN.qm"));
        ASSERT_TRUE(!row.place || row.place(path));
        KWWarningCatcher catcher;
        EXPECT_FALSE(ApplyQtTranslation(1, dir.path().toStdWString()));
        EXPECT_FALSE(ApplyQtTranslation(1, dir.path().toStdWString()));
        EXPECT_EQ(catcher.Warnings().filter(path).size(), row.place ? 1 : 0)
            << catcher.Warnings().join("; ").toStdString();
    }
}

} // namespace
