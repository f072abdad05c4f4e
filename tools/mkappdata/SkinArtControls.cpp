// Control faces: combo strips, slider strip, spin boxes, option marks,
// paging buttons, drag handles.

#include "SkinArt.h"
#include "SkinDraw.h"
#include "SkinStyle.h"

#include <QPainterPath>

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

void ComboFace(QPainter& p, const QRectF& row, int kind, double k)
{
    // kind: 0 normal, 1 hover, 2 disabled (also shown while opening upward), 3 open
    QColor fill = kWhite;
    QColor border = kLine;
    QColor arrow = kMuted;
    if (kind == 1) {
        border = kAccent;
        arrow = kAccent;
    } else if (kind == 2) {
        fill = kSurface;
        arrow = kLine;
    } else if (kind == 3) {
        border = kAccent;
        arrow = kAccent;
    }
    p.setPen(Stroke(border, k));
    p.setBrush(fill);
    p.drawRoundedRect(Crisp(row, k), 2 * k, 2 * k);
    // The control keeps the last row-height square free for this arrow.
    const double side = row.height();
    const QRectF square(row.right() - side, row.top(), side, side);
    p.setPen(Stroke(kind == 2 ? kLine : WithAlpha(kLine, 160), k));
    p.drawLine(QPointF(square.left() + k / 2, row.top() + 3 * k),
               QPointF(square.left() + k / 2, row.bottom() - 3 * k));
    SkinDraw::Chevron(p, square.center(), side * 0.36, kind == 3 ? 0 : 2, Stroke(arrow, k));
}

void RoundButton(QPainter& p, const SkinArtContext& c, QColor* glyph)
{
    QColor fill = kWhite;
    QColor border = kLine;
    *glyph = kInk;
    switch (c.variant) {
    case kStateHover: fill = kAccentLight; border = kAccent; *glyph = kAccent; break;
    case kStatePressed: fill = kAccent; border = kAccentDark; *glyph = kWhite; break;
    case kStateDisabled: fill = kSurface; *glyph = kLine; break;
    default: break;
    }
    p.setPen(Stroke(border, c.k));
    p.setBrush(fill);
    p.drawRoundedRect(Crisp(Whole(c), c.k), 3 * c.k, 3 * c.k);
}

void SpinButton(QPainter& p, const SkinArtContext& c, bool up)
{
    QColor fill = kSurface;
    QColor glyph = kMuted;
    switch (c.variant) {
    case kStateHover: fill = kAccentLight; glyph = kAccent; break;
    case kStatePressed: fill = kAccent; glyph = kWhite; break;
    case kStateDisabled: glyph = kLine; break;
    default: break;
    }
    const QRectF r = Whole(c);
    p.fillRect(r, fill);
    p.setPen(Stroke(kLine, c.k));
    p.drawLine(QPointF(c.k / 2, 0), QPointF(c.k / 2, r.height()));
    // The two buttons stack; the up button draws the line between them.
    if (up) {
        p.drawLine(QPointF(0, r.height() - c.k / 2), QPointF(r.width(), r.height() - c.k / 2));
    }
    SkinDraw::Chevron(p, r.center() + QPointF(c.k / 2, up ? 0.0 : -c.k / 2), r.height() * 0.75, up ? 0 : 2,
                      Stroke(glyph, c.k));
}

void Mark(QPainter& p, const SkinArtContext& c, const QColor& on, bool chosen, bool hovered)
{
    const QRectF r = Whole(c);
    const double radius = r.width() / 2 - 1.5 * c.k;
    p.setPen(Stroke(chosen ? on : kMuted, c.k));
    p.setBrush(hovered ? WithAlpha(on, 40) : kWhite);
    p.drawEllipse(r.center(), radius, radius);
    if (chosen) {
        p.setPen(Qt::NoPen);
        p.setBrush(on);
        p.drawEllipse(r.center(), r.width() * 0.2, r.width() * 0.2);
    }
}

void DragHandle(QPainter& p, const SkinArtContext& c, bool vertical)
{
    const QRectF r = Whole(c);
    QColor fill = kWhite;
    QColor glyph = kAccent;
    if (c.variant == kStateHover) {
        fill = kAccentLight;
    } else if (c.variant == kStatePressed) {
        fill = kAccent;
        glyph = kWhite;
    }
    p.setPen(Stroke(kAccent, c.k));
    p.setBrush(fill);
    p.drawEllipse(r.center(), r.width() / 2 - c.k, r.height() / 2 - c.k);
    const double reach = r.width() * 0.33;
    const double head = r.width() * 0.2;
    const QPointF centre = r.center();
    if (vertical) {
        SkinDraw::ArrowHead(p, centre + QPointF(0, -reach), -90.0, head, glyph);
        SkinDraw::ArrowHead(p, centre + QPointF(0, reach), 90.0, head, glyph);
    } else {
        SkinDraw::ArrowHead(p, centre + QPointF(-reach, 0), 180.0, head, glyph);
        SkinDraw::ArrowHead(p, centre + QPointF(reach, 0), 0.0, head, glyph);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(glyph);
    p.drawEllipse(centre, r.width() * 0.07, r.width() * 0.07);
}

}  // namespace

void ComboStrip(QPainter& p, const SkinArtContext& c)
{
    // Rows 17 high at pitch 18 in ComboBox.png of Skin/, 34 high at pitch 36
    // in the double-size strips: the combo cuts exactly w x h.
    const bool large = c.size.height() > 100;
    const double pitch = large ? 36 : 18;
    const double height = large ? 34 : 17;
    const double k = large ? 2.0 : 1.0;
    for (int row = 0; row < 4; ++row) {
        ComboFace(p, QRectF(0, row * pitch, c.size.width(), height), row, k);
    }
}

void MenuCheck(QPainter& p, const SkinArtContext& c)
{
    const QRectF r = Whole(c);
    QPen pen = Stroke(kInk, 1.5 * c.k);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF tick[] = {QPointF(r.width() * 0.2, r.height() * 0.52), QPointF(r.width() * 0.42, r.height() * 0.74),
                            QPointF(r.width() * 0.8, r.height() * 0.28)};
    p.drawPolyline(tick, 3);
}

void MenuArrow(QPainter& p, const SkinArtContext& c)
{
    const QRectF r = Whole(c);
    SkinDraw::Chevron(p, r.center(), r.width() * 0.5, 1, Stroke(kMuted, 1.5 * c.k));
}

void SliderStrip(QPainter& p, const SkinArtContext& c)
{
    const bool large = c.set == SkinSet::Large;
    const double k = c.k;
    const double grooveW = large ? 200 : 100;
    const double grooveH = large ? 36 : 18;
    const double filledX = large ? 215 : 108;
    const double handle = large ? 35 : 16;
    const double handleX[3] = {large ? 428.0 : 215.0, large ? 470.0 : 236.0, large ? 512.0 : 256.0};

    // The control draws the filled groove left of the handle and the empty
    // one right of it, both unscaled: same shape, two colours.
    const double track = 4 * k;
    for (int i = 0; i < 2; ++i) {
        const QRectF bar(i == 0 ? 0.0 : filledX, (grooveH - track) / 2, grooveW, track);
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? kPanel : kBrand);
        p.drawRoundedRect(bar, track / 2, track / 2);
    }
    for (int state = 0; state < 3; ++state) {
        const QRectF box(handleX[state], 0, handle, handle);
        QColor fill = kWhite;
        QColor border = kBrand;
        if (state == 1) {
            fill = kBrandLight;
        } else if (state == 2) {
            fill = kBrand;
            border = kBrandDark;
        }
        p.setPen(Stroke(border, k));
        p.setBrush(fill);
        p.drawEllipse(box.center(), handle / 2 - k, handle / 2 - k);
        p.setPen(Qt::NoPen);
        p.setBrush(state == 2 ? kWhite : kBrand);
        p.drawEllipse(box.center(), handle * 0.14, handle * 0.14);
    }
}

void SpinFrame(QPainter& p, const SkinArtContext& c)
{
    p.setPen(Stroke(kLine, c.k));
    p.setBrush(kWhite);
    p.drawRoundedRect(Crisp(Whole(c), c.k), 2 * c.k, 2 * c.k);
}

void SpinUp(QPainter& p, const SkinArtContext& c)
{
    SpinButton(p, c, true);
}

void SpinDown(QPainter& p, const SkinArtContext& c)
{
    SpinButton(p, c, false);
}

void RadioMark(QPainter& p, const SkinArtContext& c)
{
    Mark(p, c, kBrand, c.variant != 0, c.variant == 2);
}

void ListRadioMark(QPainter& p, const SkinArtContext& c)
{
    Mark(p, c, kAccent, c.variant != 0, c.variant == 2);
}

void MarkerHelp(QPainter& p, const SkinArtContext& c)
{
    const QRectF r = Whole(c);
    p.setPen(Stroke(kAccent, c.k));
    p.setBrush(kWhite);
    p.drawEllipse(r.center(), r.width() / 2 - c.k, r.height() / 2 - c.k);
    SkinDraw::CentredText(p, r.translated(0, c.k * 0.5), QStringLiteral("?"),
                          SkinDraw::UiFont(r.height() * 0.66, true), kAccent);
}

void Search(QPainter& p, const SkinArtContext& c)
{
    const double u = c.size.width() / 18.0;
    p.setPen(Stroke(kMuted, c.k));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(7.5 * u, 7.5 * u), 5 * u, 5 * u);
    p.setPen(Stroke(kMuted, 2 * c.k));
    p.drawLine(QPointF(11.3 * u, 11.3 * u), QPointF(15.5 * u, 15.5 * u));
}

void PagePrevious(QPainter& p, const SkinArtContext& c)
{
    QColor glyph;
    RoundButton(p, c, &glyph);
    const QRectF r = Whole(c);
    SkinDraw::Chevron(p, r.center() + QPointF(-r.width() * 0.03, 0), r.width() * 0.42, 3, Stroke(glyph, c.k));
}

void PageNext(QPainter& p, const SkinArtContext& c)
{
    QColor glyph;
    RoundButton(p, c, &glyph);
    const QRectF r = Whole(c);
    SkinDraw::Chevron(p, r.center() + QPointF(r.width() * 0.03, 0), r.width() * 0.42, 1, Stroke(glyph, c.k));
}

void DragVertical(QPainter& p, const SkinArtContext& c)
{
    DragHandle(p, c, true);
}

void DragHorizontal(QPainter& p, const SkinArtContext& c)
{
    DragHandle(p, c, false);
}

void MountCeilingIcon(QPainter& p, const SkinArtContext& c)
{
    const QRectF r = Whole(c);
    p.setPen(Stroke(kInk, c.k));
    p.drawLine(QPointF(r.width() * 0.08, c.k * 1.5), QPointF(r.width() * 0.92, c.k * 1.5));
    SkinDraw::FisheyeCamera(p, QPointF(r.center().x(), r.height() * 0.36), r.width() * 0.86, true, c.k);
}

void MountWallIcon(QPainter& p, const SkinArtContext& c)
{
    const QRectF r = Whole(c);
    p.setPen(Stroke(kInk, c.k));
    p.drawLine(QPointF(c.k * 1.5, r.height() * 0.08), QPointF(c.k * 1.5, r.height() * 0.92));
    SkinDraw::FisheyeCamera(p, QPointF(r.width() * 0.36, r.center().y()), r.width() * 0.86, false, c.k);
}

}  // namespace SkinArt
}  // namespace MkAppData
