#pragma once
// A text of a scene drawn over lines, fills and pictures. Its glyphs are
// outlined by a halo in the view's background colour, one pixel wide for the
// 12-pixel font of scale 1 and growing with the font: a line running through
// the digits is cut where they stand and where it crosses the narrow gaps
// between the glyphs of a word, while the picture under the label stays
// whole around them, as maps keep their names legible.
//
// A label shows a plain text, in its default text colour. It is drawn on
// whole pixels of its painter, so that one that only
// moves copies the halo it has instead of making it again; the halo is made
// of one spread coverage picture per glyph, kept for the label's life.

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QGraphicsTextItem>
#include <QHash>
#include <QImage>
#include <QLineF>
#include <QPoint>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <array>
#include <unordered_map>
#include <utility>
#include <vector>

class QTextDocument;

// The scenes' labels are 12 pixels at scale 1, truncated to whole pixels at
// `times` that.
int KWScaledLabelPixelSize(double times);

class CKWQTSceneLabel : public QGraphicsTextItem {
public:
    // A fully transparent halo colour draws no halo: for a label that only
    // ever stands on plain background, where a halo would change nothing.
    explicit CKWQTSceneLabel(const QString& text = QString(), const QColor& halo = QColor(255, 255, 255));
    ~CKWQTSceneLabel() override;

    // The halo's width in pixels: the font's pixel size / 12, at least 1.
    double HaloWidth() const;
    // What the label covers, in item coordinates: its glyphs with their halo.
    // Empty for no text.
    QRectF InkRect() const;
    // What the label's text would cover drawn at scale 1 (in units of one
    // pixel there, from where the label stands), for a label drawn at
    // `scale`: the arrangement places labels by it, so that a drawing at
    // scale 2 is the one of scale 1 twice as large. Measured once per text
    // and layout, like the glyph box. A text its width wraps, which has no
    // single line to measure, gives its own ink brought to units.
    QRectF UnitInkRect(double scale) const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    // One glyph as laid out: which of m_fonts, its index there, where its
    // pen stands in item coordinates.
    struct LaidGlyph {
        int font = 0;
        quint32 index = 0;
        QPointF pos;
    };
    // The glyphs' halo coverage for one place of a glyph on the painter's
    // pixels: how much of each pixel within reach of the glyph the halo
    // covers (as a pen of its width around the outline would), and per row
    // the first and last pixel the halo covers solidly (-1 where none).
    struct Sprite {
        QPoint origin; // top-left, from the whole pixel the pen stands on
        int width = 0;
        int height = 0;
        std::vector<uchar> most;
        std::vector<int> solidFirst;
        std::vector<int> solidLast;
    };
    // What the glyphs and their boxes were worked out from; the text and
    // the document's changes are counted rather than compared.
    struct LayoutKey {
        const QTextDocument* document = nullptr;
        unsigned textChanges = 0;
        QFont font;
        qreal margin = -1.0;
        qreal width = -1.0;
        bool operator==(const LayoutKey& other) const
        {
            return document == other.document && textChanges == other.textChanges && font == other.font
                && margin == other.margin && width == other.width;
        }
    };

    // The glyphs as laid out, worked out again only when the text, the font
    // or the layout changed; so is the box they cover.
    void UpdateLayout() const;
    void AddGlyphs(const QGlyphRun& run, const QPointF& origin) const;
    // A glyph's outline box in item coordinates at its pen position 0,0. The
    // font engine's hinting of an outline costs far more than the rest of
    // an update, so each is asked for once per font.
    QRectF GlyphBox(int font, quint32 glyph) const;
    int FontIndex(const QRawFont& font) const;
    const Sprite& GlyphSprite(const LaidGlyph& glyph, const QTransform& linear, const QPointF& phase) const;
    Sprite MakeSprite(const LaidGlyph& glyph, const QTransform& linear, const QPointF& phase) const;
    // The halo of every glyph on the painter's pixels, its top-left pixel at
    // m_haloOffset from the whole pixel the label's origin stands on.
    void MakeHalo(const QTransform& linear) const;
    // A glyph's sprite where its pen stands, from the label's origin on a
    // whole pixel, and whether a word starts with it.
    struct PlacedSprite {
        const Sprite* sprite = nullptr;
        QPoint at;
        bool wordStart = false;
    };
    // The sprites of the glyphs that show ink, in the text's order, and the
    // area they cover together.
    std::vector<PlacedSprite> PlaceSprites(const QTransform& linear, QRect& area) const;
    // The most any sprite covers each pixel of the area, row by row.
    static std::vector<uchar> MergeSprites(const std::vector<PlacedSprite>& placed, const QRect& area);
    // Rows crossing neighbouring glyphs of a word: the gap between the solid
    // halos of the two, which a line of the drawing may show through.
    std::vector<QRect> GapsBetweenGlyphs(
        const std::vector<PlacedSprite>& placed, const QRect& area, const QTransform& linear) const;
    // The merged coverage in the halo's colours.
    QImage ColourHalo(const std::vector<uchar>& most, const QSize& size) const;
    // The halo's width on the painter's pixels.
    double HaloPixels(const QTransform& linear) const;
    void PaintHalo(QPainter* painter, const QPoint& origin) const;
    // Whether the label shows nothing but its text, which it then draws from
    // the glyph runs it keeps.
    bool DrawsPlainText(const QStyleOptionGraphicsItem* option) const;
    // A line of the scene under the label, on the painter's pixels, and how
    // far from it its pixels reach.
    struct LineUnder {
        QLineF line;
        double reach = 0.0;
    };
    std::vector<LineUnder> LinesUnder(const QTransform& world) const;
    // Closes the gaps between glyphs where one of those lines crosses them.
    void PaintGapsOverLines(QPainter* painter, const QPoint& origin, const QTransform& world) const;

    QColor m_halo;
    // The halo's colour for each coverage of a pixel within reach.
    std::array<QRgb, 256> m_haloColours {};
    unsigned m_textChanges = 0;
    mutable LayoutKey m_layoutKey;
    mutable std::vector<LaidGlyph> m_glyphs;
    // The glyph runs as laid out, each with its layout's place.
    mutable std::vector<std::pair<QPointF, QGlyphRun>> m_runs;
    mutable QRectF m_glyphBox;
    // The ink at scale 1 for m_unitInkScale, null until measured.
    mutable QRectF m_unitInk;
    mutable double m_unitInkScale = 0.0;
    mutable std::vector<QRawFont> m_fonts;
    mutable std::vector<QHash<quint32, QRectF>> m_glyphBoxes;
    // Sprites by font, glyph and place within a pixel, for the painter's
    // transform without its translation. A halo being made holds sprites
    // while others are added: their places must not move.
    mutable std::unordered_map<quint64, Sprite> m_sprites;
    mutable QTransform m_spriteTransform;
    // The halo as made for the layout last worked out and the painter's
    // transform without its translation.
    mutable QImage m_haloImage;
    mutable QPoint m_haloOffset;
    mutable QTransform m_haloTransform;
    mutable bool m_haloMade = false;
    // The gaps between the glyphs of a word, one pixel row each, placed as
    // the halo image is.
    mutable std::vector<QRect> m_gaps;
};
