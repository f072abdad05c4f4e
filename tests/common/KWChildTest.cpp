#include "tests/common/KWChildTest.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <unistd.h>

namespace {

const char kChildMark[] = "KW_TEST_CHILD";

// Long enough for a test full of death tests in the sanitizer build, short
// of CTest's limit, so that a child that hangs is reported with its output.
constexpr int kChildMilliseconds = 240000;

} // namespace

KWChildOutcome KWRunTestInChild(const QProcessEnvironment& extra, const QString& program)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString filter
        = QStringLiteral("--gtest_filter=%1.%2")
              .arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(extra);
    environment.insert(QString::fromLatin1(kChildMark), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(program.isEmpty() ? QCoreApplication::applicationFilePath() : program, { filter });
    KWChildOutcome outcome;
    const bool finished = child.waitForStarted() && child.waitForFinished(kChildMilliseconds);
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    outcome.output = QString::fromLocal8Bit(child.readAll());
    // A filter that matched nothing passes too: the test must have run.
    outcome.passed = finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0
        && outcome.output.contains(QStringLiteral("[  PASSED  ] 1 test."));
    return outcome;
}

bool KWInChildTest()
{
    return qEnvironmentVariableIsSet(kChildMark);
}

bool KWLinkOrCopy(const QString& from, const QString& to)
{
    return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
        || QFile::copy(from, to);
}
