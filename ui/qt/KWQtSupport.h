#pragma once
// What every Qt control leans on: the text forms of skin records (rectangles,
// colours, integer pairs), UTF-8 to Qt and to the local 8-bit encoding, the
// application object and its directory, the skin directory, the application
// style sheet and the screen geometry. GUI thread only.

#include "base/platform/KWWinTypes.h"

#include <QColor>
#include <QString>

#include <cstddef>
#include <string>
#include <utility>

class QApplication;

// Skin rectangles are "x,y,w,h". Fields missing or unreadable count as 0 and
// reading stops at the first one that is not a number, so "5,6" is x 5, y 6,
// w 0, h 0. Exclusive: {x, y, x+w, y+h}; inclusive: {x, y, x+w-1, y+h-1}.
RECT StringToRect(const std::string& text);
RECT WStringToRect(const std::wstring& text);
RECT StringToRectInclusive(const std::string& text);
RECT WStringToRectInclusive(const std::wstring& text);
void AssignRect(RECT* dst, const RECT* src);

// 0x00BBGGRR, opaque.
QColor ColorFromColorRef(COLORREF colour);
// "RRGGBB", opaque. Each pair reads as "%x" reads it: blanks (spaces, tabs)
// before its digits are skipped, so "FF 8 F" is 255, 8, 15, and the digits
// end at the first other character; a pair without a hexadecimal digit, or
// with a sign, is 0. Any length but 6 is black.
QColor ColorFromHexString(const std::wstring& text);

// "a,b" with blanks around it; anything but exactly two comma-separated parts
// gives {0, 0}, and a part that is not a number gives 0.
std::pair<int, int> WStringToIntPair(const std::wstring& text);
std::pair<int, int> QStringToIntPair(const QString& text);

// The application object the framework works with; null until set, and again
// null once that object is gone.
void SetQtApplication(QApplication* app);
QApplication* GetQtApplication();
// The program's directory without a trailing separator; empty until the
// application is set, then the last directory seen.
std::wstring GetAppDirPath();

// The directory skin pictures are loaded from, stored as given: callers pass
// it with its trailing '/'.
void SetSkinPath(std::wstring path);
QString GetSkinPath();
// The skin directory followed by the picture's name, joined as they stand.
QString KWSkinImagePath(const QString& name);
QString KWSkinImagePath(const wchar_t* name);
QString KWSkinImagePath(const std::wstring& name);

// A picture's path as a style sheet's url(...) term that Qt reads back as
// exactly that path, whatever it holds: quoted, with the quote, the backslash
// and line breaks escaped, and a hex digit after a backslash written as its
// code. Left bare, a folder named with an apostrophe, an
// '&', a space, a parenthesis or a letter beyond ASCII breaks the whole sheet.
QString KWStyleSheetUrl(const QString& path);

// Makes the file's text the application's style sheet. A missing file, or
// no application, is passed over silently; a file that is there and does not
// open (no regular file, no permission) is named in a warning with why.
void LoadStyleSheet(std::wstring path);
// The last path given to LoadStyleSheet.
QString GetStyleSheetPath();

// The primary screen's whole and available areas with Qt's inclusive right
// and bottom; all zero with no application or no screen.
RECT GetScreenRect();
RECT GetWorkAreaRect();

// Null gives an empty string.
QString QStringFromUtf8(const char* utf8);

// The text in the local 8-bit encoding, copied into dst of `capacity` bytes:
// cut at a character boundary to at most capacity - 1 bytes and always
// terminated (nothing is written when capacity is 0).
void Utf8ToLocal8Bit(const char* utf8, char* dst, size_t capacity = 256);

// Start-up entry points of the application.
void InitKWApplication(QApplication* app);
void SetKWSkinPath(LPCWSTR path);
void LoadKWStyleSheet(LPCWSTR path);
std::wstring GetKWAppDirPath();
void KWUtf8ToLocal8Bit(const char* utf8, char* dst, size_t capacity = 256);
// Lets Qt find plug-ins beside the program.
void AddAppDirLibraryPath();
