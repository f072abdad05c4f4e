#pragma once
// The one crossing between the framework's wide text and Qt's strings.
// wchar_t holds UTF-32 code points here, which QString::fromWCharArray and
// toStdWString understand directly.

#include <QString>

#include <string>

// A null pointer gives an empty string.
QString KWToQString(const wchar_t* text);
QString KWToQString(const std::wstring& text);
std::wstring KWFromQString(const QString& text);
