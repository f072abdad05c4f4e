#pragma once
// The calculations of the skinned window frame, kept apart from the widgets
// so that each can be checked without showing a window: background
// composition, hit-rectangle relocation, the rounded mask, the drag clamps,
// the resize-band hit test, centring, the shadow rings and the title's place.

#include "base/platform/KWWinTypes.h"

#include <QBitmap>
#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <array>
#include <string>

class QPainter;

// The twelve frame pieces, in the order R0..R11: corners, edges and edge ends.
using KWFramePieces = std::array<QRect, 12>;

// Background of W x H: the interior image scaled over everything (or the
// interior colour), then the twelve pieces cut from the skin image. Edges
// tile; the last tile may overrun and is covered by the end piece drawn after
// it. Empty pieces draw nothing.
QPixmap KWComposeFrameBackground(const QPixmap& skin, const QPixmap& interior, const QColor& interiorColor,
    const KWFramePieces& pieces, const QSize& size);

// A title button's hit rectangle after the window went from oldWidth to
// newWidth. A negative left counts from the right edge and is anchored there;
// otherwise the rectangle follows the width change. Invalid rectangles stay.
QRect KWRelocateHitRect(const QRect& hit, int newWidth, int oldWidth);

// The window mask: a rectangle of `size` whose corners are cut along quarter
// ellipses of radii a (horizontal) and b (vertical). Set bits are visible.
// With an inset the rectangle is that much smaller on every side and the
// margin around it is left out.
QBitmap KWRoundedFrameMask(const QSize& size, int a, int b, int inset = 0);

// Where a caption drag may put the window's top-left: never above the work
// area (it goes 10 pixels above its top instead) and never closer than 20
// pixels to its bottom.
QPoint KWClampDragTarget(const QPoint& target, const QRect& workArea);

// The clamps applied when a drag ends, for a window `width` wide: keep a
// margin of the work area on screens whose work area stops short of the
// screen on that side. Returns true when any applied (the window must then
// move to `target`).
bool KWClampReleaseTarget(QPoint& target, int width, const QRect& workArea, const QRect& screen);

// The resize-band hit test of a frameless window of W x H at window point
// (x, y): `overChild` says whether a child widget lies there. `handled` is
// false where the platform's own answer stands.
struct KWFrameHit {
    bool handled;
    LRESULT code;
};
KWFrameHit KWFrameHitTest(int x, int y, int width, int height, bool overChild);

// The window edges a resize-band code stands for (none for other codes).
Qt::Edges KWFrameHitEdges(LRESULT code);

// The part of a W x H window where KWFrameHitTest answers a resize band
// (clear of child widgets): the left band and the top band across the
// window. The right and bottom bands lie outside it.
QRegion KWResizeBandRegion(const QSize& size);

// The window's mask: the rounded frame inset as KWRoundedFrameMask gives
// it, and with resize bands their region too, so that a press on a band
// reaches the window even where the shadow margin is left out.
QBitmap KWFrameWindowMask(const QSize& size, int a, int b, int inset, bool resizeBands);

// The bands of a W x H window filled with the shadow's grey, for a margin
// that is not blended.
void KWPaintResizeBands(QPainter& painter, const QSize& size);

// The top-left that centres a window of `stored` size in `area`. A size
// beyond the available screen counts as the available size, or as the base
// size when that is larger; a window that still does not fit goes to the
// area's top-left.
QPoint KWCenterPosition(const QRect& area, const QSize& stored, const QSize& available, const QSize& base);

// Alpha of shadow ring i (0 innermost): 90 - 30 * sqrt(i), never below 0.
int KWShadowAlpha(int ring);

// True when a repainted region of a W x H window reaches the band along its
// edges where the s shadow rings (with their antialiased pixel) lie.
bool KWRegionReachesShadowRings(const QRegion& region, const QSize& size, int s);

// The drop shadow of a W x H window with a margin of s pixels: a grey fill
// under the frame and s fading rings around it. The rings are stroked only
// when the repainted region reaches them.
void KWPaintFrameShadow(QPainter& painter, const QSize& size, int s, const QRegion& region);

// The pixels of a W x H window's frame rectangle (inside a margin of s) that
// lie outside its corners rounded as KWRoundedFrameMask rounds them; empty
// for square corners.
QRegion KWFrameCornerRegion(const QSize& size, int a, int b, int s);
// Paints those pixels in the shadow's colour next to the frame, replacing
// what lay there: a rounded frame then shows the shadow outside its corners
// as the margin around it does.
void KWPaintShadowCorners(QPainter& painter, const QRegion& corners);

// Left edge of a title tw pixels wide in a window `width` wide: alignment 0
// the caption's left, 1 centred, 2 flush right.
int KWTitleLeft(int alignment, int captionLeft, int width, int tw);

// A skin rectangle "x,y,w,h" as a Qt rectangle, right and bottom inclusive;
// an empty text gives an invalid rectangle.
QRect KWSkinRect(const std::wstring& text);
