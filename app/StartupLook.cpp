#include "app/StartupLook.h"

#include "base/Globals.h"
#include "ui/qt/KWQtSupport.h"

#include <QApplication>
#include <QFont>
#include <QtGlobal>

void UseDevicePixels()
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    // A desktop at 200 % announces 192 DPI; fonts given in points would
    // double on top of the program's own scale.
    qputenv("QT_FONT_DPI", "96");
}

int DefaultFontPixelSize(float uiScale)
{
    return static_cast<int>(12 * static_cast<double>(uiScale));
}

StartupScale ApplyStartupLook(int availableWidth, int availableHeight, const std::wstring& appDir)
{
    const StartupScale scale = ComputeStartupScale(availableWidth, availableHeight);
    g_screenScale = scale.screenScale;
    g_uiScale = scale.uiScale;
    LoadKWStyleSheet((appDir + scale.styleSheet).c_str());
    SetKWSkinPath((appDir + scale.skinDir).c_str());
    if (qApp != nullptr) {
        QFont font = QApplication::font();
        font.setPixelSize(DefaultFontPixelSize(g_uiScale));
        QApplication::setFont(font);
    }
    return scale;
}
