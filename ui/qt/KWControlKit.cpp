#include "ui/qt/KWControlKit.h"

#include "base/Globals.h"
#include "base/KWFileStamp.h"
#include "base/KWQtText.h"
#include "ui/qt/KWQtSupport.h"

#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QMovie>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>

const char* const KW_HAND_CURSOR_NAME = "hand_pointing.png";

QRect KWExclusiveRect(const RECT& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

QRect KWInclusiveRect(const RECT& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left + 1, rect.bottom - rect.top + 1);
}

bool KWIsVisibleStyle(DWORD style)
{
    return (style & WS_VISIBLE) != 0;
}

void KWPlaceInParent(QWidget* widget, void* parent, const RECT& rect)
{
    if (widget == nullptr) {
        return;
    }
    widget->setParent(KWWidgetFromHandle(parent));
    widget->setGeometry(KWExclusiveRect(rect));
}

void KWShowByStyle(QWidget* widget, DWORD style)
{
    if (widget == nullptr) {
        return;
    }
    if (KWIsVisibleStyle(style)) {
        widget->show();
    } else {
        widget->hide();
    }
}

void KWMoveInclusive(QWidget* widget, const RECT* rect)
{
    if (widget != nullptr && rect != nullptr) {
        widget->setGeometry(KWInclusiveRect(*rect));
    }
}

void KWMoveExclusive(QWidget* widget, const RECT* rect)
{
    if (widget != nullptr && rect != nullptr) {
        widget->setGeometry(KWExclusiveRect(*rect));
    }
}

RECT KWToRECT(const QRect& rect)
{
    return RECT { rect.left(), rect.top(), rect.right(), rect.bottom() };
}

void KWScreenRectOf(const QWidget* widget, RECT* rect)
{
    if (widget != nullptr && rect != nullptr) {
        const QRect own = widget->rect();
        *rect = KWToRECT(QRect(widget->mapToGlobal(own.topLeft()), widget->mapToGlobal(own.bottomRight())));
    }
}

void KWClientRectOf(const QWidget* widget, RECT* rect)
{
    if (widget != nullptr && rect != nullptr) {
        *rect = KWToRECT(widget->rect());
    }
}

void KWScreenToClient(const QWidget* widget, POINT* point)
{
    if (widget != nullptr && point != nullptr) {
        const QPoint local = widget->mapFromGlobal(QPoint(point->x, point->y));
        *point = POINT { local.x(), local.y() };
    }
}

void KWScreenToClient(const QWidget* widget, RECT* rect)
{
    if (widget != nullptr && rect != nullptr) {
        const QPoint topLeft = widget->mapFromGlobal(QPoint(rect->left, rect->top));
        const QPoint bottomRight = widget->mapFromGlobal(QPoint(rect->right, rect->bottom));
        *rect = RECT { topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y() };
    }
}

QString KWFirstDroppedFile(const QMimeData* data)
{
    if (data == nullptr || data->urls().isEmpty()) {
        return QString();
    }
    return data->urls().first().toLocalFile();
}

void* KWHandleFromWidget(QWidget* widget)
{
    return static_cast<void*>(widget);
}

QWidget* KWWidgetFromHandle(void* handle)
{
    return static_cast<QWidget*>(handle);
}

int KWCopyWideTextUnterminated(const QString& text, WCHAR* buffer, int count)
{
    if (buffer == nullptr || count < 1) {
        return 0;
    }
    const std::wstring wide = KWFromQString(text);
    const size_t copied = std::min(wide.size(), static_cast<size_t>(count));
    std::memcpy(buffer, wide.data(), copied * sizeof(WCHAR));
    return static_cast<int>(copied);
}

int KWCopyWideText(const QString& text, WCHAR* buffer, int capacity)
{
    if (buffer == nullptr || capacity < 1) {
        return 0;
    }
    const int copied = KWCopyWideTextUnterminated(text, buffer, capacity - 1);
    buffer[copied] = L'\0';
    return copied;
}

namespace {

bool ReadPastCache(const QString& path, QPixmap& pixmap)
{
    QImageReader reader(path);
    pixmap = QPixmap::fromImageReader(&reader);
    return !pixmap.isNull();
}

// Names a picture that is missing, is no regular file or does not decode in
// one warning, once for each path; decode loads it, or gives Qt's reason.
bool LoadNamed(const QString& path, const std::function<bool(QString& error)>& decode)
{
    if (path.isEmpty()) {
        return false;
    }
    // A picture that failed is not decoded again, nor named again, until
    // its file changes: every control of a kind asks for the same pictures.
    static std::map<QString, KWFileStamp> failed;
    const KWFileStamp stamp = GetFileStamp(QFile::encodeName(path).toStdString());
    const auto known = failed.find(path);
    if (known != failed.end() && known->second == stamp) {
        return false;
    }
    const QFileInfo file(path);
    QString reason;
    QString error;
    if (!stamp.exists) {
        reason = QStringLiteral("is missing");
    } else if (!file.isFile()) {
        // Reading a pipe would wait for a writer.
        reason = QStringLiteral("is not a regular file");
    } else if (decode(error)) {
        return true;
    } else {
        reason = QStringLiteral("cannot be read as a picture (%1)").arg(error);
    }
    const bool named = known != failed.end();
    failed[path] = stamp;
    if (!named) {
        qWarning().noquote() << "Skin picture" << QDir::toNativeSeparators(path) << reason
                             << "- it shows empty";
    }
    return false;
}

bool LoadPicture(const QString& path, QPixmap& pixmap, bool cached)
{
    const bool loaded = LoadNamed(path, [&](QString& error) {
        if (cached ? pixmap.load(path) : ReadPastCache(path, pixmap)) {
            return true;
        }
        // Only a picture that failed is read again, for Qt's reason.
        QImageReader reader(path);
        reader.read();
        error = reader.errorString();
        return false;
    });
    if (!loaded && !path.isEmpty()) {
        pixmap = QPixmap();
    }
    return loaded;
}

} // namespace

bool KWLoadPicture(const QString& path, QPixmap& pixmap)
{
    return LoadPicture(path, pixmap, true);
}

bool KWReadPicture(const QString& path, QPixmap& pixmap)
{
    return LoadPicture(path, pixmap, false);
}

bool KWLoadMovie(const QString& path, QMovie& movie)
{
    const bool loaded = LoadNamed(path, [&](QString& error) {
        // A movie looks at the file's header only: its first frame is
        // decoded here, as a picture would be.
        QImageReader reader(path);
        if (reader.read().isNull()) {
            error = reader.errorString();
            return false;
        }
        movie.setFileName(path);
        error = movie.lastErrorString();
        return movie.isValid();
    });
    if (!loaded && !path.isEmpty()) {
        movie.setFileName(QString());
    }
    return loaded;
}

QString KWPictureStyleUrl(const QString& path)
{
    // A picture that draws nothing is left out of the sheet: Qt would try to
    // decode it again at every paint.
    QPixmap picture;
    return KWLoadPicture(path, picture) ? KWStyleSheetUrl(path) : QStringLiteral("none");
}

bool KWLoadSkinPixmap(const QString& name, QPixmap& pixmap)
{
    if (name.isEmpty()) {
        return false;
    }
    return KWLoadPicture(KWSkinImagePath(name), pixmap);
}

bool KWLoadSkinPixmap(const std::wstring& name, QPixmap& pixmap)
{
    return KWLoadSkinPixmap(KWToQString(name), pixmap);
}

bool KWLoadSkinPixmap(LPCWSTR name, QPixmap& pixmap)
{
    return KWLoadSkinPixmap(KWToQString(name), pixmap);
}

QPoint KWHandCursorHotSpot()
{
    const double scale = static_cast<double>(g_uiScale);
    return QPoint(static_cast<int>(std::lround(13.0 * scale)), static_cast<int>(std::lround(7.0 * scale)));
}

bool KWLoadHandCursor(QCursor& cursor)
{
    QPixmap picture;
    if (!KWLoadSkinPixmap(QString::fromLatin1(KW_HAND_CURSOR_NAME), picture) || picture.isNull()) {
        return false;
    }
    const QPoint hotSpot = KWHandCursorHotSpot();
    cursor = QCursor(picture, hotSpot.x(), hotSpot.y());
    return true;
}

bool KWSetHandCursor(QWidget* widget)
{
    if (widget == nullptr) {
        return false;
    }
    QCursor cursor;
    if (!KWLoadHandCursor(cursor)) {
        return false;
    }
    widget->setCursor(cursor);
    return true;
}
