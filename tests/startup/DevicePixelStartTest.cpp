// The program started on a 3840 x 2160 screen whose desktop asks Qt to draw
// everything twice as large: through QT_SCALE_FACTOR=2 ("scale-factor") or
// through a desktop at 192 DPI ("font-dpi"). Either way it must take the 4K
// look at the screen's own resolution, as on an unscaled 4K desktop, and not
// the normal look blown up by Qt. Its own program and main: the desktop is
// set up before the application object exists, as start-up sees it.

#include "app/MainFrameEventImp.h"
#include "app/StartupLook.h"
#include "base/Globals.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <cstring>
#include <string>

namespace {

TEST(DevicePixelStart, FourKLookAtTheScreensOwnResolution)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->devicePixelRatio(), 1.0) << "Qt scales the program a second time";
    const QRect available = screen->availableGeometry();
    EXPECT_EQ(available.size(), QSize(3840, 2160));

    const StartupScale scale = ApplyStartupLook(available.width(), available.height(), GetKWAppDirPath());
    EXPECT_EQ(std::wstring(scale.skinDir), L"/Skin/4K/");
    EXPECT_EQ(g_uiScale, 2.0f);

    boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
    auto* window = dynamic_cast<QWidget*>(frame->GetDlg());
    ASSERT_NE(window, nullptr);
    const QImage drawn = window->grab().toImage();
    EXPECT_EQ(drawn.size(), QSize(2020, 1420)) << "device pixels of the main window";
    EXPECT_EQ(drawn.devicePixelRatio(), 1.0);
    frame.reset();
}

// A screen of 3840 x 2160 device pixels at the given logical DPI, as the
// offscreen platform reads it.
QByteArray ScreenConfig(int dpi)
{
    return QByteArray("{ \"screens\": [ { \"name\": \"4K\", \"x\": 0, \"y\": 0, \"width\": 3840, \"height\": 2160, "
                      "\"logicalDpi\": ")
        + QByteArray::number(dpi) + ", \"logicalBaseDpi\": 96 } ] }";
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const bool fontDpi = argc > 1 && std::strcmp(argv[1], "font-dpi") == 0;
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(ScreenConfig(fontDpi ? 192 : 96)) < 0) {
        return 1;
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    if (!fontDpi) {
        qputenv("QT_SCALE_FACTOR", "2");
    }

    UseDevicePixels();
    QApplication app(argc, argv);
    InitKWApplication(&app);
    return RUN_ALL_TESTS();
}
