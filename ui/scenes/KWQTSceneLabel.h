#pragma once
// A text of a scene drawn over lines, fills and pictures. Its glyphs are
// outlined by a halo in the view's background colour, one pixel wide for the
// 12-pixel font of scale 1 and growing with the font: a line running through
// the digits is cut where they stand, while the picture under the label stays
// whole between and around its glyphs, as maps keep their names legible.

#include <QColor>
#include <QFont>
#include <QGraphicsTextItem>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <utility>
#include <vector>

class QGlyphRun;

class CKWQTSceneLabel : public QGraphicsTextItem {
public:
    explicit CKWQTSceneLabel(const QString& text = QString(), const QColor& halo = QColor(255, 255, 255));
    ~CKWQTSceneLabel() override;

    // The halo's width in pixels: the font's pixel size / 12, at least 1.
    double HaloWidth() const;
    // What the label covers, in item coordinates: its glyphs with their halo.
    // Empty for no text.
    QRectF InkRect() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    // The outlines of the glyphs as laid out, in item coordinates; built
    // again only when the text or its layout changed.
    const QPainterPath& GlyphOutline() const;
    void AddGlyphs(const QGlyphRun& run, const QPointF& origin) const;
    // The outline of one glyph of a font. A label shows a handful of glyphs
    // (digits, the point, its unit) whose outlines a drag asks for again at
    // every step as the value changes; the font engine's hinting of each
    // costs far more than the rest of the step, so each is kept.
    const QPainterPath& GlyphPath(const QRawFont& font, quint32 glyph) const;
    void PaintHalo(QPainter* painter) const;

    QColor m_halo;
    struct OutlineKey {
        QString text;
        QFont font;
        qreal margin = -1.0;
        qreal width = -1.0;
        bool operator==(const OutlineKey& other) const
        {
            return text == other.text && font == other.font && margin == other.margin && width == other.width;
        }
    };
    mutable OutlineKey m_outlineKey;
    mutable QPainterPath m_outline;
    using FontGlyphs = std::pair<QRawFont, QHash<quint32, QPainterPath>>;
    mutable std::vector<FontGlyphs> m_glyphPaths;
    // The halo made on the painter's pixels, where its top-left pixel lay
    // there and the painter's transform it was made for.
    mutable QImage m_haloImage;
    mutable QPoint m_haloOrigin;
    mutable QTransform m_haloTransform;
};
