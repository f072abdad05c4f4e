#include "ui/api/KWCustomEvent.h"

#include "ui/api/KWEventBase.h"

#include <QCoreApplication>
#include <QObject>

#include <limits>

int KWCustomEventType()
{
    static const int type = QEvent::registerEventType(-1);
    return type;
}

namespace {

// Register before main, as the windows' event handlers compare against the
// type from their first event on.
[[maybe_unused]] const int s_registeredAtLoad = KWCustomEventType();

} // namespace

CKWCustomEvent::CKWCustomEvent(UINT message, WPARAM wParam, LPARAM lParam, UINT id)
    : QEvent(static_cast<QEvent::Type>(KWCustomEventType())), m_message(message), m_wParam(wParam), m_lParam(lParam),
      m_id(id)
{
}

CKWCustomEvent::~CKWCustomEvent() = default;

int KWDispatchCustomEvent(CKWEventBase* listener, CKWCustomEvent* event)
{
    if (listener == nullptr || event == nullptr) {
        return 0;
    }
    const KW_MSGMAP* map = listener->GetKWMessageMap();
    if (map == nullptr) {
        return 0;
    }
    // Map codes are 32-bit; a wider code can match no entry.
    if (event->GetWParam() > std::numeric_limits<UINT>::max()) {
        return 0;
    }
    const KW_MSGMAP_ENTRY* entry = FindMessageEntry(map->lpEntries, event->GetMessageID(),
                                                    static_cast<UINT>(event->GetWParam()), event->GetControlID());
    if (entry == nullptr || entry->pfn == nullptr) {
        return 0;
    }
    switch (entry->nSig) {
    case KWSig_v:
        entry->pfn(listener, 0, 0);
        return 1;
    case KWSig_notify: {
        // The handler's second argument is where it writes its result; it
        // gets a real variable, never the control id. The id is in the
        // header's idFrom.
        LRESULT result = 0;
        entry->pfn(listener, static_cast<WPARAM>(event->GetLParam()), reinterpret_cast<LPARAM>(&result));
        return 1;
    }
    case KWSig_wl:
        entry->pfn(listener, static_cast<WPARAM>(event->GetLParam()), static_cast<LPARAM>(event->GetControlID()));
        return 1;
    default:
        return 0;
    }
}

int KWSendToParent(QObject* sender, UINT message, WPARAM code, LPARAM lParam, UINT id)
{
    if (sender == nullptr) {
        return 0;
    }
    QObject* parent = sender->parent();
    if (parent == nullptr) {
        return 0;
    }
    CKWCustomEvent event(message, code, lParam, id);
    QCoreApplication::sendEvent(parent, &event);
    return 1;
}
