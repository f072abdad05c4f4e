#include "ui/qt/KWCompositorWatch.h"

#include "ui/qt/KWFrameShadow.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QPointer>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>
#include <memory>
#include <utility>

namespace {

template <class Reply> using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

} // namespace

CKWCompositorWatch* CKWCompositorWatch::Instance()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return nullptr;
    }
    // The application owns the watch; this only finds it again.
    static QPointer<CKWCompositorWatch> watch;
    if (watch.isNull()) {
        watch = new CKWCompositorWatch(application);
    }
    return watch.data();
}

CKWCompositorWatch::CKWCompositorWatch(QObject* application)
    : QObject(application)
{
    m_watching = WatchSelection();
    m_composited = Ask();
    if (m_watching) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

bool CKWCompositorWatch::WatchSelection()
{
    auto* x11 = qApp != nullptr ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return false;
    }
    const std::optional<Subscription> subscription
        = SubscribeToOwnerChanges(connection, KWCompositorSelectionName());
    if (!subscription) {
        return false;
    }
    m_subscription = *subscription;
    return true;
}

std::optional<CKWCompositorWatch::Subscription> CKWCompositorWatch::SubscribeToOwnerChanges(
    xcb_connection_t* connection, const QByteArray& name)
{
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (xfixes == nullptr || xfixes->present == 0) {
        return std::nullopt;
    }
    // The extension answers nothing before its version has been asked.
    const XcbReply<xcb_xfixes_query_version_reply_t> version(
        xcb_xfixes_query_version_reply(connection,
            xcb_xfixes_query_version(connection, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION),
            nullptr),
        &std::free);
    // Made if need be: the first compositing manager may come later.
    const XcbReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.constData()), nullptr),
        &std::free);
    const xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
    if (!version || !atom || roots.rem == 0) {
        return std::nullopt;
    }
    // The notices are asked for as long as the window they name lives: the
    // root window lives as long as the connection, whatever windows of ours
    // come and go.
    xcb_xfixes_select_selection_input(connection, roots.data->root, atom->atom,
        XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER
            | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY
            | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_flush(connection);
    return Subscription { xfixes->first_event, atom->atom };
}

bool CKWCompositorWatch::Ask() const
{
    return m_probe ? m_probe() : KWWindowSystemComposites();
}

bool CKWCompositorWatch::Composited() const
{
    return m_watching ? m_composited : Ask();
}

void CKWCompositorWatch::OwnerChanged()
{
    const bool composited = Ask();
    if (composited != m_composited) {
        m_composited = composited;
        emit Changed(composited);
    }
}

void CKWCompositorWatch::SetProbe(std::function<bool()> probe)
{
    m_probe = std::move(probe);
    m_composited = Ask();
}

bool CKWCompositorWatch::IsOwnerChange(const void* xcbEvent, uint8_t firstEvent, uint32_t selection)
{
    const auto* event = static_cast<const xcb_generic_event_t*>(xcbEvent);
    // The top bit only tells that another client sent the event.
    if ((event->response_type & 0x7F) != firstEvent + XCB_XFIXES_SELECTION_NOTIFY) {
        return false;
    }
    return reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event)->selection == selection;
}

bool CKWCompositorWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/)
{
    if (message != nullptr && eventType == QByteArrayLiteral("xcb_generic_event_t")
        && IsOwnerChange(message, m_subscription.firstEvent, m_subscription.selection)) {
        OwnerChanged();
    }
    // Qt follows the selection as well: the event goes on.
    return false;
}
