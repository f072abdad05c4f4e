#include "app/DesktopOpener.h"

#include <QProcess>
#include <QStandardPaths>

#include <memory>

namespace {

const QString kOpener = QStringLiteral("xdg-open");

QString CannotStart()
{
    return QStringLiteral("%1 could not be started").arg(kOpener);
}

} // namespace

void OpenWithDesktop(const QString& path, std::function<void(const QString& reason)> onFailure)
{
    const QString opener = QStandardPaths::findExecutable(kOpener);
    if (opener.isEmpty()) {
        onFailure(CannotStart());
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
    auto fail = std::make_shared<std::function<void(const QString&)>>(std::move(onFailure));
    QObject::connect(
        process, &QProcess::errorOccurred, process, [process, fail](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                (*fail)(CannotStart());
                process->deleteLater();
            }
        });
    QObject::connect(
        process, &QProcess::finished, process, [process, fail](int exitCode, QProcess::ExitStatus status) {
            if (status != QProcess::NormalExit || exitCode != 0) {
                (*fail)(QStringLiteral("%1 found no program to open it (exit status %2)")
                            .arg(kOpener)
                            .arg(exitCode));
            }
            process->deleteLater();
        });
    process->start(opener, { path });
}
