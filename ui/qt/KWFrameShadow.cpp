#include "ui/qt/KWFrameShadow.h"

#include <QByteArray>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

// The screen of the X display the program was started on: the part after
// the dot of DISPLAY (":0.1" is screen 1), 0 when there is none.
int DisplayScreenNumber()
{
    const QByteArray display = qgetenv("DISPLAY");
    const int colon = display.lastIndexOf(':');
    const int dot = display.indexOf('.', colon < 0 ? 0 : colon);
    return dot < 0 ? 0 : std::atoi(display.constData() + dot + 1);
}

bool SelectionHasOwner(xcb_connection_t* connection, const QByteArray& name)
{
    const xcb_intern_atom_cookie_t atomCookie
        = xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.constData());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
    // Only exists once someone asked for it: no atom, no owner.
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return false;
    }
    const xcb_get_selection_owner_cookie_t ownerCookie = xcb_get_selection_owner(connection, atom->atom);
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, ownerCookie, nullptr), &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

} // namespace

KWShadowPlan KWPlanFrameShadow(bool wanted, bool composited, int margin)
{
    KWShadowPlan plan;
    plan.paintShadow = wanted && composited;
    plan.maskInset = wanted && !composited && margin > 0 ? margin : 0;
    return plan;
}

bool KWWindowSystemComposites()
{
    auto* x11 = qApp != nullptr ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) {
        return true;
    }
    return SelectionHasOwner(x11->connection(), KWCompositorSelectionName());
}

QByteArray KWCompositorSelectionName()
{
    return "_NET_WM_CM_S" + QByteArray::number(DisplayScreenNumber());
}
