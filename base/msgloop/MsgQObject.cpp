#include "base/msgloop/MsgQObject.h"

#include "base/KWDiagnostics.h"
#include "base/msgloop/KWMessageControl.h"

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
        if (m_timer == nullptr || m_pump == nullptr || static_cast<QTimerEvent*>(e)->timerId() != m_timer->timerId()) {
            return false;
        }
        // Each pump's timer drives its own loop: handing the tick to another
        // loop would leave this one's tasks waiting and its timer running.
        m_pump->Run();
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
