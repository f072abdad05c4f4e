// The IPC 3D view's picture of one camera model, drawn by camera form.

#include "SeedData.h"
#include "SkinArt.h"
#include "SkinDraw.h"
#include "SkinStyle.h"

#include <QPainterPath>
#include <QTransform>

namespace MkAppData
{
namespace SkinArt
{

using namespace SkinStyle;

namespace
{

// The 410 x 267 design area in isometric terms: the pole stands at P0; one
// unit of `axis` runs from the pole foot to the watched area (the direction
// of the view), one unit of `across` is the watched area's width. The
// watched area stands 65 pixels high at the end of `axis`, so its top edge
// runs from 153,65 to 233,105 and its right edge from 233,105 down to
// 233,170, where the view draws its width and height markers; the height
// marker runs at x 87, just left of the pole.
const QPointF kPoleFoot(94, 204);
const QPointF kAxis(99, -54);
const QPointF kAcross(80, 40);
constexpr double kPoleTop = 160;
constexpr double kAreaHeight = 65;

QPointF Ground(double along, double side)
{
    return kPoleFoot + kAxis * along + kAcross * side;
}

bool LooksForward(const std::string& form)
{
    return form == "bullet" || form == "box";
}

QString FocalText(const ModelSeed& m)
{
    QStringList parts;
    for (double f : m.focals) {
        parts << QString::fromStdString(FormatFocal(f));
    }
    const QString sep = m.flType == "3" ? QStringLiteral("-") : QStringLiteral(" / ");
    return parts.join(sep) + QStringLiteral(" mm");
}

}  // namespace

void ModelScene(QPainter& p, const SkinArtContext& c, const ModelSeed& model)
{
    p.scale(c.k, c.k);
    const QString form = QString::fromStdString(model.form);
    const QPen outline = Stroke(QColor(0x5A, 0x64, 0x72), 1.0);

    // Ground.
    QPolygonF ground;
    ground << Ground(-0.15, -0.9) << Ground(1.3, -0.9) << Ground(1.3, 0.9) << Ground(-0.15, 0.9);
    p.setPen(Stroke(kLine, 1.0));
    p.setBrush(kSurface);
    p.drawPolygon(ground);

    // Pole with its foot plate.
    p.setPen(outline);
    p.setBrush(kMetal);
    p.drawEllipse(kPoleFoot, 9, 4);
    p.drawRect(QRectF(kPoleFoot.x() - 1.5, kPoleTop, 3, kPoleFoot.y() - kPoleTop));

    // The camera at the pole top, and where its lens is.
    QPointF lens;
    QTransform place;
    QRectF body;
    if (LooksForward(model.form)) {
        // The camera's stand sits on the pole top; the camera tilts up
        // towards the watched area about it.
        place.translate(kPoleFoot.x(), kPoleTop);
        place.rotate(-23.0);
        body = QRectF(-17.3, -22.6, 36, 24);
        lens = place.map(QPointF(body.left() + body.width() * 0.95, body.top() + body.height() * 0.42));
    } else {
        // Domes, turrets and speed domes hang from a short arm.
        p.setPen(outline);
        p.setBrush(kMetal);
        p.drawRect(QRectF(kPoleFoot.x(), kPoleTop - 2, 16, 3));
        place.translate(kPoleFoot.x() + 16, kPoleTop + 8);
        body = QRectF(-12, -10, 24, 22);
        lens = place.map(QPointF(body.left() + body.width() * 0.62, body.top() + body.height() * 0.7));
    }

    // The watched area at the end of the view axis and the pyramid of view.
    const QPointF a0 = Ground(1.0, -0.5);
    const QPointF a1 = Ground(1.0, 0.5);
    const QPointF up(0, -kAreaHeight);
    QPolygonF area;
    area << a0 + up << a1 + up << a1 << a0;
    QPolygonF pyramid;
    pyramid << lens << a0 + up << a1 + up << a1 << a0;
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(kField, 150));
    p.drawPolygon(pyramid);
    p.setPen(Stroke(kFieldEdge, 1.0));
    for (const QPointF& corner : area) {
        p.drawLine(lens, corner);
    }
    p.setBrush(WithAlpha(kField, 220));
    p.drawPolygon(area);
    SkinDraw::Person(p, QRectF((a0.x() + a1.x()) / 2 - 8, (a0.y() + a1.y()) / 2 - 42, 16, 42));

    p.save();
    p.setTransform(place, true);
    SkinDraw::Camera(p, form, body, 1.0);
    p.restore();

    // A close-up of the model with its name and lens.
    const QRectF card(8.5, 8.5, 138, 86);
    p.setPen(Stroke(kLine, 1.0));
    p.setBrush(kWhite);
    p.drawRoundedRect(card, 4, 4);
    const QRectF glyph = form == QLatin1String("bullet") || form == QLatin1String("box")
                             ? QRectF(card.left() + 22, card.top() + 6, 94, 46)
                             : QRectF(card.left() + 44, card.top() + 4, 50, 50);
    SkinDraw::Camera(p, form, glyph, 1.0);
    p.setFont(SkinDraw::UiFont(11, true));
    p.setPen(kInk);
    p.drawText(QRectF(card.left() + 6, card.top() + 54, card.width() - 12, 14), Qt::AlignHCenter | Qt::AlignVCenter,
               QString::fromStdString(model.name));
    p.setFont(SkinDraw::UiFont(10));
    p.setPen(kMuted);
    p.drawText(QRectF(card.left() + 6, card.top() + 68, card.width() - 12, 13), Qt::AlignHCenter | Qt::AlignVCenter,
               FocalText(model));
}

}  // namespace SkinArt
}  // namespace MkAppData
