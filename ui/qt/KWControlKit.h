#pragma once
// What every Qt control (CKWQTxxx) shares, so that each one-pixel rule, handle
// cast and buffer bound is written once. GUI thread only.
//
// Also used from here on, and not repeated:
//   - commands to the parent window: KWSendToParent (ui/api/KWCustomEvent.h);
//   - wide text into Qt and back: KWToQString / KWFromQString (base/KWQtText.h);
//   - the skin directory and skin + name: GetSkinPath / KWSkinImagePath
//     (ui/qt/KWQtSupport.h);
//   - silencing a control's own slot: CKWScopedSilence (ui/qt/KWScopedSilence.h);
//   - a design size at the UI scale, truncated: Scaled (base/ScaledLength.h).

#include "base/platform/KWWinTypes.h"
#include "ui/qt/KWScopedSilence.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <string>

class QMimeData;
class QMovie;
class QPixmap;
class QCursor;
class QWidget;

// ---- Creation convention -------------------------------------------------
// A control's Create reads right and bottom as exclusive: {10,20,110,45} is
// 100 x 25 at (10,20).
QRect KWExclusiveRect(const RECT& rect);
// Containers (and most controls' MoveWindow(RECT*)) read them as inclusive:
// {10,20,110,45} is 101 x 26 at (10,20).
QRect KWInclusiveRect(const RECT& rect);
// Whether a Create style asks for a shown control (WS_VISIBLE).
bool KWIsVisibleStyle(DWORD style);
// The first two Create steps: the widget behind the parent handle becomes the
// parent (null makes a top-level widget) and the exclusive rectangle the
// geometry. Visibility is left to the caller (see KWShowByStyle).
void KWPlaceInParent(QWidget* widget, void* parent, const RECT& rect);
// show() when the style holds WS_VISIBLE, hide() otherwise.
void KWShowByStyle(QWidget* widget, DWORD style);
// MoveWindow(RECT*) in its two readings; a null rectangle moves nothing.
void KWMoveInclusive(QWidget* widget, const RECT* rect);
void KWMoveExclusive(QWidget* widget, const RECT* rect);
// A QRect as a RECT: both keep right and bottom inclusive.
RECT KWToRECT(const QRect& rect);
// The widget's rectangles, right and bottom inclusive: on the screen (the
// global positions of its top-left and bottom-right pixels) and in its own
// coordinates ({0, 0, width - 1, height - 1}). A null rectangle is left alone.
void KWScreenRectOf(const QWidget* widget, RECT* rect);
void KWClientRectOf(const QWidget* widget, RECT* rect);
// Screen coordinates into the widget's own, in place (a rectangle corner by
// corner); null is left alone.
void KWScreenToClient(const QWidget* widget, POINT* point);
void KWScreenToClient(const QWidget* widget, RECT* rect);

// ---- Window handles ------------------------------------------------------
// A handle is always the QWidget's own address. A CKWQTxxx derives from its
// Qt widget first and its CKWxxx second, so `this` seen as CKWxxx* is a
// different address; always go through these two. Pass the control itself
// (KWHandleFromWidget(this)): the conversion to QWidget* is what makes the
// address right.
void* KWHandleFromWidget(QWidget* widget);
QWidget* KWWidgetFromHandle(void* handle);

// ---- Wide text into caller buffers ---------------------------------------
// Copies text into buffer, whose capacity counts wchar_t units including the
// terminating NUL: at most capacity - 1 units are copied and the result is
// always terminated. Returns the number of units copied, NUL excluded.
// A null buffer or a capacity below 1 writes nothing and returns 0.
int KWCopyWideText(const QString& text, WCHAR* buffer, int capacity);
// The getters whose callers clear their buffers first: at most count units,
// no terminator. Returns the number copied; a null buffer or a count below 1
// writes nothing and returns 0.
int KWCopyWideTextUnterminated(const QString& text, WCHAR* buffer, int count);

// ---- Dropped files ---------------------------------------------------------
// The local path of the first URL a drag carries; empty when there is none,
// so that only the first of several files is ever reported.
QString KWFirstDroppedFile(const QMimeData* data);

// ---- Skin pictures -------------------------------------------------------
// Every picture a control shows is loaded here. Loads the picture at path
// into pixmap, the format taken from the file's contents, through Qt's
// picture cache. An empty path leaves pixmap untouched and returns false. A
// picture that is missing, is no regular file or cannot be decoded leaves
// pixmap null (it draws nothing), returns false and is named in one warning,
// once for each path; a failed one is not decoded again until its file
// changes.
bool KWLoadPicture(const QString& path, QPixmap& pixmap);
// KWLoadPicture read past Qt's picture cache, for a large picture shown once
// that would push the small ones of every control out of it.
bool KWReadPicture(const QString& path, QPixmap& pixmap);
// An animation's file given to movie, checked (its first frame decoded) and
// named as KWLoadPicture checks and names a picture; one that will not play
// leaves movie without a file (it shows nothing) and returns false.
bool KWLoadMovie(const QString& path, QMovie& movie);
// The picture at path as a style sheet's url(...) term (KWStyleSheetUrl),
// loaded first as KWLoadPicture loads it: Qt then draws it from the cache,
// and a picture that will draw nothing is named when the sheet is made and
// given as "none".
QString KWPictureStyleUrl(const QString& path);
// KWLoadPicture of skin directory + name.
bool KWLoadSkinPixmap(const QString& name, QPixmap& pixmap);
bool KWLoadSkinPixmap(const std::wstring& name, QPixmap& pixmap);
bool KWLoadSkinPixmap(LPCWSTR name, QPixmap& pixmap);

// ---- Hand cursor ---------------------------------------------------------
// The picture of the pointing hand, a skin picture.
extern const char* const KW_HAND_CURSOR_NAME; // "hand_pointing.png"
// The finger tip within that picture: (13, 7) at scale 1.0, scaled with
// g_uiScale because the 4K skin's picture is drawn at twice the size.
QPoint KWHandCursorHotSpot();
// Reads the hand picture from the skin directory (afresh on every call, so a
// changed skin is seen) into cursor. False, cursor untouched, when the
// picture does not load.
bool KWLoadHandCursor(QCursor& cursor);
// Gives widget the hand cursor; when the picture does not load, the widget's
// cursor stays as it was and false is returned.
bool KWSetHandCursor(QWidget* widget);
