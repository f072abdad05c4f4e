// The pictures of the README: each tool of the calculator as a new user
// first sees it (English, the normal look of a 1920 x 1080 screen, every
// value at its start), grabbed from the program's own main window into
// "<folder>/ipc-tool.png" and "<folder>/fisheye-tool.png". Runs on Qt's
// offscreen platform, so it needs no display and gives the same pictures on
// every machine with the project's fonts. scripts/readme-pictures.sh builds
// and runs it.
//     readme_pictures <folder>

#include "app/MainFrameEventImp.h"
#include "app/StartupLook.h"
#include "app/StartupSkinCheck.h"
#include "base/Globals.h"
#include "ui/api/KWDialog.h"
#include "ui/qt/KWQtSupport.h"

#include <boost/shared_ptr.hpp>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include <cstdio>
#include <functional>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    // Whatever the caller's display: the pictures must not depend on it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    UseDevicePixels();
    QApplication app(argc, argv);
    InitKWApplication(&app);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "%s: cannot make the folder\n", qPrintable(folder));
        return 1;
    }

    // As start-up does, with English and the normal look in place of what
    // the settings file and the screen would choose.
    ApplyStartupLook(1920, 1080, GetKWAppDirPath());
    g_languageIndex = 0;
    if (!CheckStartupSkin()) {
        return 1;
    }
    boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
    auto* window = dynamic_cast<QWidget*>(frame->GetDlg());
    if (window == nullptr) {
        std::fprintf(stderr, "the main window was not made\n");
        return 1;
    }
    frame->GetDlg()->ShowWindow(1);

    const struct {
        const char* file;
        std::function<void()> choose;
    } tools[] = {
        { "ipc-tool.png", [&frame] { frame->OnIPCToolClicked(); } },
        { "fisheye-tool.png", [&frame] { frame->OnFishToolClicked(); } },
    };
    for (const auto& tool : tools) {
        tool.choose();
        QCoreApplication::processEvents();
        const QString path = QDir(folder).filePath(QString::fromLatin1(tool.file));
        if (!window->grab().toImage().save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot be written\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
