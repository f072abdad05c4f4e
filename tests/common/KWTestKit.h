#pragma once
// Helpers shared by the widget and scene tests: record what a listener or a
// parent window was told, give controls a skin of solid colours, read pixels
// back, and send the events QTest cannot make on the offscreen platform
// (enter, leave, wheel) or that scene items need (mouse on a scene).

#include "base/platform/KWWinTypes.h"

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <QtGlobal>

#include <initializer_list>
#include <string>
#include <vector>

class QGraphicsScene;

// ---- Call-recording listener ---------------------------------------------
// One call a listener received: its name, its numeric arguments in order (ids,
// values, coordinates; every int and UINT is exact in a double) and, for
// callbacks that carry one, a text.
struct KWRecordedCall {
    std::string name;
    std::vector<double> args;
    std::wstring text;
};

// Derive a test listener from the event interface and from this, and record
// each callback:
//     struct Listener : IKWDoubleSpinerEvent, KWCallRecorder {
//         void OnCurrentNumChanged(UINT id, double v) override { Record("OnCurrentNumChanged", id, v); }
//     };
class KWCallRecorder {
public:
    template <typename... Args> void Record(const char* name, Args... args)
    {
        calls.push_back(KWRecordedCall { name, { static_cast<double>(args)... }, {} });
    }
    template <typename... Args> void RecordText(const char* name, const wchar_t* text, Args... args)
    {
        calls.push_back(KWRecordedCall { name, { static_cast<double>(args)... }, text ? text : L"" });
    }

    // How many calls of that name were recorded.
    int Count(const std::string& name) const;
    // The argument lists of every call of that name, oldest first.
    std::vector<std::vector<double>> ArgsOf(const std::string& name) const;
    void Clear() { calls.clear(); }

    std::vector<KWRecordedCall> calls;
};

// ---- Warnings --------------------------------------------------------------
// Keeps every warning (and worse) Qt's message handler gets while it lives;
// debug and info output passes by. One at a time.
class KWWarningCatcher {
public:
    KWWarningCatcher();
    ~KWWarningCatcher();
    KWWarningCatcher(const KWWarningCatcher&) = delete;
    KWWarningCatcher& operator=(const KWWarningCatcher&) = delete;

    const QStringList& Warnings() const { return m_warnings; }
    void Clear() { m_warnings.clear(); }

private:
    static void Catch(QtMsgType type, const QMessageLogContext& context, const QString& message);
    static inline QStringList* s_caught = nullptr;
    QStringList m_warnings;
    QtMessageHandler m_previous = nullptr;
};

// ---- Parent window that records custom events ----------------------------
struct KWReceivedEvent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;
};

// Give it to a control's Create as the parent (its handle is the widget's
// address); every CKWCustomEvent the control sends it is kept in order.
class KWEventSinkWidget : public QWidget {
public:
    KWEventSinkWidget();
    void* Handle() { return static_cast<void*>(static_cast<QWidget*>(this)); }

    std::vector<KWReceivedEvent> events;

protected:
    void customEvent(QEvent* event) override;
};

// ---- Paint events ----------------------------------------------------------
// Counts the paint events a widget gets while the object lives.
class KWPaintCounter : public QObject {
public:
    explicit KWPaintCounter(QWidget* widget);
    int Count() const { return m_count; }
    void Reset() { m_count = 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_count = 0;
};

// ---- Temporary skin directory --------------------------------------------
// A directory of small solid-colour PNGs that is the skin directory while the
// object lives; the previous skin directory comes back afterwards.
class KWTempSkinDir {
public:
    struct Picture {
        QString name;
        QColor colour;
        QSize size;
    };

    KWTempSkinDir();
    explicit KWTempSkinDir(std::initializer_list<Picture> pictures);
    ~KWTempSkinDir();
    KWTempSkinDir(const KWTempSkinDir&) = delete;
    KWTempSkinDir& operator=(const KWTempSkinDir&) = delete;

    // Writes name as a PNG of the colour and size (default 16 x 16).
    bool Add(const QString& name, const QColor& colour, const QSize& size = QSize(16, 16));
    // The directory with its trailing '/', as the skin directory is set.
    QString Path() const;

private:
    QTemporaryDir m_dir;
    std::wstring m_previous;
};

// ---- Compositing manager ---------------------------------------------------
// Stands in for the owner of the compositing manager's selection while the
// object lives: the frames see a compositor exactly while it is owned. Set
// changes the owner as a manager that starts or stops does, and the watch
// hears of it as from the X server.
class KWStandInCompositor {
public:
    explicit KWStandInCompositor(bool owned);
    ~KWStandInCompositor();
    KWStandInCompositor(const KWStandInCompositor&) = delete;
    KWStandInCompositor& operator=(const KWStandInCompositor&) = delete;

    void Set(bool owned);

private:
    bool m_owned;
};

// ---- Pixels --------------------------------------------------------------
// The widget as it paints now (grab()), and one pixel of it.
QImage KWGrabImage(QWidget* widget);
QColor KWPixelAt(QWidget* widget, int x, int y);
// Whether any pixel of the image is exactly that colour.
bool KWHasPixel(const QImage& image, const QColor& colour);
// The smallest rectangle holding every pixel that is not the background
// colour (what was drawn on it); null when there is none.
QRect KWInkBox(const QImage& image, const QColor& background);

// ---- Enter, leave, wheel -------------------------------------------------
// Delivered with QCoreApplication::sendEvent; positions are local to widget.
void KWSendEnter(QWidget* widget, const QPointF& local = QPointF(1, 1));
void KWSendLeave(QWidget* widget);
// One notch is 120; positive turns away from the user. Returns whether the
// widget accepted the event.
bool KWSendWheel(QWidget* widget, int angleDeltaY, const QPointF& local = QPointF(-1, -1));

// ---- Keys -------------------------------------------------------------------
// A value entered as the user enters it: the field's text selected (Ctrl+A),
// the text typed key by key, then Enter; each a real key event.
void KWTypeAndEnter(QWidget* widget, const QString& text);

// ---- Mouse on a graphics scene -------------------------------------------
// Sent to the scene itself, which finds the item under the point, lets a
// press make it the mouse grabber and sends it the moves and the release:
// the path a real drag takes. Button: left.
void KWScenePress(QGraphicsScene* scene, const QPointF& scenePos);
void KWSceneMove(QGraphicsScene* scene, const QPointF& scenePos, bool buttonDown = true);
void KWSceneRelease(QGraphicsScene* scene, const QPointF& scenePos);
// Press at from, move through each point, release at the last one (or at
// from when there is none).
void KWSceneDrag(QGraphicsScene* scene, const QPointF& from, const std::vector<QPointF>& path);

// ---- Time ------------------------------------------------------------------
// Processor time this thread has used, in seconds: a bound on it holds
// however busy the machine is with other work.
double KWThreadCpuSeconds();
