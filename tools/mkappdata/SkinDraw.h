#pragma once

// Drawing helpers shared by the skin painters: glyphs, people and cameras in
// the palette of SkinStyle.h.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace MkAppData
{
namespace SkinDraw
{

// DejaVu Sans, which the build machine and the application both have.
QFont UiFont(double pixelSize, bool bold = false);

// A cross of half-width `half` centred on `centre`.
void Cross(QPainter& p, QPointF centre, double half, const QPen& pen);

// A chevron pointing in `direction` (0 up, 1 right, 2 down, 3 left) that
// fits a square of side `size` centred on `centre`.
void Chevron(QPainter& p, QPointF centre, double size, int direction, const QPen& pen);

// A filled triangle arrow head at `tip` pointing along `angleDeg`.
void ArrowHead(QPainter& p, QPointF tip, double angleDeg, double length, const QColor& colour);

// The product mark: a lens with a field-of-view fan in `colour` and the lens
// glass in `inner`, in a square of side `size` at `topLeft`.
void LogoMark(QPainter& p, QPointF topLeft, double size, const QColor& colour, const QColor& inner);

// A standing person seen from the front, filling `box` (feet on its bottom).
void Person(QPainter& p, const QRectF& box);

// A surveillance camera of the given form ("bullet", "dome", "turret", "box",
// "ptz") in side view, lens to the right, fitted into `box`; `k` scales the
// outline width.
void Camera(QPainter& p, const QString& form, const QRectF& box, double k);

// A fisheye camera: a flat housing with a glass dome; `down` true points the
// dome down (ceiling mount), false points it right (wall mount).
void FisheyeCamera(QPainter& p, QPointF centre, double size, bool down, double k);

// Text centred in a rectangle.
void CentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& colour);

}  // namespace SkinDraw
}  // namespace MkAppData
