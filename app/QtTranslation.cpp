#include "app/QtTranslation.h"

#include "base/KWRegularFile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QString>
#include <QTranslator>

#include <set>

QTranslator g_qtTranslator;

namespace {

// Once per file for the whole run: the catalogue is looked at again at every
// switch to Chinese.
void WarnOfUnloadableCatalogue(const QString& path, const QString& reason)
{
    static std::set<QString> warned;
    if (warned.insert(path).second) {
        qWarning().noquote() << "Qt's Chinese translation" << path << "cannot be read:" << reason
                             << "- Qt's own texts stay in English";
    }
}

// Whether the catalogue at path loaded; anything at its place that did not
// (a pipe, a folder, a link that leads nowhere or round in a loop, a damaged
// file) is named. Where nothing is, Qt's own texts are English, unnamed.
bool LoadCatalogue(const QString& path)
{
    if (!KWEntryExists(path)) {
        return false;
    }
    QString reason;
    {
        // Qt passes over what is not a regular file without a word.
        QFile file;
        if (!KWOpenRegularQFile(file, path, QIODevice::NotOpen, &reason)) {
            WarnOfUnloadableCatalogue(path, reason);
            return false;
        }
    }
    if (!g_qtTranslator.load(path, QString(), QString(), QString())) {
        WarnOfUnloadableCatalogue(path, QStringLiteral("not a catalogue Qt can load"));
        return false;
    }
    return true;
}

} // namespace

bool ApplyQtTranslation(int language, const std::wstring& appDir)
{
    QCoreApplication::removeTranslator(&g_qtTranslator);
    if (language != 1) {
        return false;
    }
    if (!LoadCatalogue(QString::fromStdWString(appDir + L"/qt_zh_CN.qm"))) {
        return false;
    }
    return QCoreApplication::installTranslator(&g_qtTranslator);
}
