#pragma once
// Whether a frameless window can show its drop shadow. The shadow is a
// translucent margin around the frame; only a compositing window system
// blends it with what lies behind. Without one the margin would come out
// black, so it is cut away with the window's mask instead (shaped windows
// need no compositor) and no shadow is drawn into it.

class QByteArray;
class QWidget;

// The translucent margin every skinned frame leaves around what it draws for
// its shadow: the same 10 pixels at every scale, since the shadow's rings are
// drawn pixel by pixel rather than from the skin.
constexpr int kKWFrameShadowMargin = 10;

struct KWShadowPlan {
    bool paintShadow = false; // the grey fill and its fading rings are drawn
    int maskInset = 0; // the window's mask leaves out this many pixels on every side
};

// wanted: the window asked for its shadow; composited: translucent pixels
// reach the screen blended; margin: the shadow width around the frame.
KWShadowPlan KWPlanFrameShadow(bool wanted, bool composited, int margin);

// On X11 a screen is composited while the selection _NET_WM_CM_S<screen>
// has an owner (the compositing manager holds it). Other window systems
// compose every window, and an offscreen window keeps its alpha: true.
// Asks the window system each time; CKWCompositorWatch keeps the answer.
bool KWWindowSystemComposites();

// The selection's name for the X screen the program was started on.
QByteArray KWCompositorSelectionName();
