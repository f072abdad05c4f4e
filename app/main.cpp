// The calculator's entry point: prepares Qt and the framework, sizes the user
// interface to the screen, loads the configuration and the language, creates
// the main frame and runs Qt's event loop until the main window closes.

#include "app/ConfigManager.h"
#include "app/MainFrameEventImp.h"
#include "app/ProductDatabaseNotice.h"
#include "app/QtTranslation.h"
#include "app/StartupConfig.h"
#include "app/StartupLook.h"
#include "app/StartupSkinCheck.h"
#include "base/CrashHandler.h"
#include "base/Globals.h"
#include "base/msgloop/KWTaskTrace.h"
#include "ui/qt/KWQtSupport.h"

#include <boost/shared_ptr.hpp>

#include <QApplication>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <string>

int main(int argc, char** argv)
{
    UseDevicePixels();
    QApplication app(argc, argv);
    InitKWApplication(&app);
    // Qt 6 reads every const char* as UTF-8, so the framework's texts need no codec.
    RunWithCrashHandler(true);
    // The task framework's traces stay off; the calculator starts no task.
    g_taskTraceSwitch = 0;
    CorvinaBase::SetTaskTraceLevel(0);
    AddAppDirLibraryPath();

    // Device pixels: a 4K screen gets the 4K look at its own resolution,
    // whatever scaling the desktop asks of Qt.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1020, 720);
    const std::wstring appDir = GetKWAppDirPath();
    ApplyStartupLook(available.width(), available.height(), appDir);

    LoadConfiguration(g_configManager, appDir);
    ApplyQtTranslation(g_languageIndex, appDir);
    if (!CheckStartupSkin()) {
        return 1;
    }

    boost::shared_ptr<CMainFrameEventImp> mainFrame = CMainFrameEventImp::CreateInstance();
    if (CKWDialog* window = mainFrame->GetDlg()) {
        window->ShowWindow(1);
    }
    NoticeUnreadableProductDatabase(*mainFrame);
    const int result = app.exec();
    // The main window and every child go before the application object.
    mainFrame.reset();
    return result;
}
