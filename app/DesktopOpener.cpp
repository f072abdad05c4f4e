#include "app/DesktopOpener.h"

#include <QDebug>
#include <QProcess>
#include <QStandardPaths>

#include <memory>

namespace {

const QString kOpener = QStringLiteral("xdg-open");

QString CannotStart()
{
    return QStringLiteral("%1 could not be started").arg(kOpener);
}

// xdg-open's exit statuses that say the file was not shown by it.
constexpr int kFileNotFound = 2;
constexpr int kNoProgramForType = 3;

} // namespace

void OpenWithDesktop(
    const QString& path, std::function<void(DesktopOpenFailure failure, const QString& reason)> onFailure)
{
    const QString opener = QStandardPaths::findExecutable(kOpener);
    if (opener.isEmpty()) {
        onFailure(DesktopOpenFailure::NoProgram, CannotStart());
        return;
    }
    // Watched, not detached: only its exit status tells that no program
    // took the file. The opener may stay as long as the document is open
    // (its generic fallback does), so the process has no parent: one still
    // running when the calculator closes is left to run, not killed.
    auto* process = new QProcess();
    // Its own words go where the program's go, and so do those of a viewer
    // it starts, which would otherwise write into a pipe no one reads.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    auto fail
        = std::make_shared<std::function<void(DesktopOpenFailure, const QString&)>>(std::move(onFailure));
    QObject::connect(
        process, &QProcess::errorOccurred, process, [process, fail](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                (*fail)(DesktopOpenFailure::NoProgram, CannotStart());
                process->deleteLater();
            }
        });
    QObject::connect(process, &QProcess::finished, process,
        [process, path, fail](int exitCode, QProcess::ExitStatus status) {
            process->deleteLater();
            if (status != QProcess::NormalExit) {
                qWarning().noquote() << kOpener << "opening" << path << "ended abnormally";
            } else if (exitCode == kNoProgramForType) {
                (*fail)(DesktopOpenFailure::NoProgram,
                    QStringLiteral("%1 found no program to open it (exit status %2)")
                        .arg(kOpener)
                        .arg(exitCode));
            } else if (exitCode == kFileNotFound) {
                (*fail)(DesktopOpenFailure::NoFile,
                    QStringLiteral("%1 found no such file (exit status %2)").arg(kOpener).arg(exitCode));
            } else if (exitCode != 0) {
                qWarning().noquote() << kOpener << "opening" << path << "ended with exit status" << exitCode;
            }
        });
    process->start(opener, { path });
}
