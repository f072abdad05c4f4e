// The calculator program itself starts and keeps running whatever the
// working directory, since it finds everything through its own directory,
// and whatever it finds there.

#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

TEST(ProgramStart, RunsFromItsDirectoryAndFromAnyOther)
{
    const QString appDir = QString::fromStdWString(GetKWAppDirPath());
    const QString program = appDir + QStringLiteral("/Lumivane");
    if (!QFileInfo(program).isExecutable()) {
        GTEST_SKIP() << "the program is not built beside the tests";
    }
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    for (const QString& directory : { appDir, elsewhere.path() }) {
        SCOPED_TRACE(directory.toStdString());
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(directory);
        process.start(program, {});
        ASSERT_TRUE(process.waitForStarted(10000));
        // Still running after start-up: the event loop is waiting for the user.
        EXPECT_FALSE(process.waitForFinished(3000)) << process.readAllStandardError().toStdString();
        process.kill();
        process.waitForFinished(5000);
    }
    // Nothing was written where the program was started.
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

// In a folder of its own, next to a product database it cannot read or to
// none: it names the file once, keeps running (the message box waits for the
// user) and creates or changes no file.
TEST(ProgramStart, GoesOnWithAnUnreadableOrMissingProductDatabase)
{
    const QString appDir = QString::fromStdWString(GetKWAppDirPath());
    const QString program = appDir + QStringLiteral("/Lumivane");
    if (!QFileInfo(program).isExecutable()) {
        GTEST_SKIP() << "the program is not built beside the tests";
    }
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 104729 + 7) % 253);
    }
    for (const bool present : { true, false }) {
        SCOPED_TRACE(present ? "random bytes" : "no file");
        // Beside the build's own folder, so that a hard link can stand in for a copy.
        QTemporaryDir home(appDir + QStringLiteral("/start-XXXXXX"));
        ASSERT_TRUE(home.isValid());
        const QString exe = home.filePath(QStringLiteral("Lumivane"));
        ASSERT_TRUE(::link(QFile::encodeName(program).constData(), QFile::encodeName(exe).constData()) == 0
            || QFile::copy(program, exe));
        const QString database = home.filePath(QStringLiteral("Product.db"));
        if (present) {
            QFile file(database);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(noise);
        }
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(exe, {});
        ASSERT_TRUE(process.waitForStarted(10000));
        const QString warning = QStringLiteral("Product database %1 cannot be read").arg(database);
        QString errors;
        for (int waited = 0;
             waited < 20000 && !errors.contains(warning) && process.state() == QProcess::Running;
             waited += 100) {
            process.waitForReadyRead(100);
            errors += QString::fromLocal8Bit(process.readAllStandardError());
        }
        EXPECT_FALSE(process.waitForFinished(500)) << errors.toStdString();
        process.kill();
        process.waitForFinished(5000);
        errors += QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(errors.count(warning), 1) << errors.toStdString();
        QFile file(database);
        EXPECT_EQ(
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), present ? noise : QByteArray());
        EXPECT_EQ(QDir(home.path()).entryList(QDir::Files).size(), present ? 2 : 1) << "nothing created";
    }
}

} // namespace
