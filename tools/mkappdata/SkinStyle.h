#pragma once

// The one palette and stroke of every skin picture. Colours the application
// itself paints with (the green tool bar, the blue button text, the grey-blue
// view background, the field-of-view fill and the 3D marker colours) are taken
// over as they are, so drawn pictures and painted controls match.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

namespace MkAppData
{
namespace SkinStyle
{

inline const QColor kBrand(0x35, 0xA3, 0x00);         // tool bar
inline const QColor kBrandDark(0x27, 0x7A, 0x00);
inline const QColor kBrandLight(0xE7, 0xF3, 0xDF);
inline const QColor kAccent(0x09, 0x76, 0xDF);        // button text
inline const QColor kAccentDark(0x06, 0x5C, 0xAF);
inline const QColor kAccentLight(0xE4, 0xEF, 0xFC);
inline const QColor kInk(0x33, 0x33, 0x33);
inline const QColor kMuted(0x8A, 0x94, 0xA3);
inline const QColor kLine(0xB8, 0xC2, 0xCF);
inline const QColor kPanel(0xD0, 0xD7, 0xE2);         // view background
inline const QColor kSurface(0xEC, 0xEF, 0xF3);
inline const QColor kWhite(0xFF, 0xFF, 0xFF);
inline const QColor kField(0xDE, 0xE9, 0xEF);         // field of view
inline const QColor kFieldEdge(0x91, 0xEA, 0xF0);
inline const QColor kMarkHeight(10, 202, 168);
inline const QColor kMarkSpan(177, 54, 255);
inline const QColor kMarkDistance(255, 152, 41);
inline const QColor kMarkAngle(218, 75, 7);
inline const QColor kSkinTone(0xEE, 0xC4, 0x9F);
inline const QColor kSkinShade(0xD9, 0xA7, 0x80);
inline const QColor kHair(0x4A, 0x3B, 0x33);
inline const QColor kCloth(0x4F, 0x63, 0x7E);
inline const QColor kClothDark(0x3C, 0x4C, 0x62);
inline const QColor kMetal(0xF7, 0xF8, 0xFA);
inline const QColor kGlass(0x2D, 0x36, 0x42);

// Every outline is one design pixel wide: k pixels in a picture drawn at
// scale k.
inline QPen Stroke(const QColor& colour, double k)
{
    QPen pen(colour, k);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

inline QColor WithAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// A rectangle whose one-pixel outline falls on whole pixels.
inline QRectF Crisp(const QRectF& r, double k)
{
    const double h = k / 2.0;
    return r.adjusted(h, h, -h, -h);
}

}  // namespace SkinStyle
}  // namespace MkAppData
