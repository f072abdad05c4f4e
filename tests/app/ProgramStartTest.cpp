// The calculator program itself starts and keeps running whatever the
// working directory, since it finds everything through its own directory.

#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

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

} // namespace
