#include "app/StartupSkinCheck.h"

#include "app/MainFrameEventImp.h"
#include "base/KWQtText.h"
#include "base/Translate.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/qt/KWQtSupport.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

namespace {

bool PlatformShowsWindows()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

QString MissingMainWindowSkin()
{
    const QString folder = GetSkinPath();
    if (!QFileInfo(folder).isDir()) {
        return folder;
    }
    DialogStyle style;
    CMainFrameEventImp::FillSkin(&style);
    for (const std::wstring& picture : { style.strSkinImage, style.strInteriorImage }) {
        const QString path = KWSkinImagePath(picture);
        if (!picture.empty() && !QFileInfo(path).isFile()) {
            return path;
        }
    }
    return QString();
}

bool CheckStartupSkin()
{
    const QString missing = MissingMainWindowSkin();
    if (missing.isEmpty()) {
        return true;
    }
    const QString folder = QDir::toNativeSeparators(GetSkinPath());
    const QString what = missing == GetSkinPath()
        ? QStringLiteral("is missing")
        : QStringLiteral("lacks %1").arg(QFileInfo(missing).fileName());
    qCritical().noquote() << "Skin folder" << folder << what << "- the program cannot show its window";
    if (PlatformShowsWindows()) {
        QMessageBox::critical(nullptr, KWToQString(translate(L"Attention")),
            KWToQString(translate(L"The pictures of the program are missing from this folder:"))
                + QLatin1Char('\n') + folder);
    }
    return false;
}
