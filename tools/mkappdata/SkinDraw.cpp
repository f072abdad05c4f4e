#include "SkinDraw.h"

#include "SkinStyle.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace MkAppData
{
namespace SkinDraw
{

namespace
{

constexpr double kPi = 3.14159265358979323846;
const QColor kOutline(0x5A, 0x64, 0x72);

QRectF Part(const QRectF& box, double x0, double y0, double x1, double y1)
{
    return QRectF(box.left() + box.width() * x0, box.top() + box.height() * y0,
                  box.width() * (x1 - x0), box.height() * (y1 - y0));
}

QPointF At(const QRectF& box, double x, double y)
{
    return QPointF(box.left() + box.width() * x, box.top() + box.height() * y);
}

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, double k)
{
    p.setPen(SkinStyle::Stroke(kOutline, k));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath RoundRect(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void Lens(QPainter& p, QPointF centre, double radius, double k)
{
    p.setPen(SkinStyle::Stroke(kOutline, k));
    p.setBrush(SkinStyle::kGlass);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(SkinStyle::WithAlpha(SkinStyle::kWhite, 170));
    p.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.35), radius * 0.28, radius * 0.28);
}

}  // namespace

QFont UiFont(double pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void Cross(QPainter& p, QPointF centre, double half, const QPen& pen)
{
    p.setPen(pen);
    p.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    p.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
}

void Chevron(QPainter& p, QPointF centre, double size, int direction, const QPen& pen)
{
    const double a = size / 2.0;
    const double b = size / 4.0;
    QPolygonF line;
    switch (direction) {
    case 0: line << QPointF(-a, b) << QPointF(0, -b) << QPointF(a, b); break;
    case 1: line << QPointF(-b, -a) << QPointF(b, 0) << QPointF(-b, a); break;
    case 2: line << QPointF(-a, -b) << QPointF(0, b) << QPointF(a, -b); break;
    default: line << QPointF(b, -a) << QPointF(-b, 0) << QPointF(b, a); break;
    }
    line.translate(centre);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
}

void ArrowHead(QPainter& p, QPointF tip, double angleDeg, double length, const QColor& colour)
{
    const double a = angleDeg * kPi / 180.0;
    const QPointF back(std::cos(a), std::sin(a));
    const QPointF side(-back.y(), back.x());
    QPolygonF head;
    head << tip << tip - back * length + side * (length * 0.5) << tip - back * length - side * (length * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

void LogoMark(QPainter& p, QPointF topLeft, double size, const QColor& colour, const QColor& inner)
{
    const QRectF box(topLeft, QSizeF(size, size));
    const QPointF centre = At(box, 0.32, 0.5);
    // The field of view fans out from the lens to the right edge.
    QPainterPath fan;
    fan.moveTo(centre);
    fan.lineTo(At(box, 0.98, 0.14));
    fan.quadTo(At(box, 1.06, 0.5), At(box, 0.98, 0.86));
    fan.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(SkinStyle::WithAlpha(colour, 120));
    p.drawPath(fan);
    p.setBrush(colour);
    p.drawEllipse(centre, size * 0.3, size * 0.3);
    p.setBrush(inner);
    p.drawEllipse(centre, size * 0.13, size * 0.13);
}

void Person(QPainter& p, const QRectF& box)
{
    const double w = box.width();
    const double h = box.height();
    const double cx = box.center().x();
    const double top = box.top();
    const double headR = std::min(h * 0.066, w * 0.3);
    const QPointF head(cx, top + headR + h * 0.004);
    const double shoulderY = top + headR * 2.0 + h * 0.028;
    const double hipY = top + h * 0.53;
    const double shoulderHalf = w * 0.30;
    const double hipHalf = w * 0.22;
    const double armW = w * 0.12;

    p.setPen(Qt::NoPen);
    // Legs and shoes.
    const double legW = w * 0.19;
    const double gap = w * 0.035;
    p.setBrush(SkinStyle::kClothDark);
    p.drawRoundedRect(QRectF(cx - gap / 2 - legW, hipY - h * 0.02, legW, box.bottom() - hipY - h * 0.02),
                      legW * 0.3, legW * 0.3);
    p.drawRoundedRect(QRectF(cx + gap / 2, hipY - h * 0.02, legW, box.bottom() - hipY - h * 0.02),
                      legW * 0.3, legW * 0.3);
    p.setBrush(SkinStyle::kInk);
    p.drawRoundedRect(QRectF(cx - gap / 2 - legW - w * 0.02, box.bottom() - h * 0.035, legW + w * 0.04, h * 0.035),
                      h * 0.012, h * 0.012);
    p.drawRoundedRect(QRectF(cx + gap / 2 - w * 0.02, box.bottom() - h * 0.035, legW + w * 0.04, h * 0.035),
                      h * 0.012, h * 0.012);
    // Arms with hands.
    const double armTop = shoulderY + h * 0.01;
    const double armBottom = top + h * 0.5;
    p.setBrush(SkinStyle::kCloth);
    p.drawRoundedRect(QRectF(cx - shoulderHalf - armW * 0.7, armTop, armW, armBottom - armTop), armW / 2, armW / 2);
    p.drawRoundedRect(QRectF(cx + shoulderHalf - armW * 0.3, armTop, armW, armBottom - armTop), armW / 2, armW / 2);
    p.setBrush(SkinStyle::kSkinTone);
    p.drawEllipse(QPointF(cx - shoulderHalf - armW * 0.2, armBottom + armW * 0.25), armW * 0.5, armW * 0.55);
    p.drawEllipse(QPointF(cx + shoulderHalf + armW * 0.2, armBottom + armW * 0.25), armW * 0.5, armW * 0.55);
    // Torso.
    QPainterPath torso;
    torso.moveTo(cx - shoulderHalf + w * 0.04, shoulderY);
    torso.lineTo(cx + shoulderHalf - w * 0.04, shoulderY);
    torso.quadTo(cx + shoulderHalf, shoulderY, cx + shoulderHalf, shoulderY + h * 0.03);
    torso.lineTo(cx + hipHalf, hipY);
    torso.lineTo(cx - hipHalf, hipY);
    torso.lineTo(cx - shoulderHalf, shoulderY + h * 0.03);
    torso.quadTo(cx - shoulderHalf, shoulderY, cx - shoulderHalf + w * 0.04, shoulderY);
    p.setBrush(SkinStyle::kCloth);
    p.drawPath(torso);
    // Neck and head with hair.
    p.setBrush(SkinStyle::kSkinShade);
    p.drawRect(QRectF(cx - headR * 0.42, head.y() + headR * 0.6, headR * 0.84, shoulderY - head.y() - headR * 0.5));
    p.setBrush(SkinStyle::kSkinTone);
    p.drawEllipse(head, headR * 0.86, headR);
    QPainterPath hair;
    hair.moveTo(head.x() - headR * 0.9, head.y() - headR * 0.05);
    hair.cubicTo(head.x() - headR * 0.95, head.y() - headR * 1.25, head.x() + headR * 0.95,
                 head.y() - headR * 1.25, head.x() + headR * 0.9, head.y() - headR * 0.05);
    hair.quadTo(head.x(), head.y() - headR * 0.55, head.x() - headR * 0.9, head.y() - headR * 0.05);
    p.setBrush(SkinStyle::kHair);
    p.drawPath(hair);
}

void Camera(QPainter& p, const QString& form, const QRectF& box, double k)
{
    const double r = std::min(box.width(), box.height());
    if (form == QLatin1String("bullet")) {
        Shape(p, RoundRect(Part(box, 0.44, 0.5, 0.52, 0.86), r * 0.02), SkinStyle::kMetal, k);
        Shape(p, RoundRect(Part(box, 0.3, 0.84, 0.66, 0.94), r * 0.03), SkinStyle::kMetal, k);
        Shape(p, RoundRect(Part(box, 0.08, 0.26, 0.86, 0.58), r * 0.1), SkinStyle::kMetal, k);
        Shape(p, RoundRect(Part(box, 0.04, 0.18, 0.96, 0.3), r * 0.05), SkinStyle::kWhite, k);
        p.setPen(Qt::NoPen);
        p.setBrush(SkinStyle::kBrand);
        p.drawRect(Part(box, 0.16, 0.44, 0.6, 0.48));
        Shape(p, RoundRect(Part(box, 0.84, 0.3, 0.95, 0.55), r * 0.04), SkinStyle::kInk, k);
        Lens(p, At(box, 0.895, 0.425), r * 0.09, k);
    } else if (form == QLatin1String("dome")) {
        QPainterPath dome;
        const QRectF bowl = Part(box, 0.16, 0.1, 0.84, 0.9);
        dome.moveTo(bowl.left(), bowl.center().y());
        dome.arcTo(bowl, 180.0, 180.0);
        dome.closeSubpath();
        Shape(p, dome, SkinStyle::WithAlpha(SkinStyle::kGlass, 230), k);
        Shape(p, RoundRect(Part(box, 0.06, 0.36, 0.94, 0.5), r * 0.05), SkinStyle::kMetal, k);
        p.setPen(Qt::NoPen);
        p.setBrush(SkinStyle::kBrand);
        p.drawRect(Part(box, 0.1, 0.42, 0.9, 0.45));
        Lens(p, At(box, 0.6, 0.66), r * 0.11, k);
    } else if (form == QLatin1String("turret")) {
        Shape(p, RoundRect(Part(box, 0.12, 0.14, 0.88, 0.28), r * 0.05), SkinStyle::kMetal, k);
        QPainterPath ball;
        ball.addEllipse(At(box, 0.5, 0.56), r * 0.3, r * 0.3);
        Shape(p, ball, SkinStyle::kMetal, k);
        Shape(p, RoundRect(Part(box, 0.18, 0.36, 0.82, 0.44), r * 0.03), SkinStyle::kWhite, k);
        p.setPen(Qt::NoPen);
        p.setBrush(SkinStyle::kBrand);
        p.drawRect(Part(box, 0.22, 0.385, 0.78, 0.415));
        Lens(p, At(box, 0.66, 0.62), r * 0.13, k);
    } else if (form == QLatin1String("box")) {
        Shape(p, RoundRect(Part(box, 0.3, 0.1, 0.38, 0.3), r * 0.02), SkinStyle::kMetal, k);
        Shape(p, RoundRect(Part(box, 0.18, 0.06, 0.5, 0.13), r * 0.02), SkinStyle::kMetal, k);
        Shape(p, RoundRect(Part(box, 0.06, 0.28, 0.62, 0.7), r * 0.05), SkinStyle::kMetal, k);
        p.setPen(Qt::NoPen);
        p.setBrush(SkinStyle::kBrand);
        p.drawRect(Part(box, 0.1, 0.6, 0.58, 0.64));
        Shape(p, RoundRect(Part(box, 0.62, 0.33, 0.92, 0.65), r * 0.03), SkinStyle::kInk, k);
        p.setPen(SkinStyle::Stroke(SkinStyle::kMuted, k));
        for (double x : {0.7, 0.76, 0.82}) {
            p.drawLine(At(box, x, 0.35), At(box, x, 0.63));
        }
        Lens(p, At(box, 0.93, 0.49), r * 0.12, k);
    } else {  // ptz: a speed dome hanging from its arm
        Shape(p, RoundRect(Part(box, 0.44, 0.0, 0.56, 0.2), r * 0.02), SkinStyle::kMetal, k);
        Shape(p, RoundRect(Part(box, 0.2, 0.18, 0.8, 0.56), r * 0.12), SkinStyle::kMetal, k);
        p.setPen(Qt::NoPen);
        p.setBrush(SkinStyle::kBrand);
        p.drawRect(Part(box, 0.22, 0.3, 0.78, 0.34));
        QPainterPath bubble;
        const QRectF bowl = Part(box, 0.24, 0.32, 0.76, 0.96);
        bubble.moveTo(bowl.left(), bowl.center().y());
        bubble.arcTo(bowl, 180.0, 180.0);
        bubble.closeSubpath();
        Shape(p, bubble, SkinStyle::WithAlpha(SkinStyle::kGlass, 230), k);
        Lens(p, At(box, 0.6, 0.76), r * 0.09, k);
    }
}

void FisheyeCamera(QPainter& p, QPointF centre, double size, bool down, double k)
{
    p.save();
    p.translate(centre);
    if (!down) {
        p.rotate(-90.0);
    }
    const QRectF box(-size / 2, -size / 2, size, size);
    Shape(p, RoundRect(Part(box, 0.06, 0.22, 0.94, 0.5), size * 0.08), SkinStyle::kMetal, k);
    p.setPen(Qt::NoPen);
    p.setBrush(SkinStyle::kBrand);
    p.drawRect(Part(box, 0.12, 0.42, 0.88, 0.46));
    QPainterPath dome;
    const QRectF bowl = Part(box, 0.22, 0.24, 0.78, 0.8);
    dome.moveTo(bowl.left(), bowl.center().y());
    dome.arcTo(bowl, 180.0, 180.0);
    dome.closeSubpath();
    Shape(p, dome, SkinStyle::kGlass, k);
    p.setPen(Qt::NoPen);
    p.setBrush(SkinStyle::WithAlpha(SkinStyle::kWhite, 150));
    p.drawEllipse(At(box, 0.4, 0.62), size * 0.06, size * 0.06);
    p.restore();
}

void CentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& colour)
{
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace SkinDraw
}  // namespace MkAppData
