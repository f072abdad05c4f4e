// A data file beside the program may be replaced by something that is not a
// file: a named pipe, a link to a device, a folder, a link that leads round
// in a loop. Its reader refuses it at
// once, names it as it names a damaged file, and goes on as for a missing
// one. Each reader runs on the GUI thread, where the program runs it (the
// style sheets belong to it); one that waits on the pipe is set free by a
// watchdog (a writer opens and closes it) and fails the test instead of
// hanging it.

#include "app/ConfigManager.h"
#include "app/DatabaseManager.h"
#include "app/StartupConfig.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

enum class Kind { Pipe, DeviceLink, Folder, LinkLoop };

bool Place(Kind kind, const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    switch (kind) {
    case Kind::Pipe:
        return ::mkfifo(bytes.constData(), 0600) == 0;
    case Kind::DeviceLink:
        return QFile::link(QStringLiteral("/dev/zero"), path);
    case Kind::Folder:
        return QDir().mkdir(path);
    case Kind::LinkLoop:
        return QFile::link(QFileInfo(path).fileName(), path);
    }
    return false;
}

// Opens and closes the pipe's writing end, so that a reader waiting for a
// writer sees one come and go.
void SetFree(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
    }
}

// Runs read on this thread. Should it still run after three seconds, a
// watchdog sets free a reader waiting on the pipe at path, as often as it
// takes, and says that it had to.
bool ReadWatched(const std::function<bool()>& read, const QString& path, bool& waited)
{
    std::promise<void> finished;
    std::thread watchdog([&path, &waited, done = finished.get_future()] {
        if (done.wait_for(std::chrono::seconds(3)) == std::future_status::ready) {
            return;
        }
        waited = true;
        do {
            SetFree(path);
        } while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready);
    });
    const bool result = read();
    finished.set_value();
    watchdog.join();
    return result;
}

TEST(NonRegularDataFiles, AreRefusedAtOnceNamedAndTakenForMissing)
{
    // Language numbers no shipped file and no other test uses: each file is
    // named once a run.
    constexpr int kLanguage = 57;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("Config")));
    const auto settings = [&dir] {
        CConfigManager store;
        return LoadConfiguration(store, dir.path().toStdWString()) == 0;
    };
    const auto language = [&dir](int index) {
        return [&dir, index] {
            SetLanguageFileDir(QFile::encodeName(dir.path()).toStdString());
            const bool refused = !IsLanguageReadable(index);
            SetLanguageFileDir(std::string());
            return refused;
        };
    };
    const auto lensTable = [&dir] {
        CDatabaseManager db;
        db.SetDataDir(dir.path().toStdWString());
        return db.DistortionTable(2)->empty();
    };
    const auto database = [&dir] {
        CDatabaseManager db;
        return db.Open(dir.filePath(QStringLiteral("Product.db")).toStdWString()) == 0;
    };
    const auto styleSheet = [&dir] {
        QApplication* const kept = GetQtApplication();
        SetQtApplication(qApp);
        const QString sheet = qApp->styleSheet();
        LoadStyleSheet(dir.filePath(QStringLiteral("Lumivane_Style.css")).toStdWString());
        SetQtApplication(kept);
        return qApp->styleSheet() == sheet;
    };
    const struct {
        const char* name;
        Kind kind;
        QString file;
        std::function<bool()> refused;
    } rows[] = {
        { "settings file as a pipe", Kind::Pipe, QStringLiteral("Config/config.xml"), settings },
        { "settings file as a folder", Kind::Folder, QStringLiteral("Config/config.xml"), settings },
        { "language file as a pipe", Kind::Pipe, QStringLiteral("Lang_%1.xml").arg(kLanguage),
            language(kLanguage) },
        { "language file as a device", Kind::DeviceLink, QStringLiteral("Lang_%1.xml").arg(kLanguage + 1),
            language(kLanguage + 1) },
        { "lens table as a pipe", Kind::Pipe, QStringLiteral("disdate-FL12.csv"), lensTable },
        { "lens table as a folder", Kind::Folder, QStringLiteral("disdate-FL12.csv"), lensTable },
        { "style sheet as a pipe", Kind::Pipe, QStringLiteral("Lumivane_Style.css"), styleSheet },
        { "style sheet as a link loop", Kind::LinkLoop, QStringLiteral("Lumivane_Style.css"), styleSheet },
        { "product database as a pipe", Kind::Pipe, QStringLiteral("Product.db"), database },
        { "product database as a device", Kind::DeviceLink, QStringLiteral("Product.db"), database },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(row.file);
        ASSERT_TRUE(Place(row.kind, path));
        KWWarningCatcher catcher;
        bool waited = false;
        EXPECT_TRUE(ReadWatched(row.refused, path, waited));
        EXPECT_FALSE(waited) << "the reader waited on it";
        const QStringList named = catcher.Warnings().filter(path);
        ASSERT_EQ(named.size(), 1) << catcher.Warnings().join("; ").toStdString();
        EXPECT_TRUE(named.front().contains(row.kind == Kind::LinkLoop ? QStringLiteral("symbolic links")
                                                                      : QStringLiteral("not a regular file")))
            << named.front().toStdString();
        EXPECT_EQ(QFileInfo(path).isFile(), false) << "left as it was";
        QFile::remove(path);
        QDir().rmdir(path);
    }
}

} // namespace
