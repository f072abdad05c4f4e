#include "base/msgloop/MsgQObject.h"

#include "base/KWDiagnostics.h"
#include "base/msgloop/KWLoopIds.h"
#include "base/msgloop/KWMessageControl.h"
#include "base/msgloop/KWMessageLoop.h"
#include "base/msgloop/KWMessageLoopManager.h"

#include <QEvent>
#include <QTimer>
#include <QTimerEvent>

namespace CorvinaBase {

bool MsgQObject::event(QEvent* e)
{
    if (e != nullptr && e->type() == static_cast<QEvent::Type>(kWakeEventType) && m_timer != nullptr
        && !m_timer->isActive()) {
        m_timer->start(0);
    }
    return false;
}

bool MsgQObject::eventFilter(QObject* /*watched*/, QEvent* e)
{
    if (e == nullptr) {
        return false;
    }
    switch (e->type()) {
    case QEvent::Timer: {
        if (m_timer == nullptr || static_cast<QTimerEvent*>(e)->timerId() != m_timer->timerId()) {
            return false;
        }
        const boost::shared_ptr<CKWMessageLoop> loop = CKWMessageLoopManager::Instance()->GetLoop(ML_MAIN);
        if (!loop) {
            // Nothing to serve: a zero-interval timer left running here would
            // spin the GUI thread. The next post starts it again.
            m_timer->stop();
            return false;
        }
        if (const boost::shared_ptr<CKWMessageControl> control = loop->GetControl()) {
            control->Run();
        }
        return true;
    }
    case QEvent::ApplicationActivate:
        qCDebug(KWDiagnostics, "ApplicationActivate == %s", "true");
        return false;
    case QEvent::ApplicationDeactivate:
        qCDebug(KWDiagnostics, "ApplicationActivate == %s", "false");
        return false;
    default:
        return false;
    }
}

} // namespace CorvinaBase
