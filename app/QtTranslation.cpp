#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

QTranslator g_qtTranslator;

bool ApplyQtTranslation(int language, const std::wstring& appDir)
{
    QCoreApplication::removeTranslator(&g_qtTranslator);
    if (language != 1) {
        return false;
    }
    const QString path = QString::fromStdWString(appDir + L"/qt_zh_CN.qm");
    if (!g_qtTranslator.load(path, QString(), QString(), QString())) {
        return false;
    }
    return QCoreApplication::installTranslator(&g_qtTranslator);
}
