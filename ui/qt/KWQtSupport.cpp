#include "ui/qt/KWQtSupport.h"

#include "base/KWQtText.h"
#include "base/KWRegularFile.h"
#include "ui/qt/KWControlKit.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QStringList>

#include <cctype>
#include <climits>
#include <cstring>

namespace {

// The framework's globals. Built on first use, so a static initialiser in
// another file may already set them.
QPointer<QApplication>& Application()
{
    static QPointer<QApplication> app;
    return app;
}

QString& AppDir()
{
    static QString dir;
    return dir;
}

QString& StyleSheetPath()
{
    static QString path;
    return path;
}

QString& SkinDir()
{
    static QString dir;
    return dir;
}

// Reads up to four "%d" fields separated by single commas, the way the C
// scan would, stopping at the first field that does not read. Missing fields
// stay 0. Values beyond int saturate instead of overflowing.
template <typename Char> void ScanFourInts(const std::basic_string<Char>& text, long long (&out)[4])
{
    size_t i = 0;
    const size_t n = text.size();
    auto isSpace
        = [](Char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; };
    for (int field = 0; field < 4; ++field) {
        if (field > 0) {
            if (i >= n || text[i] != Char(',')) {
                return;
            }
            ++i;
        }
        while (i < n && isSpace(text[i])) {
            ++i;
        }
        bool negative = false;
        if (i < n && (text[i] == Char('+') || text[i] == Char('-'))) {
            negative = text[i] == Char('-');
            ++i;
        }
        if (i >= n || text[i] < Char('0') || text[i] > Char('9')) {
            return;
        }
        long long value = 0;
        while (i < n && text[i] >= Char('0') && text[i] <= Char('9')) {
            if (value <= INT_MAX) {
                value = value * 10 + (text[i] - Char('0'));
            }
            ++i;
        }
        value = negative ? -value : value;
        out[field] = value < INT_MIN ? INT_MIN : (value > INT_MAX ? INT_MAX : value);
    }
}

LONG Clamp(long long v)
{
    return static_cast<LONG>(v < INT_MIN ? INT_MIN : (v > INT_MAX ? INT_MAX : v));
}

template <typename Char> RECT ParseRect(const std::basic_string<Char>& text, int inclusive)
{
    long long v[4] = { 0, 0, 0, 0 };
    ScanFourInts(text, v);
    return RECT { Clamp(v[0]), Clamp(v[1]), Clamp(v[0] + v[2] - inclusive), Clamp(v[1] + v[3] - inclusive) };
}

// A colour pair read as "%x" would: blanks first, then hexadecimal digits up to
// the first other character; no digit at all gives 0, and a sign (which
// would wrap to a value no colour has) gives 0 as well.
int HexPair(const std::wstring& pair)
{
    size_t i = 0;
    while (i < pair.size() && (pair[i] == L' ' || pair[i] == L'\t')) {
        ++i;
    }
    int value = 0;
    for (; i < pair.size(); ++i) {
        const wchar_t c = pair[i];
        int digit = -1;
        if (c >= L'0' && c <= L'9') {
            digit = c - L'0';
        } else if (c >= L'a' && c <= L'f') {
            digit = c - L'a' + 10;
        } else if (c >= L'A' && c <= L'F') {
            digit = c - L'A' + 10;
        }
        if (digit < 0) {
            break;
        }
        value = value * 16 + digit;
    }
    return value;
}

QScreen* PrimaryScreen()
{
    if (Application().isNull()) {
        return nullptr;
    }
    return QGuiApplication::primaryScreen();
}

} // namespace

RECT StringToRect(const std::string& text)
{
    return ParseRect(text, 0);
}

RECT WStringToRect(const std::wstring& text)
{
    return ParseRect(text, 0);
}

RECT StringToRectInclusive(const std::string& text)
{
    return ParseRect(text, 1);
}

RECT WStringToRectInclusive(const std::wstring& text)
{
    return ParseRect(text, 1);
}

void AssignRect(RECT* dst, const RECT* src)
{
    if (dst != nullptr && src != nullptr) {
        *dst = *src;
    }
}

QColor ColorFromColorRef(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour), 255);
}

QColor ColorFromHexString(const std::wstring& text)
{
    if (text.size() != 6) {
        return QColor(0, 0, 0, 255);
    }
    return QColor(HexPair(text.substr(0, 2)), HexPair(text.substr(2, 2)), HexPair(text.substr(4, 2)), 255);
}

std::pair<int, int> QStringToIntPair(const QString& text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (parts.size() != 2) {
        return { 0, 0 };
    }
    // toInt reads base 10 in the C locale and gives 0 for anything else.
    return { parts[0].toInt(nullptr, 10), parts[1].toInt(nullptr, 10) };
}

std::pair<int, int> WStringToIntPair(const std::wstring& text)
{
    return QStringToIntPair(KWToQString(text));
}

void SetQtApplication(QApplication* app)
{
    Application() = app;
}

QApplication* GetQtApplication()
{
    return Application().data();
}

std::wstring GetAppDirPath()
{
    if (!Application().isNull()) {
        AppDir() = QCoreApplication::applicationDirPath();
    }
    return KWFromQString(AppDir());
}

void SetSkinPath(std::wstring path)
{
    SkinDir() = KWToQString(path);
}

QString GetSkinPath()
{
    return SkinDir();
}

QString KWSkinImagePath(const QString& name)
{
    return SkinDir() + name;
}

QString KWSkinImagePath(const wchar_t* name)
{
    return SkinDir() + KWToQString(name);
}

QString KWSkinImagePath(const std::wstring& name)
{
    return SkinDir() + KWToQString(name);
}

QString KWStyleSheetUrl(const QString& path)
{
    QString quoted;
    quoted.reserve(path.size() + 8);
    quoted += QStringLiteral("url(\"");
    QChar previous;
    for (const QChar c : path) {
        // Qt reads a backslash and hex digits as a character's code before
        // it reads any escape, even after an escaped backslash ("\\1b" would
        // be a backslash and U+001B): a hex digit after a backslash is
        // written as its own six-digit code, which needs no terminator.
        if (previous == QLatin1Char('\\') && c.unicode() < 0x80 && std::isxdigit(c.unicode()) != 0) {
            quoted += QStringLiteral("\\%1").arg(c.unicode(), 6, 16, QLatin1Char('0'));
            previous = c;
            continue;
        }
        // A backslash keeps the next character as it is, a line break too.
        if (c == QLatin1Char('"') || c == QLatin1Char('\\') || c == QLatin1Char('\n')
            || c == QLatin1Char('\r') || c == QLatin1Char('\f')) {
            quoted += QLatin1Char('\\');
        }
        quoted += c;
        previous = c;
    }
    quoted += QStringLiteral("\")");
    return quoted;
}

void LoadStyleSheet(std::wstring path)
{
    StyleSheetPath() = KWToQString(path);
    QApplication* app = Application().data();
    if (app == nullptr) {
        return;
    }
    // A sheet that is not there leaves the look as it is, silently; one that
    // is there but cannot be read (a pipe, a folder, a link that leads nowhere
    // or round in a loop, no permission) is named.
    if (!KWEntryExists(StyleSheetPath())) {
        return;
    }
    QFile file;
    QString reason;
    if (!KWOpenRegularQFile(file, StyleSheetPath(), QIODevice::Text, &reason)) {
        qWarning().noquote() << "Style sheet" << StyleSheetPath() << "cannot be read:" << reason;
        return;
    }
    app->setStyleSheet(QString::fromUtf8(file.readAll()));
}

QString GetStyleSheetPath()
{
    return StyleSheetPath();
}

RECT GetScreenRect()
{
    QScreen* screen = PrimaryScreen();
    return screen != nullptr ? KWToRECT(screen->geometry()) : RECT { 0, 0, 0, 0 };
}

RECT GetWorkAreaRect()
{
    QScreen* screen = PrimaryScreen();
    return screen != nullptr ? KWToRECT(screen->availableGeometry()) : RECT { 0, 0, 0, 0 };
}

QString QStringFromUtf8(const char* utf8)
{
    return utf8 != nullptr ? QString::fromUtf8(utf8, -1) : QString();
}

void Utf8ToLocal8Bit(const char* utf8, char* dst, size_t capacity)
{
    if (dst == nullptr || capacity == 0) {
        return;
    }
    const QByteArray local = QStringFromUtf8(utf8).toLocal8Bit();
    size_t length = static_cast<size_t>(local.size());
    if (length > capacity - 1) {
        length = capacity - 1;
        // Qt's local 8-bit encoding is UTF-8 on this platform: step back over
        // continuation bytes so that no character is cut in half.
        while (length > 0
            && (static_cast<unsigned char>(local[static_cast<qsizetype>(length)]) & 0xC0) == 0x80) {
            --length;
        }
    }
    std::memcpy(dst, local.constData(), length);
    dst[length] = '\0';
}

void InitKWApplication(QApplication* app)
{
    SetQtApplication(app);
}

void SetKWSkinPath(LPCWSTR path)
{
    SetSkinPath(path != nullptr ? std::wstring(path) : std::wstring());
}

void LoadKWStyleSheet(LPCWSTR path)
{
    LoadStyleSheet(path != nullptr ? std::wstring(path) : std::wstring());
}

std::wstring GetKWAppDirPath()
{
    return GetAppDirPath();
}

void KWUtf8ToLocal8Bit(const char* utf8, char* dst, size_t capacity)
{
    Utf8ToLocal8Bit(utf8, dst, capacity);
}

void AddAppDirLibraryPath()
{
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath());
    }
}
