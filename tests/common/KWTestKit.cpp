#include "tests/common/KWTestKit.h"

#include "base/KWQtText.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/qt/KWCompositorWatch.h"
#include "ui/qt/KWQtSupport.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPixmap>
#include <QTest>
#include <QWheelEvent>

#include <time.h>

int KWCallRecorder::Count(const std::string& name) const
{
    int n = 0;
    for (const KWRecordedCall& call : calls) {
        n += call.name == name ? 1 : 0;
    }
    return n;
}

std::vector<std::vector<double>> KWCallRecorder::ArgsOf(const std::string& name) const
{
    std::vector<std::vector<double>> out;
    for (const KWRecordedCall& call : calls) {
        if (call.name == name) {
            out.push_back(call.args);
        }
    }
    return out;
}

KWWarningCatcher::KWWarningCatcher()
{
    s_caught = &m_warnings;
    m_previous = qInstallMessageHandler(&Catch);
}

KWWarningCatcher::~KWWarningCatcher()
{
    qInstallMessageHandler(m_previous);
    s_caught = nullptr;
}

void KWWarningCatcher::Catch(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && s_caught != nullptr) {
        s_caught->append(message);
    }
}

KWPaintCounter::KWPaintCounter(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool KWPaintCounter::eventFilter(QObject* /*watched*/, QEvent* event)
{
    m_count += event->type() == QEvent::Paint ? 1 : 0;
    return false;
}

KWEventSinkWidget::KWEventSinkWidget()
{
    resize(400, 300);
}

void KWEventSinkWidget::customEvent(QEvent* event)
{
    if (event->type() == static_cast<QEvent::Type>(KWCustomEventType())) {
        const auto* custom = static_cast<CKWCustomEvent*>(event);
        events.push_back(
            { custom->GetMessageID(), custom->GetWParam(), custom->GetLParam(), custom->GetControlID() });
    }
    QWidget::customEvent(event);
}

KWTempSkinDir::KWTempSkinDir()
    : m_previous(KWFromQString(GetSkinPath()))
{
    SetSkinPath(KWFromQString(Path()));
}

KWTempSkinDir::KWTempSkinDir(std::initializer_list<Picture> pictures)
    : KWTempSkinDir()
{
    for (const Picture& picture : pictures) {
        Add(picture.name, picture.colour, picture.size);
    }
}

KWTempSkinDir::~KWTempSkinDir()
{
    SetSkinPath(m_previous);
}

bool KWTempSkinDir::Add(const QString& name, const QColor& colour, const QSize& size)
{
    QPixmap picture(size);
    picture.fill(colour);
    return picture.save(Path() + name, "PNG");
}

QString KWTempSkinDir::Path() const
{
    return m_dir.path() + QLatin1Char('/');
}

KWStandInCompositor::KWStandInCompositor(bool owned)
    : m_owned(owned)
{
    CKWCompositorWatch::Instance()->SetProbe([this] { return m_owned; });
}

KWStandInCompositor::~KWStandInCompositor()
{
    CKWCompositorWatch::Instance()->SetProbe({});
}

void KWStandInCompositor::Set(bool owned)
{
    m_owned = owned;
    CKWCompositorWatch::Instance()->OwnerChanged();
}

QImage KWGrabImage(QWidget* widget)
{
    return widget->grab().toImage();
}

QColor KWPixelAt(QWidget* widget, int x, int y)
{
    return KWGrabImage(widget).pixelColor(x, y);
}

bool KWHasPixel(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

QRect KWInkBox(const QImage& image, const QColor& background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

void KWSendEnter(QWidget* widget, const QPointF& local)
{
    QEnterEvent event(local, widget->mapTo(widget->window(), local), widget->mapToGlobal(local));
    QCoreApplication::sendEvent(widget, &event);
}

void KWSendLeave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

bool KWSendWheel(QWidget* widget, int angleDeltaY, const QPointF& local)
{
    const QPointF at = local.x() < 0 ? QPointF(widget->rect().center()) : local;
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, angleDeltaY), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
    return event.isAccepted();
}

void KWTypeAndEnter(QWidget* widget, const QString& text)
{
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget, text);
    QTest::keyClick(widget, Qt::Key_Return);
    QCoreApplication::processEvents();
}

namespace {

void SendSceneMouse(QGraphicsScene* scene, QEvent::Type type, const QPointF& scenePos, Qt::MouseButton button,
    Qt::MouseButtons buttons)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(scenePos);
    event.setPos(scenePos);
    event.setScreenPos(scenePos.toPoint());
    event.setLastScenePos(scenePos);
    event.setLastScreenPos(scenePos.toPoint());
    event.setButton(button);
    event.setButtons(buttons);
    if (buttons & Qt::LeftButton) {
        event.setButtonDownScenePos(Qt::LeftButton, scenePos);
        event.setButtonDownScreenPos(Qt::LeftButton, scenePos.toPoint());
    }
    event.setAccepted(false);
    QCoreApplication::sendEvent(scene, &event);
}

} // namespace

void KWScenePress(QGraphicsScene* scene, const QPointF& scenePos)
{
    SendSceneMouse(scene, QEvent::GraphicsSceneMousePress, scenePos, Qt::LeftButton, Qt::LeftButton);
}

void KWSceneMove(QGraphicsScene* scene, const QPointF& scenePos, bool buttonDown)
{
    SendSceneMouse(scene, QEvent::GraphicsSceneMouseMove, scenePos, Qt::NoButton,
        buttonDown ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons(Qt::NoButton));
}

void KWSceneRelease(QGraphicsScene* scene, const QPointF& scenePos)
{
    SendSceneMouse(scene, QEvent::GraphicsSceneMouseRelease, scenePos, Qt::LeftButton, Qt::NoButton);
}

void KWSceneDrag(QGraphicsScene* scene, const QPointF& from, const std::vector<QPointF>& path)
{
    KWScenePress(scene, from);
    for (const QPointF& point : path) {
        KWSceneMove(scene, point);
    }
    KWSceneRelease(scene, path.empty() ? from : path.back());
}

double KWThreadCpuSeconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
