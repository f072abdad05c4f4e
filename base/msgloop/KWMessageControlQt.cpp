#include "base/msgloop/KWMessageControlQt.h"

#include "base/msgloop/KWLoopIds.h"
#include "base/msgloop/KWMessageLoop.h"
#include "base/msgloop/KWMessageLoopManager.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

namespace CorvinaBase {

namespace {

// Messages that must not drive the loop: tasks run from these could re-enter
// painting, focus changes or shutdown.
constexpr UINT kWmSetFocus = 7;
constexpr UINT kWmKillFocus = 8;
constexpr UINT kWmEnable = 10;
constexpr UINT kWmPaint = 15;
constexpr UINT kWmClose = 16;
constexpr UINT kWmQuit = 18;
constexpr UINT kWmEraseBackground = 20;
constexpr UINT kWmSysColorChange = 21;
constexpr UINT kWmShowWindow = 24;
constexpr UINT kWmSettingChange = 26;

} // namespace

CKWMessageControl_Qt::CKWMessageControl_Qt(const boost::weak_ptr<CDelegate>& delegate)
    : CKWMessageControl(delegate)
    , m_timer(new QTimer(&m_object))
{
    m_object.SetPump(this, m_timer);
    m_timer->start(0);
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(&m_object);
    }
}

CKWMessageControl_Qt::~CKWMessageControl_Qt()
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(&m_object);
    }
    m_object.SetPump(nullptr, nullptr);
    m_timer->stop();
    delete m_timer;
    m_timer = nullptr;
}

void CKWMessageControl_Qt::Run()
{
    // The tasks of this loop run on the thread of its timer. A pass asked for
    // on another thread (a worker that owns a loop of this kind) is handed
    // over, so that two threads never drain one queue.
    if (QThread::currentThread() != m_object.thread()) {
        Notify();
        return;
    }
    if (const boost::shared_ptr<CDelegate> delegate = LockDelegate()) {
        if (delegate->ProcessQueueA() != 0 || delegate->ProcessQueueB() != 0) {
            return;
        }
    }
    m_timer->stop();
}

void CKWMessageControl_Qt::Notify()
{
    QCoreApplication::postEvent(&m_object, new QEvent(static_cast<QEvent::Type>(MsgQObject::kWakeEventType)));
}

void CKWMessageControl_Qt::Stop()
{
    // Only the timer's own thread may stop it. Asked from another thread, Qt
    // refuses yet reports the timer inactive, and the zero-interval timer
    // then fires for ever; so the stop is queued to that thread instead.
    QMetaObject::invokeMethod(m_timer, &QTimer::stop);
}

void CKWMessageControl_Qt::NotifyEx()
{
    Notify();
}

bool CKWMessageControl_Qt::FilterNativeMessage(MSG* message)
{
    if (message == nullptr) {
        return false;
    }
    switch (message->message) {
    case kWmPaint:
    case kWmClose:
    case kWmShowWindow:
    case kWmSettingChange:
    case kWmEraseBackground:
    case kWmSysColorChange:
    case kWmSetFocus:
    case kWmKillFocus:
    case kWmEnable:
    case kWmQuit:
        return false;
    default:
        break;
    }
    if (const boost::shared_ptr<CKWMessageLoop> loop = CKWMessageLoopManager::Instance()->GetLoop(ML_MAIN)) {
        if (const boost::shared_ptr<CKWMessageControl> control = loop->GetControl()) {
            control->Run();
        }
    }
    return false;
}

} // namespace CorvinaBase
