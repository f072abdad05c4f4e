#pragma once
// Qt events that the dialog and the main window hand to their listener in
// the same way: custom command events, timers, dropped files, close requests
// and the Windows messages that reach the native-event hook.

#include "base/platform/KWWinTypes.h"

#include <QtGlobal>

class CKWDlgTimers;
class IKWDialogEvent;
class QByteArray;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QEvent;
class QTimerEvent;

// Runs the listener's map entry for a framework custom event. Returns the
// command the window must still carry out: 1 (OK) or 2 (Cancel) for a
// command with code 0 from control 1 or 2, otherwise 0. Without a listener,
// or for another event type, nothing runs and 0 is returned.
int KWRelayCustomEvent(IKWDialogEvent* listener, QEvent* event);

// Tells the listener which of its timers fired (0 when it is none of them).
void KWRelayTimer(IKWDialogEvent* listener, const CKWDlgTimers& timers, QTimerEvent* event);

// A drag that carries URLs is accepted with its proposed action.
void KWRelayDragEnter(QDragEnterEvent* event);
// The first dropped file goes to the listener. Returns false when the drop
// named no local file.
bool KWRelayDrop(IKWDialogEvent* listener, QDropEvent* event);

// Asks the listener whether the window may close and accepts or ignores
// the request accordingly.
void KWRelayClose(IKWDialogEvent* listener, QCloseEvent* event);

// The Windows message inside a native event, when the platform delivers
// them; false everywhere else.
bool KWNativeWindowsMessage(const QByteArray& eventType, void* message, MSG* out);
