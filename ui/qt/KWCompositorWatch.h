#pragma once
// Follows, while the program runs, whether translucent pixels reach the
// screen blended. A compositing manager may start or stop at any time; on X11
// it announces itself by owning the selection _NET_WM_CM_S<screen>, and the X
// server tells every client that asked (XFixes selection notify) when that
// owner changes. The watch then asks again and, when the answer differs,
// says so through Changed: the frameless windows re-decide their shadow.
//
// One watch serves the process; it belongs to the application object and is
// made at first use. GUI thread only.

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

struct xcb_connection_t;

class CKWCompositorWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // The process's watch; null while there is no application object.
    static CKWCompositorWatch* Instance();

    // The answer at the last change of the selection's owner. Where the
    // window system sends no such notice, it is asked each time.
    bool Composited() const;

    // The selection's owner changed: ask again, and emit Changed when the
    // answer is not the one given before.
    void OwnerChanged();

    // Tests stand in for the window system's answer; an empty function
    // gives the window system back. The answer is taken at once.
    void SetProbe(std::function<bool()> probe);

    // Whether an X event (an xcb_generic_event_t) is XFixes' notice of a
    // new owner of `selection`, XFixes' events starting at firstEvent.
    static bool IsOwnerChange(const void* xcbEvent, uint8_t firstEvent, uint32_t selection);

    // What IsOwnerChange needs to know the notices a subscription brings.
    struct Subscription {
        uint8_t firstEvent = 0;
        uint32_t selection = 0;
    };
    // Asks the X server behind `connection` for XFixes' notices of every new
    // owner of the selection `name`: one that takes it, and the owner's
    // window or client going away. Nothing where XFixes is missing.
    static std::optional<Subscription> SubscribeToOwnerChanges(
        xcb_connection_t* connection, const QByteArray& name);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void Changed(bool composited);

private:
    explicit CKWCompositorWatch(QObject* application);
    // Asks the X server for owner-change notices of the selection; false
    // where there is no X server or no XFixes.
    bool WatchSelection();
    bool Ask() const;

    std::function<bool()> m_probe;
    bool m_composited = true;
    bool m_watching = false;
    Subscription m_subscription;
};
