#include "ui/qt/KWDialogRelay.h"

#include "base/KWQtText.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/api/KWDialog.h"
#include "ui/qt/KWDlgTimers.h"

#include <QByteArray>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimerEvent>
#include <QUrl>

#include <string>

int KWRelayCustomEvent(IKWDialogEvent* listener, QEvent* event)
{
    if (listener == nullptr || event == nullptr || event->type() != KWCustomEventType()) {
        return 0;
    }
    auto* custom = static_cast<CKWCustomEvent*>(event);
    KWDispatchCustomEvent(listener, custom);
    if (custom->GetMessageID() == WM_COMMAND && custom->GetWParam() == 0) {
        if (custom->GetControlID() == 1) {
            return 1;
        }
        if (custom->GetControlID() == 2) {
            return 2;
        }
    }
    return 0;
}

void KWRelayTimer(IKWDialogEvent* listener, const CKWDlgTimers& timers, QTimerEvent* event)
{
    if (listener != nullptr) {
        listener->OnDlgTimer(timers.IdOf(event->timerId()));
    }
}

void KWRelayDragEnter(QDragEnterEvent* event)
{
    if (event->mimeData() != nullptr && event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

bool KWRelayDrop(IKWDialogEvent* listener, QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data == nullptr || !data->hasUrls() || data->urls().isEmpty()) {
        return false;
    }
    const QString path = data->urls().first().toLocalFile();
    if (path.isEmpty()) {
        return false;
    }
    if (listener != nullptr) {
        const std::wstring wide = KWFromQString(path);
        listener->OnDlgFileDrop(wide.c_str());
    }
    return true;
}

void KWRelayClose(IKWDialogEvent* listener, QCloseEvent* event)
{
    if (listener != nullptr && listener->Dlg_Close() != 0) {
        event->ignore();
    } else {
        event->accept();
    }
}

bool KWNativeWindowsMessage(const QByteArray& eventType, void* message, MSG* out)
{
    // Only the Windows platform plugin delivers "windows_generic_MSG"; its
    // record has the layout of our MSG.
    if (message == nullptr || out == nullptr || eventType != QByteArrayLiteral("windows_generic_MSG")) {
        return false;
    }
    *out = *static_cast<const MSG*>(message);
    return true;
}
