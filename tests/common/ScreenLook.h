#pragma once
// The program's look at a UI scale of 1 or 2, put in place as start-up puts
// it (a 1920 x 1040 or a 3840 x 2160 screen), and the test program's own
// look back when the object goes.

#include "app/StartupLook.h"
#include "base/Globals.h"
#include "ui/qt/KWQtSupport.h"

#include <QApplication>
#include <QFont>
#include <QString>

class ScreenLook {
public:
    explicit ScreenLook(int scale)
        : m_font(QApplication::font())
        , m_skin(GetSkinPath().toStdWString())
    {
        const bool large = scale == 2;
        ApplyStartupLook(large ? 3840 : 1920, large ? 2160 : 1040, GetKWAppDirPath());
    }
    ~ScreenLook()
    {
        g_uiScale = 1.0f;
        g_screenScale = 1.0f;
        qApp->setStyleSheet(QString());
        SetSkinPath(m_skin);
        QApplication::setFont(m_font);
    }
    ScreenLook(const ScreenLook&) = delete;
    ScreenLook& operator=(const ScreenLook&) = delete;

private:
    QFont m_font;
    std::wstring m_skin;
};
