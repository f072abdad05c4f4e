// The calculator program itself starts and keeps running whatever the
// working directory, since it finds everything through its own directory,
// and whatever it finds there, and it starts without a word of its own unless
// its diagnostics are asked for.

#include "tests/common/KWChildTest.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <optional>

namespace {

QString Program()
{
    return QString::fromStdWString(GetKWAppDirPath()) + QStringLiteral("/Lumivane");
}

// Starts the program at exe headless, with the extra environment.
void StartHeadless(QProcess& process, const QString& exe, const QProcessEnvironment& extra = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(extra);
    process.setProcessEnvironment(environment);
    process.start(exe, {});
}

// Starts the program headless in the directory, checks that it is still
// running after start-up (the event loop is waiting for the user), stops it
// and gives back everything it wrote to standard output and standard error.
// A text the caller awaits is waited for a while longer: on a loaded machine
// the sanitizer build may not have written it by the end of the start-up
// window.
QString RunStartUp(const QString& directory, const QProcessEnvironment& extra = {},
    const QString& awaited = {}, const QString& exe = Program())
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(directory);
    StartHeadless(process, exe, extra);
    EXPECT_TRUE(process.waitForStarted(10000));
    EXPECT_FALSE(process.waitForFinished(3000)) << process.readAll().toStdString();
    QByteArray output = process.readAll();
    const QDeadlineTimer patience(30000);
    while (!awaited.isEmpty() && !QString::fromLocal8Bit(output).contains(awaited) && !patience.hasExpired()
        && process.state() == QProcess::Running) {
        process.waitForReadyRead(500);
        output += process.readAll();
    }
    process.kill();
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(output + process.readAll());
}

// The program in a folder of its own; false when it could be neither linked
// nor copied there. The program finds its folder by the path it was started by.
bool PlaceProgramIn(const QString& home)
{
    return KWLinkOrCopy(Program(), home + QStringLiteral("/Lumivane"));
}

// Every file in the folder, below it too, with its bytes; links are not followed.
std::map<QString, QByteArray> FilesIn(const QString& folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files[file.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }
    return files;
}

// Copied into a folder named as users name theirs, the program keeps its
// look at both scales: every style sheet parses (Qt says so of each one that
// does not), every picture loads, and no file of the folder changes.
TEST(ProgramStart, KeepsItsLookAndItsFilesInAFolderWithAnyName)
{
    const QString appDir = QString::fromStdWString(GetKWAppDirPath());
    if (!QFileInfo(Program()).isExecutable()) {
        GTEST_SKIP() << "the program is not built beside the tests";
    }
    QTemporaryDir base;
    const QString home
        = base.path() + QStringLiteral("/Área de Trabalho/R&D Câmeras (#1; x)/Installer's \"tools\"");
    ASSERT_TRUE(QDir().mkpath(home + QStringLiteral("/Config")) && PlaceProgramIn(home));
    ASSERT_TRUE(QFile::link(appDir + QStringLiteral("/Skin"), home + QStringLiteral("/Skin")));
    ASSERT_TRUE(QFile::copy(
        appDir + QStringLiteral("/Config/config.xml"), home + QStringLiteral("/Config/config.xml")));
    for (const QFileInfo& shipped : QDir(appDir).entryInfoList(
             { "*.css", "Lang_*.xml", "Product.db", "disdate*.csv", "*.qm", "*.pdf" }, QDir::Files)) {
        ASSERT_TRUE(QFile::copy(shipped.filePath(), home + QLatin1Char('/') + shipped.fileName()));
    }
    QTemporaryDir screens;
    QFile fourK(screens.filePath(QStringLiteral("4K.json")));
    ASSERT_TRUE(fourK.open(QIODevice::WriteOnly));
    fourK.write(R"({ "screens": [ { "name": "4K", "x": 0, "y": 0, "width": 3840, "height": 2160 } ] })");
    fourK.close();
    const std::map<QString, QByteArray> before = FilesIn(home);
    for (const bool atFourK : { false, true }) {
        SCOPED_TRACE(atFourK ? "4K" : "1x");
        QProcessEnvironment screen;
        if (atFourK) {
            screen.insert(QStringLiteral("QT_QPA_PLATFORM"),
                QStringLiteral("offscreen:configfile=") + fourK.fileName());
        }
        const QString output = RunStartUp(home, screen, {}, home + QStringLiteral("/Lumivane"));
        EXPECT_FALSE(output.contains(QStringLiteral("Could not parse"))
            || output.contains(QStringLiteral("Skin picture")))
            << output.toStdString();
        EXPECT_TRUE(FilesIn(home) == before) << "a file of the folder changed";
    }
}

TEST(ProgramStart, RunsFromItsDirectoryAndFromAnyOther)
{
    if (!QFileInfo(Program()).isExecutable()) {
        GTEST_SKIP() << "the program is not built beside the tests";
    }
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    for (const QString& directory : { QString::fromStdWString(GetKWAppDirPath()), elsewhere.path() }) {
        SCOPED_TRACE(directory.toStdString());
        RunStartUp(directory);
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
    if (!QFileInfo(Program()).isExecutable()) {
        GTEST_SKIP() << "the program is not built beside the tests";
    }
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 104729 + 7) % 253);
    }
    for (const bool present : { true, false }) {
        SCOPED_TRACE(present ? "random bytes" : "no file");
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid() && PlaceProgramIn(home.path()));
        // Without its pictures the program would not start at all.
        ASSERT_TRUE(QFile::link(appDir + QStringLiteral("/Skin"), home.filePath(QStringLiteral("Skin"))));
        const QString database = home.filePath(QStringLiteral("Product.db"));
        if (present) {
            QFile file(database);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(noise);
        }
        QProcess process;
        StartHeadless(process, home.filePath(QStringLiteral("Lumivane")));
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

// Without the chosen look's pictures the window would come up black and
// could not be closed: the program names the folder and stops before it
// shows any window, changing nothing.
TEST(ProgramStart, StopsNamingTheSkinFolderWhenItOrTheMainWindowsPicturesAreMissing)
{
    if (!QFileInfo(Program()).isExecutable()) {
        GTEST_SKIP() << "the program is not built beside the tests";
    }
    for (const bool emptyFolder : { false, true }) {
        SCOPED_TRACE(emptyFolder ? "empty Skin folder" : "no Skin folder");
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid() && PlaceProgramIn(home.path()));
        if (emptyFolder) {
            ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Skin")));
        }
        QProcess process;
        StartHeadless(process, home.filePath(QStringLiteral("Lumivane")));
        ASSERT_TRUE(process.waitForStarted(10000));
        ASSERT_TRUE(process.waitForFinished(20000)) << "still running without its pictures";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_NE(process.exitCode(), 0);
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_TRUE(errors.contains(home.filePath(QStringLiteral("Skin/")))) << errors.toStdString();
        EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            emptyFolder ? QStringList({ "Lumivane", "Skin" }) : QStringList({ "Lumivane" }))
            << "nothing created";
    }
}

// A picture that is there but cannot be read as one is no picture: the main
// window's own stops the program just as a missing one does, named; any
// other is named in one warning, and the program goes on without it.
TEST(ProgramStart, NamesASkinPictureThatCannotBeReadAndStopsOnlyForTheMainWindowsOwn)
{
    const QString appDir = QString::fromStdWString(GetKWAppDirPath());
    if (!QFileInfo(Program()).isExecutable()) {
        GTEST_SKIP() << "the program is not built beside the tests";
    }
    QFile main(appDir + QStringLiteral("/Skin/DlgBackgorund.png"));
    ASSERT_TRUE(main.open(QIODevice::ReadOnly));
    const QByteArray cut = main.read(320);
    ASSERT_EQ(cut.size(), 320);
    QByteArray noise(643, '\0');
    for (int i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    }
    // The 4K look takes its spin boxes' frame and arrows from the 1x folder.
    QTemporaryDir screens;
    const QString fourK = screens.filePath(QStringLiteral("4K.json"));
    QFile config(fourK);
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"({ "screens": [ { "name": "4K", "x": 0, "y": 0, "width": 3840, "height": 2160 } ] })");
    config.close();
    const struct {
        const char* name;
        const char* picture;
        std::optional<QByteArray> content; // none: the picture is missing
        bool stops;
        bool atFourK;
    } rows[] = {
        { "main picture emptied", "DlgBackgorund.png", QByteArray(), true, false },
        { "main picture cut to 320 bytes", "DlgBackgorund.png", cut, true, false },
        { "main picture of random bytes", "DlgBackgorund.png", noise, true, false },
        { "close button of random bytes", "closed_nor.png", noise, false, false },
        { "window icon of random bytes", "CalTool.png", noise, false, false },
        { "spin box arrow missing", "spiner_up_n.png", std::nullopt, false, false },
        { "spin box frame of random bytes, at 4K", "kuang2_nor.png", noise, false, true },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir home;
        ASSERT_TRUE(
            home.isValid() && PlaceProgramIn(home.path()) && QDir(home.path()).mkdir(QStringLiteral("Skin")));
        const QString picture = home.filePath(QStringLiteral("Skin/") + row.picture);
        for (const QFileInfo& shipped : QDir(appDir + QStringLiteral("/Skin"))
                                            .entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            ASSERT_TRUE(
                QFile::link(shipped.filePath(), home.filePath(QStringLiteral("Skin/") + shipped.fileName())));
        }
        QFile::remove(picture);
        if (row.content) {
            QFile damaged(picture);
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write(*row.content);
        }

        QProcess process;
        QProcessEnvironment screen;
        if (row.atFourK) {
            screen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + fourK);
        }
        StartHeadless(process, home.filePath(QStringLiteral("Lumivane")), screen);
        ASSERT_TRUE(process.waitForStarted(10000));
        QString errors;
        if (row.stops) {
            ASSERT_TRUE(process.waitForFinished(20000)) << "still running without its main picture";
            EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
            EXPECT_NE(process.exitCode(), 0);
        } else {
            for (QDeadlineTimer patience(20000); !errors.contains(picture) && !patience.hasExpired()
                 && process.state() == QProcess::Running;) {
                process.waitForReadyRead(100);
                errors += QString::fromLocal8Bit(process.readAllStandardError());
            }
            // Time for a second word about it, which must not come.
            EXPECT_FALSE(process.waitForFinished(1000)) << "stopped for a button";
            process.kill();
            process.waitForFinished(5000);
        }
        errors += QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(errors.count(picture), 1) << errors.toStdString();
    }
}

TEST(ProgramStart, StartsQuietlyAndReadsNoLensTableEvenWithItsDiagnosticsOn)
{
    if (!QFileInfo(Program()).isExecutable()) {
        GTEST_SKIP() << "the program is not built beside the tests";
    }
    // Each message comes tagged with its category; a line without the tag was
    // written straight to the stream. A private runtime directory spares Qt's
    // notice about a missing one, and the offscreen platform's notice about
    // window masks is Qt's own.
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}|%{message}"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    const QString qtNotice = QStringLiteral("default|This plugin does not support");

    // With them on, the program writes every line of a lens table it reads,
    // one message a line; the start reads none (the fisheye tool reads its
    // own when it opens), so even then it says nothing.
    for (const char* rules : { "", "lumivane.debug=false", "lumivane.debug=true" }) {
        SCOPED_TRACE(rules);
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QString::fromLatin1(rules));
        QStringList diagnostics;
        for (const QString& line : RunStartUp(QString::fromStdWString(GetKWAppDirPath()), environment)
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (line.startsWith(QLatin1String("lumivane|"))) {
                diagnostics.append(line);
            } else {
                EXPECT_TRUE(line.startsWith(QLatin1String("qt.")) || line.startsWith(qtNotice))
                    << "not the program's to write: " << line.toStdString();
            }
        }
        EXPECT_TRUE(diagnostics.isEmpty()) << diagnostics.join('\n').toStdString();
    }
}

} // namespace
