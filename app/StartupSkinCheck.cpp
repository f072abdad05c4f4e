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
#include <QImageReader>
#include <QMessageBox>

namespace {

bool PlatformShowsWindows()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// A file that is there is not yet a picture: an empty, cut or overwritten
// one is found out only by decoding it whole.
bool IsReadablePicture(const QString& path, QString* reason)
{
    QImageReader reader(path);
    if (!reader.read().isNull()) {
        return true;
    }
    *reason = reader.errorString();
    return false;
}

} // namespace

MainWindowSkinFault FindMainWindowSkinFault()
{
    const QString folder = GetSkinPath();
    if (!QFileInfo(folder).isDir()) {
        return { folder, QStringLiteral("is missing") };
    }
    DialogStyle style;
    CMainFrameEventImp::FillSkin(&style);
    for (const std::wstring& picture : { style.strSkinImage, style.strInteriorImage }) {
        if (picture.empty()) {
            continue;
        }
        const QString path = KWSkinImagePath(picture);
        QString reason;
        if (!QFileInfo(path).isFile()) {
            return { path, QStringLiteral("is missing") };
        }
        if (!IsReadablePicture(path, &reason)) {
            return { path, QStringLiteral("cannot be read as a picture (%1)").arg(reason) };
        }
    }
    return {};
}

bool CheckStartupSkin()
{
    const MainWindowSkinFault fault = FindMainWindowSkinFault();
    if (fault.path.isEmpty()) {
        return true;
    }
    const bool wholeFolder = fault.path == GetSkinPath();
    const QString shown = QDir::toNativeSeparators(fault.path);
    qCritical().noquote() << (wholeFolder ? "Skin folder" : "Skin picture") << shown << fault.what
                          << "- the program cannot show its window";
    if (PlatformShowsWindows()) {
        const QString sentence = KWToQString(wholeFolder
                ? translate(L"The pictures of the program are missing from this folder:")
                : translate(L"This picture of the program cannot be read:"));
        QMessageBox::critical(
            nullptr, KWToQString(translate(L"Attention")), sentence + QLatin1Char('\n') + shown);
    }
    return false;
}
