#include "base/KWQtText.h"

QString KWToQString(const wchar_t* text)
{
    if (text == nullptr) {
        return QString();
    }
    return QString::fromWCharArray(text);
}

QString KWToQString(const std::wstring& text)
{
    return QString::fromWCharArray(text.c_str(), static_cast<qsizetype>(text.size()));
}

std::wstring KWFromQString(const QString& text)
{
    return text.toStdWString();
}
