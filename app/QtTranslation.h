#pragma once
// Qt's own translation (the texts of Qt's built-in menus and buttons). Only a
// Chinese one ships beside the program, so it is installed for Chinese alone:
// other languages keep Qt's English texts rather than Chinese ones.

#include <string>

class QTranslator;

// The process's one translator for Qt's own texts.
extern QTranslator g_qtTranslator;

// Removes the translator from the application, then, for language 1, loads
// "<appDir>/qt_zh_CN.qm" into it and installs it when the load succeeds.
// Returns whether it is installed afterwards.
bool ApplyQtTranslation(int language, const std::wstring& appDir);
