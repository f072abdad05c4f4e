// Pictures of the scene views: side and top view symbols, the fisheye
// installation pictures and the 3D markers.

#include "SkinArt.h"
#include "SkinDraw.h"
#include "SkinStyle.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace MkAppData
{
namespace SkinArt
{

using namespace SkinStyle;

namespace
{

QRectF Whole(const SkinArtContext& c)
{
    return QRectF(QPointF(0, 0), QSizeF(c.size));
}

const QColor kOutline(0x5A, 0x64, 0x72);

// A slab of wall, ceiling or floor.
void Slab(QPainter& p, const QPolygonF& shape, const QColor& fill)
{
    p.setPen(Stroke(kLine, 1.0));
    p.setBrush(fill);
    p.drawPolygon(shape);
}

}  // namespace

void SidePerson(QPainter& p, const SkinArtContext& c)
{
    SkinDraw::Person(p, Whole(c));
}

void SideCamera(QPainter& p, const SkinArtContext& c)
{
    // Drawn pointing down; the view turns it about the joint at 10,17.
    p.scale(c.k, c.k);
    p.setPen(Stroke(kOutline, 1.0));
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(2.5, 3.5, 15, 8), 2, 2);        // sun shield
    p.setBrush(kMetal);
    p.drawRoundedRect(QRectF(3.5, 6.5, 13, 31), 3, 3);       // housing
    p.setPen(Qt::NoPen);
    p.setBrush(kBrand);
    p.drawRect(QRectF(12, 14, 2, 20));
    p.setPen(Stroke(kOutline, 1.0));
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(4.5, 36.5, 11, 7), 1.5, 1.5);   // lens ring
    p.setBrush(kGlass);
    p.drawEllipse(QPointF(10, 42), 3.2, 2.6);
    p.setBrush(kMetal);
    p.drawEllipse(QPointF(10, 17), 3.5, 3.5);                // joint on the pole top
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(10, 17), 1.2, 1.2);
}

void TopCamera(QPainter& p, const SkinArtContext& c)
{
    // Seen from above, lens at the top edge where the field of view starts.
    p.scale(c.k, c.k);
    p.setPen(Stroke(kOutline, 1.0));
    p.setBrush(kMetal);
    p.drawRoundedRect(QRectF(5.5, 9.5, 13, 21), 3, 3);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(4.5, 7.5, 15, 7), 2, 2);
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(7.5, 1.5, 9, 7), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kGlass);
    p.drawEllipse(QPointF(12, 2.5), 3, 1.8);
    p.setBrush(kBrand);
    p.drawRect(QRectF(11, 16, 2, 12));
}

void TopPerson(QPainter& p, const SkinArtContext& c)
{
    p.scale(c.k, c.k);
    p.setPen(Qt::NoPen);
    p.setBrush(kCloth);
    p.drawEllipse(QPointF(10, 10.5), 8.5, 5);
    p.setBrush(kSkinTone);
    p.drawEllipse(QPointF(10, 12.6), 3.2, 2.2);
    p.setBrush(kHair);
    p.drawEllipse(QPointF(10, 10), 3.8, 3.8);
}

void TopAngleArc(QPainter& p, const SkinArtContext& c)
{
    p.scale(c.k, c.k);
    QPainterPath arc;
    arc.moveTo(8, 19);
    arc.quadTo(56, -5, 104, 19);
    p.setPen(Stroke(kMarkAngle, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    // Heads along the tangent at each end, pointing outwards.
    SkinDraw::ArrowHead(p, QPointF(6, 20.2), 153.0, 7, kMarkAngle);
    SkinDraw::ArrowHead(p, QPointF(106, 20.2), 27.0, 7, kMarkAngle);
}

void SideFisheyeCeiling(QPainter& p, const SkinArtContext& c)
{
    // The centre is the camera point: the housing hangs from it.
    const double s = 40 * c.k;
    SkinDraw::FisheyeCamera(p, QPointF(24 * c.k, 24 * c.k + 0.28 * s), s, true, c.k);
}

void SideFisheyeWall(QPainter& p, const SkinArtContext& c)
{
    // The centre is the camera point on the wall: the housing stands out of it.
    const double s = 40 * c.k;
    SkinDraw::FisheyeCamera(p, QPointF(24 * c.k + 0.28 * s, 24 * c.k), s, false, c.k);
}

void Scene3DFisheyeCeiling(QPainter& p, const SkinArtContext& c)
{
    // Design pixels of the 410 x 267 area: ceiling underside at y 28 with the
    // camera at 209,28, floor at y 215, person 174..210 standing at x 238.
    p.scale(c.k, c.k);
    QPolygonF floor;
    floor << QPointF(29, 215) << QPointF(209, 164) << QPointF(389, 215) << QPointF(209, 262);
    Slab(p, floor, kSurface);
    QPolygonF ceiling;
    ceiling << QPointF(64, 14) << QPointF(354, 14) << QPointF(354, 28) << QPointF(64, 28);
    Slab(p, ceiling, kPanel);

    QPainterPath view;
    view.moveTo(209, 44);
    view.lineTo(83, 215);
    view.arcTo(QRectF(83, 187, 252, 56), 180.0, 180.0);
    view.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(kField, 200));
    p.drawPath(view);
    p.setPen(Stroke(kFieldEdge, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(83, 187, 252, 56));
    p.drawLine(QPointF(209, 44), QPointF(83, 215));
    p.drawLine(QPointF(209, 44), QPointF(335, 215));

    SkinDraw::FisheyeCamera(p, QPointF(209, 28 + 0.28 * 34), 34, true, 1.0);
    SkinDraw::Person(p, QRectF(230.5, 174, 15, 38));
}

void Scene3DFisheyeWall(QPainter& p, const SkinArtContext& c)
{
    // In its own 280 x 248 pixels: wall at x 8..22, camera at 25,130, floor at
    // y 186, person 148..186 standing at x 142.
    p.scale(c.k, c.k);
    QPolygonF floor;
    floor << QPointF(22, 186) << QPointF(262, 186) << QPointF(274, 214) << QPointF(34, 214);
    Slab(p, floor, kSurface);
    QPolygonF wall;
    wall << QPointF(8, 36) << QPointF(22, 30) << QPointF(22, 186) << QPointF(8, 196);
    Slab(p, wall, kPanel);

    QPainterPath view;
    view.moveTo(30, 186);
    view.arcTo(QRectF(-100, 0, 260, 260), 270.0, 180.0);
    view.closeSubpath();
    QPainterPath aboveFloor;
    aboveFloor.addRect(QRectF(22, 0, 258, 186));
    view = view.intersected(aboveFloor);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(kField, 200));
    p.drawPath(view);
    p.setPen(Stroke(kFieldEdge, 1.0));
    p.setBrush(Qt::NoBrush);
    // The edge of the dome down to where it meets the floor.
    p.drawArc(QRectF(-100, 0, 260, 260), -25 * 16, 115 * 16);

    SkinDraw::FisheyeCamera(p, QPointF(22 + 0.28 * 30, 130), 30, false, 1.0);
    SkinDraw::Person(p, QRectF(134.2, 148, 15.6, 38));
}

void Scene3DPerson(QPainter& p, const SkinArtContext& c)
{
    SkinDraw::Person(p, Whole(c));
}

void Marker3D(QPainter& p, const SkinArtContext& c)
{
    static const QColor colours[] = {kMarkHeight, kMarkDistance, kMarkAngle, kMarkSpan, kMarkSpan};
    static const char* const letters[] = {"H", "D", nullptr, "W", "H"};
    const int kind = std::clamp(c.variant, 0, 4);
    const QRectF r = Whole(c);
    p.setPen(Qt::NoPen);
    p.setBrush(colours[kind]);
    p.drawRoundedRect(r.adjusted(c.k / 2, c.k / 2, -c.k / 2, -c.k / 2), r.height() / 2, r.height() / 2);
    if (letters[kind] != nullptr) {
        SkinDraw::CentredText(p, r, QString::fromLatin1(letters[kind]), SkinDraw::UiFont(r.height() * 0.72, true),
                              kWhite);
        if (kind == 4) {
            // The watched area's height: a small 2 after the H.
            SkinDraw::CentredText(p, r.adjusted(r.width() * 0.5, r.height() * 0.3, 0, 0), QStringLiteral("2"),
                                  SkinDraw::UiFont(r.height() * 0.4, true), kWhite);
        }
        return;
    }
    // The install angle: two legs and an arc.
    const double u = r.height() / 16.0;
    const QPointF vertex(7 * u, 12 * u);
    p.setPen(Stroke(kWhite, c.k));
    p.drawLine(vertex, QPointF(17 * u, 12 * u));
    p.drawLine(vertex, QPointF(14 * u, 4 * u));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(vertex.x() - 6 * u, vertex.y() - 6 * u, 12 * u, 12 * u), 0, 69 * 16);
}

}  // namespace SkinArt
}  // namespace MkAppData
