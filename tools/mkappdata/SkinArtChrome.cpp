// Window and dialog chrome: frames, title-band glyphs, buttons, tool cards.

#include "SkinArt.h"
#include "SkinDraw.h"
#include "SkinStyle.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace MkAppData
{
namespace SkinArt
{

using namespace SkinStyle;

namespace
{

// Frame pictures are cut into 1-pixel pieces: draw them pixel-exact.
void ExactRect(QPainter& p, int x, int y, int w, int h, const QColor& colour)
{
    p.fillRect(QRect(x, y, w, h), colour);
}

QRectF Whole(const SkinArtContext& c)
{
    return QRectF(QPointF(0, 0), QSizeF(c.size));
}

// Glyph buttons that sit on the green tool bar or title band: white glyph,
// a light disc under the pointer, a dark disc while pressed.
void GlyphBackdrop(QPainter& p, const SkinArtContext& c)
{
    const QRectF r = Whole(c);
    const double radius = r.width() * 0.5;
    p.setPen(Qt::NoPen);
    if (c.variant == kStateHover) {
        p.setBrush(WithAlpha(kWhite, 64));
        p.drawEllipse(r.center(), radius, radius);
    } else if (c.variant == kStatePressed) {
        p.setBrush(WithAlpha(kBrandDark, 200));
        p.drawEllipse(r.center(), radius, radius);
    }
}

QPen GlyphPen(const SkinArtContext& c)
{
    // The glyph scales with the picture, not with the set: the 24-pixel
    // message-box buttons are the same in both sets.
    const double width = std::max(1.0, c.size.width() / 12.0);
    return Stroke(c.variant == kStateDisabled ? WithAlpha(kWhite, 110) : kWhite, width);
}

void ToolCard(QPainter& p, const SkinArtContext& c, bool fisheye)
{
    const double k = c.k;
    const QRectF r = Crisp(Whole(c), k);
    QColor border = kLine;
    QColor fill = kWhite;
    if (c.variant == kStateHover) {
        border = kBrand;
    } else if (c.variant == kStatePressed) {
        border = kBrand;
        fill = kBrandLight;
    }
    p.setPen(Stroke(border, k));
    p.setBrush(fill);
    p.drawRoundedRect(r, 10 * k, 10 * k);

    const double s = c.size.width() / 280.0;  // the illustration is laid out on 280
    auto P = [s](double x, double y) { return QPointF(x * s, y * s); };
    p.setPen(Stroke(kLine, k));
    if (!fisheye) {
        // A bullet camera on a wall watching a person on the ground.
        p.drawLine(P(40, 214), P(246, 214));
        p.setPen(Stroke(kMuted, k));
        p.drawLine(P(40, 44), P(40, 214));
        QPainterPath field;
        field.moveTo(P(100, 88));
        field.lineTo(P(246, 130));
        field.lineTo(P(246, 214));
        field.lineTo(P(150, 214));
        field.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kField);
        p.drawPath(field);
        p.setPen(Stroke(kFieldEdge, k));
        p.drawLine(P(100, 88), P(246, 130));
        p.drawLine(P(100, 88), P(150, 214));
        SkinDraw::Person(p, QRectF(P(192, 128), P(222, 212)));
        p.save();
        p.translate(P(72, 80));
        p.rotate(22.0);
        SkinDraw::Camera(p, QStringLiteral("bullet"), QRectF(P(-34, -24), P(44, 30)), k);
        p.restore();
        p.setPen(Stroke(kMuted, k));
        p.setBrush(kMetal);
        p.drawRoundedRect(QRectF(P(40, 66), P(52, 92)), 2 * k, 2 * k);
    } else {
        // A fisheye under the ceiling with its dome of view over the floor.
        p.drawLine(P(40, 214), P(240, 214));
        p.setPen(Stroke(kMuted, k));
        p.drawLine(P(40, 46), P(240, 46));
        QPainterPath dome;
        const QRectF bowl(P(50, -118), P(230, 214));
        dome.moveTo(P(50, 46));
        dome.arcTo(bowl, 180.0, 180.0);
        dome.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kField);
        p.drawPath(dome);
        p.setPen(Stroke(kFieldEdge, k));
        p.setBrush(Qt::NoBrush);
        p.drawArc(bowl, 180 * 16, 180 * 16);
        SkinDraw::Person(p, QRectF(P(76, 138), P(100, 212)));
        SkinDraw::Person(p, QRectF(P(176, 130), P(202, 212)));
        SkinDraw::FisheyeCamera(p, P(140, 58), 44 * s, true, k);
    }
}

}  // namespace

void MainFrame(QPainter& p, const SkinArtContext& c)
{
    // Pieces: top band rows 0..7, border columns 0 and 85, border row 84.
    p.setRenderHint(QPainter::Antialiasing, false);
    ExactRect(p, 1, 8, 84, 76, kSurface);
    ExactRect(p, 0, 0, c.size.width(), 8, kBrand);
    ExactRect(p, 0, 8, 1, 77, kLine);
    ExactRect(p, 85, 8, 1, 77, kLine);
    ExactRect(p, 0, 84, c.size.width(), 1, kLine);
}

void SmallDialogFrame(QPainter& p, const SkinArtContext& c)
{
    // A 35-pixel title band (70 in the large set); the side pieces start
    // below it, the bottom piece is row 84.
    const int band = c.set == SkinSet::Normal ? 35 : 70;
    p.setRenderHint(QPainter::Antialiasing, false);
    ExactRect(p, 1, band, 84, 84 - band, kWhite);
    ExactRect(p, 0, 0, c.size.width(), band, kBrand);
    ExactRect(p, 0, band - 1, c.size.width(), 1, kBrandDark);
    ExactRect(p, 0, band, 1, 85 - band, kLine);
    ExactRect(p, 85, band, 1, 85 - band, kLine);
    ExactRect(p, 0, 84, 86, 1, kLine);
}

void CardDialogFrame(QPainter& p, const SkinArtContext& c)
{
    const QRectF card = Crisp(Whole(c), 1.0);
    QPainterPath outline;
    outline.addRoundedRect(card, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawPath(outline);
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRectF(0, 0, c.size.width(), 4), kBrand);
    p.restore();
    p.setPen(Stroke(kLine, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
}

void MainInterior(QPainter& p, const SkinArtContext& c)
{
    p.fillRect(Whole(c), kSurface);
}

void DialogInterior(QPainter& p, const SkinArtContext& c)
{
    p.fillRect(Whole(c), kWhite);
}

void AppIcon(QPainter& p, const SkinArtContext& c)
{
    const QRectF r = Whole(c);
    p.setPen(Qt::NoPen);
    p.setBrush(kBrand);
    p.drawRoundedRect(r.adjusted(c.k, c.k, -c.k, -c.k), r.width() * 0.22, r.width() * 0.22);
    const double s = r.width() * 0.64;
    SkinDraw::LogoMark(p, QPointF(r.width() * 0.14, (r.height() - s) / 2), s, kWhite, kBrand);
}

void Logo(QPainter& p, const SkinArtContext& c)
{
    const double h = c.size.height();
    const double mark = h * 0.86;
    SkinDraw::LogoMark(p, QPointF(2 * c.k, (h - mark) / 2), mark, kWhite, kBrand);
    QFont font = SkinDraw::UiFont(h * 0.56, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2 * c.k);
    p.setFont(font);
    p.setPen(kWhite);
    p.drawText(QRectF(mark + 9 * c.k, 0, c.size.width() - mark - 9 * c.k, h),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("LUMIVANE"));
}

void AboutBanner(QPainter& p, const SkinArtContext& c)
{
    p.fillRect(Whole(c), kWhite);
    const double h = c.size.height();
    const double mark = h * 0.72;
    SkinDraw::LogoMark(p, QPointF(12 * c.k, (h - mark) / 2), mark, kBrand, kWhite);
    QFont font = SkinDraw::UiFont(h * 0.44, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2 * c.k);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(mark + 26 * c.k, 0, c.size.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("LUMIVANE"));
}

void TitleClose(QPainter& p, const SkinArtContext& c)
{
    GlyphBackdrop(p, c);
    const QRectF r = Whole(c);
    SkinDraw::Cross(p, r.center(), r.width() * 0.22, GlyphPen(c));
}

void TitleMinimize(QPainter& p, const SkinArtContext& c)
{
    GlyphBackdrop(p, c);
    const QRectF r = Whole(c);
    p.setPen(GlyphPen(c));
    const double y = r.center().y() + r.height() * 0.08;
    p.drawLine(QPointF(r.width() * 0.28, y), QPointF(r.width() * 0.72, y));
}

void TitleMaximize(QPainter& p, const SkinArtContext& c)
{
    GlyphBackdrop(p, c);
    const QRectF r = Whole(c);
    p.setPen(GlyphPen(c));
    p.setBrush(Qt::NoBrush);
    const double a = r.width() * 0.25;
    p.drawRect(QRectF(r.center() - QPointF(a, a), QSizeF(2 * a, 2 * a)));
}

void TitleMenu(QPainter& p, const SkinArtContext& c)
{
    GlyphBackdrop(p, c);
    const QRectF r = Whole(c);
    SkinDraw::Chevron(p, r.center() + QPointF(0, r.height() * 0.04), r.width() * 0.5, 2, GlyphPen(c));
}

void TitleSwitch(QPainter& p, const SkinArtContext& c)
{
    GlyphBackdrop(p, c);
    const QRectF r = Whole(c);
    const double w = r.width();
    const QPen pen = GlyphPen(c);
    p.setPen(pen);
    p.drawLine(QPointF(w * 0.24, w * 0.36), QPointF(w * 0.7, w * 0.36));
    p.drawLine(QPointF(w * 0.3, w * 0.64), QPointF(w * 0.76, w * 0.64));
    SkinDraw::ArrowHead(p, QPointF(w * 0.8, w * 0.36), 0.0, w * 0.2, pen.color());
    SkinDraw::ArrowHead(p, QPointF(w * 0.2, w * 0.64), 180.0, w * 0.2, pen.color());
}

namespace
{

void UnitBadge(QPainter& p, const SkinArtContext& c, const QString& text)
{
    const QRectF r = Crisp(Whole(c), c.k);
    p.setPen(Stroke(kWhite, c.k));
    p.setBrush(c.variant == kStateHover ? WithAlpha(kWhite, 70) : QColor(Qt::transparent));
    p.drawRoundedRect(r, 3 * c.k, 3 * c.k);
    SkinDraw::CentredText(p, Whole(c), text, SkinDraw::UiFont(c.size.height() * 0.56, true), kWhite);
}

}  // namespace

void UnitFeet(QPainter& p, const SkinArtContext& c)
{
    UnitBadge(p, c, QStringLiteral("ft"));
}

void UnitMetre(QPainter& p, const SkinArtContext& c)
{
    UnitBadge(p, c, QStringLiteral("m"));
}

void CardClose(QPainter& p, const SkinArtContext& c)
{
    const QRectF r = Whole(c);
    QColor glyph = kMuted;
    if (c.variant == kStateHover) {
        p.setPen(Qt::NoPen);
        p.setBrush(kSurface);
        p.drawEllipse(r.center(), r.width() * 0.5, r.width() * 0.5);
        glyph = kInk;
    }
    SkinDraw::Cross(p, r.center(), r.width() * 0.2, Stroke(glyph, c.k));
}

void PushButton(QPainter& p, const SkinArtContext& c)
{
    QColor fill = kWhite;
    QColor border = kAccent;
    if (c.variant == kStateHover) {
        fill = kAccentLight;
    } else if (c.variant == kStatePressed) {
        fill = kAccent;
        border = kAccentDark;
    }
    p.setPen(Stroke(border, c.k));
    p.setBrush(fill);
    p.drawRoundedRect(Crisp(Whole(c), c.k), 3 * c.k, 3 * c.k);
}

void ToolCardIpc(QPainter& p, const SkinArtContext& c)
{
    ToolCard(p, c, false);
}

void ToolCardFisheye(QPainter& p, const SkinArtContext& c)
{
    ToolCard(p, c, true);
}

void HandCursor(QPainter& p, const SkinArtContext&)
{
    // Drawn on 32 x 32 in both sets: the hot spot 13,7 is in picture pixels.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10.5, 3.5, 6, 16), 3, 3);          // index finger, tip over 13,7
    hand.addRoundedRect(QRectF(16.5, 11.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(20.5, 12.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(24.5, 14.5, 4, 8), 2, 2);
    hand.addRoundedRect(QRectF(9.5, 15.5, 19, 13), 5, 5);          // palm
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-3, -2.5, 10, 5), 2.5, 2.5);
    QTransform t;
    t.translate(9, 20);
    t.rotate(50);
    hand = hand.united(t.map(thumb)).simplified();
    p.setPen(Stroke(QColor(0x1E, 0x1E, 0x1E), 1.0));
    p.setBrush(kWhite);
    p.drawPath(hand);
}

void ListSettings(QPainter& p, const SkinArtContext& c)
{
    const double u = c.size.width() / 16.0;
    const QPointF centre(8 * u, 8 * u);
    QPainterPath gear;
    gear.addEllipse(centre, 5 * u, 5 * u);
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRect(QRectF(-1.3 * u, -7.2 * u, 2.6 * u, 3 * u));
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotate(i * 45.0);
        gear = gear.united(t.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(centre, 2 * u, 2 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(kMuted);
    p.drawPath(gear.subtracted(hole));
}

void ListLogin(QPainter& p, const SkinArtContext& c)
{
    const double u = c.size.width() / 16.0;
    p.setPen(Qt::NoPen);
    p.setBrush(kMuted);
    p.drawEllipse(QPointF(6 * u, 5 * u), 2.8 * u, 2.8 * u);
    QPainterPath body;
    body.moveTo(0.8 * u, 15 * u);
    body.cubicTo(0.8 * u, 9 * u, 11.2 * u, 9 * u, 11.2 * u, 15 * u);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(Stroke(kAccent, std::max(1.0, u)));
    p.drawLine(QPointF(10 * u, 6 * u), QPointF(14.5 * u, 6 * u));
    SkinDraw::ArrowHead(p, QPointF(15.5 * u, 6 * u), 0.0, 3.5 * u, kAccent);
}

}  // namespace SkinArt
}  // namespace MkAppData
