// Pixel-density pictures: what a target looks like at a given density. The
// subject is drawn at full resolution, reduced to the number of pixels the
// density leaves across it and enlarged again without smoothing, so each
// picture shows the blocks a camera at that density would deliver.

#include "SkinArt.h"
#include "SkinDraw.h"
#include "SkinStyle.h"

#include <QImage>
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

const QColor kBackdrop(0xDC, 0xE3, 0xEA);
const QColor kLips(0xB5, 0x65, 0x5A);

// A head and shoulders in `box`, the face about 0.45 of the box wide; with a
// name tag on the chest when `tag` is set.
void Portrait(QPainter& p, const QRectF& box, bool tag)
{
    const double w = box.width();
    auto P = [&](double x, double y) { return QPointF(box.left() + x * w, box.top() + y * w); };
    const double line = w * 0.014;

    p.fillRect(box, kBackdrop);
    p.setPen(Qt::NoPen);
    // Shoulders and shirt, with the neck and a V collar.
    p.setBrush(kCloth);
    p.drawEllipse(P(0.5, 1.16), 0.5 * w, 0.4 * w);
    p.setBrush(kSkinShade);
    p.drawRect(QRectF(P(0.415, 0.6), P(0.585, 0.82)));
    QPolygonF collar;
    collar << P(0.4, 0.77) << P(0.6, 0.77) << P(0.5, 0.9);
    p.setBrush(kSkinTone);
    p.drawPolygon(collar);
    // Ears, face, hair.
    p.drawEllipse(P(0.305, 0.45), 0.035 * w, 0.06 * w);
    p.drawEllipse(P(0.695, 0.45), 0.035 * w, 0.06 * w);
    p.drawEllipse(P(0.5, 0.44), 0.2 * w, 0.25 * w);
    QPainterPath hair;
    hair.moveTo(P(0.3, 0.42));
    hair.cubicTo(P(0.26, 0.12), P(0.74, 0.12), P(0.7, 0.42));
    hair.cubicTo(P(0.68, 0.3), P(0.6, 0.26), P(0.5, 0.27));
    hair.cubicTo(P(0.4, 0.26), P(0.32, 0.3), P(0.3, 0.42));
    p.setBrush(kHair);
    p.drawPath(hair);
    // Brows, eyes, nose, mouth.
    p.setPen(Stroke(kHair, line * 1.4));
    p.drawLine(P(0.385, 0.385), P(0.455, 0.375));
    p.drawLine(P(0.545, 0.375), P(0.615, 0.385));
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawEllipse(P(0.42, 0.43), 0.035 * w, 0.02 * w);
    p.drawEllipse(P(0.58, 0.43), 0.035 * w, 0.02 * w);
    p.setBrush(kGlass);
    p.drawEllipse(P(0.42, 0.43), 0.017 * w, 0.017 * w);
    p.drawEllipse(P(0.58, 0.43), 0.017 * w, 0.017 * w);
    p.setPen(Stroke(kSkinShade.darker(125), line));
    p.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(P(0.5, 0.45));
    nose.lineTo(P(0.485, 0.52));
    nose.quadTo(P(0.5, 0.535), P(0.52, 0.525));
    p.drawPath(nose);
    QPainterPath mouth;
    mouth.moveTo(P(0.44, 0.585));
    mouth.quadTo(P(0.5, 0.62), P(0.56, 0.585));
    p.setPen(Stroke(kLips, line * 1.6));
    p.drawPath(mouth);

    if (tag) {
        // A name tag whose characters only a high density resolves.
        const QRectF card(P(0.6, 0.9), P(0.84, 1.02));
        p.setPen(Stroke(kLine, line));
        p.setBrush(kWhite);
        p.drawRoundedRect(card, line * 2, line * 2);
        p.setPen(Qt::NoPen);
        p.setBrush(kBrand);
        p.drawRect(QRectF(card.topLeft(), QSizeF(card.width(), card.height() * 0.25)));
        QFont font = SkinDraw::UiFont(card.height() * 0.55, true);
        p.setFont(font);
        p.setPen(kInk);
        p.drawText(card.adjusted(0, card.height() * 0.22, 0, 0), Qt::AlignCenter, QStringLiteral("A7 42"));
    }
}

// Paints the subject through an image of `across` pixels over `sceneWidth`
// of the picture's width, or at full resolution when the density leaves at
// least one pixel per pixel of the scale-1 picture.
void DrawAtDensity(QPainter& p, const SkinArtContext& c, int normalWidth, double sceneMetres, bool tag)
{
    const QSize size = c.size;
    // Drawn twice as large and reduced, so even the full-resolution picture
    // has smooth edges.
    QImage subject(size * 2, QImage::Format_ARGB32_Premultiplied);
    subject.fill(kBackdrop);
    {
        QPainter sp(&subject);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.setRenderHint(QPainter::TextAntialiasing);
        const double w = subject.width();
        const double h = subject.height();
        // The portrait is laid out on a square showing 0.4 m; a picture of a
        // wider scene shows it smaller, with more of the shirt below it.
        const double side = w * 0.4 / sceneMetres;
        const double top = std::min(h - side * 1.02, h * 0.12);
        Portrait(sp, QRectF((w - side) / 2, top, side, side), tag);
    }
    QImage picture = subject.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int across = static_cast<int>(std::lround(c.variant * sceneMetres));
    if (c.variant > 0 && across < normalWidth) {
        const int down = std::max(1, across * size.height() / size.width());
        picture = picture.scaled(QSize(std::max(1, across), down), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    p.drawImage(QPointF(0, 0), picture);
    // A hairline frame keeps the picture's edge visible on white.
    p.setPen(Stroke(kLine, c.k));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Crisp(QRectF(QPointF(0, 0), QSizeF(size)), c.k));
}

}  // namespace

void DensityPortrait(QPainter& p, const SkinArtContext& c)
{
    // 100 pixels at scale 1 show 0.4 m.
    DrawAtDensity(p, c, 100, 0.4, false);
}

void DensityExample(QPainter& p, const SkinArtContext& c)
{
    // 150 pixels at scale 1 show 0.6 m.
    DrawAtDensity(p, c, 150, 0.6, true);
}

}  // namespace SkinArt
}  // namespace MkAppData
