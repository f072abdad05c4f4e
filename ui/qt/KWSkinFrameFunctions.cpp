#include "ui/qt/KWSkinFrameFunctions.h"

#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

QPixmap KWComposeFrameBackground(const QPixmap& skin, const QPixmap& interior, const QColor& interiorColor,
    const KWFramePieces& pieces, const QSize& size)
{
    if (size.isEmpty()) {
        return QPixmap();
    }
    QPixmap background(size);
    background.fill(Qt::transparent);
    QPainter painter(&background);
    const QRect whole(QPoint(0, 0), size);
    if (!interior.isNull()) {
        painter.drawPixmap(whole, interior);
    } else {
        painter.fillRect(whole, interiorColor);
    }

    const int W = size.width();
    const int H = size.height();
    auto w = [&](int i) { return std::max(0, pieces[i].width()); };
    auto h = [&](int i) { return std::max(0, pieces[i].height()); };
    // Qt reads an empty source rectangle as "the rest of the picture", so an
    // empty piece is skipped rather than handed on.
    auto draw = [&](int i, int x, int y) {
        if (pieces[i].isValid()) {
            painter.drawPixmap(QPoint(x, y), skin, pieces[i]);
        }
    };
    // A piece without extent would never advance the tiling.
    auto tileRight = [&](int i, int x, int y, int limit) {
        for (; pieces[i].isValid() && x < limit; x += w(i)) {
            draw(i, x, y);
        }
    };
    auto tileDown = [&](int i, int x, int y, int limit) {
        for (; pieces[i].isValid() && y < limit; y += h(i)) {
            draw(i, x, y);
        }
    };

    const int T = h(0);
    const int B = h(9);
    draw(0, 0, 0);
    tileRight(1, w(0), 0, W - w(2));
    draw(2, W - w(2), 0);
    draw(3, 0, T);
    tileDown(4, 0, T + h(3), H - B - h(5));
    draw(5, 0, H - B - h(5));
    draw(6, W - w(6), T);
    tileDown(7, W - w(7), T + h(6), H - B - h(8));
    draw(8, W - w(8), H - B - h(8));
    draw(9, 0, H - h(9));
    tileRight(10, w(9), H - h(10), W - w(11));
    draw(11, W - w(11), H - h(11));
    return background;
}

QRect KWRelocateHitRect(const QRect& hit, int newWidth, int oldWidth)
{
    if (!hit.isValid()) {
        return hit;
    }
    if (hit.left() >= 0) {
        return hit.translated(newWidth - oldWidth, 0);
    }
    QRect moved = hit;
    moved.moveLeft(hit.left() + newWidth);
    return moved;
}

QBitmap KWRoundedFrameMask(const QSize& size, int a, int b, int inset)
{
    if (size.isEmpty()) {
        return QBitmap();
    }
    const qreal W = size.width() - 2 * inset;
    const qreal H = size.height() - 2 * inset;
    QBitmap mask(size);
    mask.clear();
    QPainterPath path;
    path.moveTo(a, 0);
    path.arcTo(QRectF(0, 0, 2 * a, 2 * b), 90, 90);
    path.lineTo(0, H - b);
    path.arcTo(QRectF(0, H - 2 * b, 2 * a, 2 * b), 180, 90);
    path.lineTo(W - a, H);
    path.arcTo(QRectF(W - 2 * a, H - 2 * b, 2 * a, 2 * b), 270, 90);
    path.lineTo(W, b);
    path.arcTo(QRectF(W - 2 * a, 0, 2 * a, 2 * b), 0, 90);
    path.lineTo(a, 0);
    path.translate(inset, inset);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, QBrush(Qt::color1));
    return mask;
}

QPoint KWClampDragTarget(const QPoint& target, const QRect& workArea)
{
    QPoint clamped = target;
    if (clamped.y() < workArea.top()) {
        clamped.setY(workArea.top() - 10);
    } else if (workArea.bottom() - clamped.y() < 20) {
        clamped.setY(workArea.bottom() - 20);
    }
    return clamped;
}

bool KWClampReleaseTarget(QPoint& target, int width, const QRect& workArea, const QRect& screen)
{
    const int margin = workArea.top();
    bool applied = false;
    if (workArea.bottom() < screen.bottom() && workArea.bottom() < target.y() + margin) {
        target.setY(workArea.bottom() - margin);
        applied = true;
    }
    if (workArea.left() > screen.left() && workArea.left() > target.x() + width - margin) {
        target.setX(workArea.left() + margin - width);
        applied = true;
    }
    if (workArea.right() < screen.right() && workArea.right() < target.x() + margin) {
        target.setX(workArea.right() - margin);
        applied = true;
    }
    return applied;
}

namespace {

// The resize bands in window coordinates, first and last pixel: the left
// one and the top corner's rows near the window's own edges, the top band
// below the caption, the right and bottom ones beyond the width and height.
constexpr int kLeftBandFirst = 6;
constexpr int kLeftBandLast = 8;
constexpr int kTopCornerFirst = 6;
constexpr int kTopCornerLast = 8;
constexpr int kTopBandFirst = 30;
constexpr int kTopBandLast = 34;
constexpr int kRightBandFirst = 1; // past the width
constexpr int kRightBandLast = 8;
constexpr int kBottomBandFirst = 26; // past the height
constexpr int kBottomBandLast = 29;

const QColor kShadowGrey(82, 82, 82);

bool Within(int value, int first, int last)
{
    return value >= first && value <= last;
}

} // namespace

KWFrameHit KWFrameHitTest(int x, int y, int width, int height, bool overChild)
{
    const bool leftBand = Within(x, kLeftBandFirst, kLeftBandLast);
    const bool rightBand = Within(x, width + kRightBandFirst, width + kRightBandLast);
    const bool topBand = Within(y, kTopBandFirst, kTopBandLast);
    const bool bottomBand = Within(y, height + kBottomBandFirst, height + kBottomBandLast);
    const bool topCorner = Within(y, kTopCornerFirst, kTopCornerLast);

    LRESULT code = HTCAPTION;
    if (overChild && !leftBand) {
        // Over a control only the left band belongs to the frame.
        return { false, HTNOWHERE };
    }
    if (leftBand) {
        code = HTLEFT;
    }
    if (rightBand) {
        code = HTRIGHT;
    }
    if (topBand) {
        code = HTTOP;
    }
    if (bottomBand) {
        code = HTBOTTOM;
    }
    if (leftBand && topCorner) {
        code = HTTOPLEFT;
    }
    if (leftBand && bottomBand) {
        code = HTBOTTOMLEFT;
    }
    if (rightBand && bottomBand) {
        code = HTBOTTOMRIGHT;
    }
    // The caption is left to the window's own drag.
    return { code != HTCAPTION, code };
}

Qt::Edges KWFrameHitEdges(LRESULT code)
{
    switch (code) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

QRegion KWResizeBandRegion(const QSize& size)
{
    const QRect window(QPoint(0, 0), size);
    QRegion bands(QRect(QPoint(kLeftBandFirst, 0), QPoint(kLeftBandLast, size.height() - 1)));
    bands += QRect(QPoint(0, kTopBandFirst), QPoint(size.width() - 1, kTopBandLast));
    bands += QRect(
        QPoint(size.width() + kRightBandFirst, 0), QPoint(size.width() + kRightBandLast, size.height() - 1));
    bands += QRect(QPoint(0, size.height() + kBottomBandFirst),
        QPoint(size.width() - 1, size.height() + kBottomBandLast));
    return bands.intersected(window);
}

QBitmap KWFrameWindowMask(const QSize& size, int a, int b, int inset, bool resizeBands)
{
    QBitmap mask = KWRoundedFrameMask(size, a, b, inset);
    if (resizeBands && !mask.isNull()) {
        QPainter painter(&mask);
        for (const QRect& band : KWResizeBandRegion(size)) {
            painter.fillRect(band, Qt::color1);
        }
    }
    return mask;
}

void KWPaintResizeBands(QPainter& painter, const QSize& size)
{
    for (const QRect& band : KWResizeBandRegion(size)) {
        painter.fillRect(band, kShadowGrey);
    }
}

QPoint KWCenterPosition(const QRect& area, const QSize& stored, const QSize& available, const QSize& base)
{
    int w = stored.width();
    int h = stored.height();
    if (w > available.width()) {
        w = available.width() > base.width() ? available.width() : base.width();
    }
    if (h > available.height()) {
        h = available.height() > base.height() ? available.height() : base.height();
    }
    if (w <= area.width() && h <= area.height()) {
        return QPoint(area.left() + (area.width() - w) / 2, area.top() + (area.height() - h) / 2);
    }
    return area.topLeft();
}

int KWShadowAlpha(int ring)
{
    const int alpha = static_cast<int>(90.0 - 30.0 * std::sqrt(static_cast<double>(ring)));
    return alpha < 0 ? 0 : alpha;
}

bool KWRegionReachesShadowRings(const QRegion& region, const QSize& size, int s)
{
    const QRect clear(s + 2, s + 2, size.width() - 2 * s - 4, size.height() - 2 * s - 4);
    return !region.subtracted(QRegion(clear)).isEmpty();
}

void KWPaintFrameShadow(QPainter& painter, const QSize& size, int s, const QRegion& region)
{
    const int W = size.width();
    const int H = size.height();
    const QColor grey = kShadowGrey;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(s, s, W - 2 * s, H - 2 * s), grey);
    painter.setBrush(Qt::NoBrush);
    // Most repaints are of a child's area inside the frame, where stroking
    // the rings round the whole window would change no pixel.
    const int rings = KWRegionReachesShadowRings(region, size, s) ? s : 0;
    for (int i = 0; i < rings; ++i) {
        QColor ring = grey;
        ring.setAlpha(KWShadowAlpha(i));
        painter.setPen(QPen(ring, 1));
        painter.drawRect(QRect(s - i, s - i, W - 2 * s + 2 * i, H - 2 * s + 2 * i));
    }
    painter.restore();
}

QRegion KWFrameCornerRegion(const QSize& size, int a, int b, int s)
{
    if ((a <= 0 && b <= 0) || size.isEmpty()) {
        return QRegion();
    }
    const QRegion frame(s, s, size.width() - 2 * s, size.height() - 2 * s);
    return frame.subtracted(QRegion(KWRoundedFrameMask(size, a, b, s)));
}

void KWPaintShadowCorners(QPainter& painter, const QRegion& corners)
{
    if (corners.isEmpty()) {
        return;
    }
    QColor shade = kShadowGrey;
    shade.setAlpha(KWShadowAlpha(0));
    painter.save();
    painter.setClipRegion(corners);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(corners.boundingRect(), shade);
    painter.restore();
}

int KWTitleLeft(int alignment, int captionLeft, int width, int tw)
{
    switch (alignment) {
    case 1:
        return (width - tw) / 2;
    case 2:
        return width - tw;
    default:
        return captionLeft;
    }
}

QRect KWSkinRect(const std::wstring& text)
{
    return KWInclusiveRect(WStringToRectInclusive(text));
}
