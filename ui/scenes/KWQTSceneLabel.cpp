#include "ui/scenes/KWQTSceneLabel.h"

#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// The font size whose halo is one pixel wide.
constexpr double kFontPixelsPerHaloPixel = 12.0;

// Moves closer to whole pixels than this are whole.
constexpr double kWholePixel = 1e-6;

// How much of each pixel of `area` (on the painter's pixels) the glyphs
// cover, smoothed at their edges.
QImage GlyphsOn(const QPainterPath& outline, const QTransform& world, const QRect& area)
{
    QImage coverage(area.size(), QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setWorldTransform(world * QTransform::fromTranslate(-area.left(), -area.top()));
    painter.fillPath(outline, Qt::black);
    return coverage;
}

// The halo: each pixel as covered as the most covered glyph pixel within
// reach of it (a disc of that radius), in the halo's colour.
QImage HaloAround(const QImage& coverage, int reach, const QColor& colour)
{
    QImage halo(coverage.size(), QImage::Format_ARGB32_Premultiplied);
    const int w = coverage.width();
    const int h = coverage.height();
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<QRgb*>(halo.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int most = 0;
            for (int dy = -reach; dy <= reach; ++dy) {
                const int row = y + dy;
                if (row < 0 || row >= h) {
                    continue;
                }
                const auto* in = reinterpret_cast<const QRgb*>(coverage.constScanLine(row));
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int column = x + dx;
                    if (column >= 0 && column < w && dx * dx + dy * dy <= reach * reach + 1) {
                        most = std::max(most, qAlpha(in[column]));
                    }
                }
            }
            // A glyph's edge pixel is only partly covered: doubled, the
            // pixels within reach of it are as solid as a stroke of that
            // width would make them.
            const int alpha = std::min(255, 2 * most) * colour.alpha() / 255;
            out[x] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), alpha));
        }
    }
    return halo;
}

} // namespace

CKWQTSceneLabel::CKWQTSceneLabel(const QString& text, const QColor& halo)
    : QGraphicsTextItem(text)
    , m_halo(halo)
{
}

CKWQTSceneLabel::~CKWQTSceneLabel() = default;

double CKWQTSceneLabel::HaloWidth() const
{
    const int pixels = font().pixelSize();
    return pixels > 0 ? std::max(1.0, pixels / kFontPixelsPerHaloPixel) : 1.0;
}

const QPainterPath& CKWQTSceneLabel::GlyphOutline() const
{
    OutlineKey key { toPlainText(), font(), document()->documentMargin(), textWidth() };
    if (key == m_outlineKey) {
        return m_outline;
    }
    m_outlineKey = std::move(key);
    m_outline = QPainterPath();
    m_haloImage = QImage();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (layout == nullptr) {
            continue;
        }
        for (int line = 0; line < layout->lineCount(); ++line) {
            for (const QGlyphRun& run : layout->lineAt(line).glyphRuns()) {
                AddGlyphs(run, layout->position());
            }
        }
    }
    return m_outline;
}

void CKWQTSceneLabel::AddGlyphs(const QGlyphRun& run, const QPointF& origin) const
{
    const QRawFont rawFont = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
        m_outline.addPath(GlyphPath(rawFont, glyphs[i]).translated(origin + positions[i]));
    }
}

const QPainterPath& CKWQTSceneLabel::GlyphPath(const QRawFont& font, quint32 glyph) const
{
    auto ofFont = std::find_if(m_glyphPaths.begin(), m_glyphPaths.end(),
        [&font](const FontGlyphs& known) { return known.first == font; });
    if (ofFont == m_glyphPaths.end()) {
        ofFont = m_glyphPaths.insert(m_glyphPaths.end(), FontGlyphs(font, {}));
    }
    const auto known = ofFont->second.constFind(glyph);
    if (known != ofFont->second.constEnd()) {
        return *known;
    }
    return *ofFont->second.insert(glyph, font.pathForGlyph(glyph));
}

QRectF CKWQTSceneLabel::InkRect() const
{
    const QRectF glyphs = GlyphOutline().boundingRect();
    if (glyphs.isEmpty()) {
        return QRectF();
    }
    const double halo = HaloWidth();
    return glyphs.adjusted(-halo, -halo, halo, halo);
}

void CKWQTSceneLabel::PaintHalo(QPainter* painter) const
{
    // Building the halo costs more than the rest of a repaint: it is made
    // once on the painter's pixels and copied at every repaint, until the
    // text changes or the label moves by other than whole pixels.
    const QTransform world = painter->worldTransform();
    const QPointF moved(world.dx() - m_haloTransform.dx(), world.dy() - m_haloTransform.dy());
    const QPoint whole(static_cast<int>(std::lround(moved.x())), static_cast<int>(std::lround(moved.y())));
    const bool reusable = !m_haloImage.isNull() && world.m11() == m_haloTransform.m11()
        && world.m12() == m_haloTransform.m12() && world.m21() == m_haloTransform.m21()
        && world.m22() == m_haloTransform.m22() && std::abs(moved.x() - whole.x()) < kWholePixel
        && std::abs(moved.y() - whole.y()) < kWholePixel;
    if (!reusable) {
        const int reach = std::max(
            1, static_cast<int>(std::lround(HaloWidth() * std::sqrt(std::abs(world.determinant())))));
        const QRect area = world.mapRect(GlyphOutline().boundingRect())
                               .toAlignedRect()
                               .adjusted(-reach - 1, -reach - 1, reach + 1, reach + 1);
        m_haloImage = HaloAround(GlyphsOn(GlyphOutline(), world, area), reach, m_halo);
        m_haloOrigin = area.topLeft();
        m_haloTransform = world;
    }
    painter->save();
    painter->resetTransform();
    painter->drawImage(m_haloOrigin + (reusable ? whole : QPoint()), m_haloImage);
    painter->restore();
}

void CKWQTSceneLabel::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    if (!GlyphOutline().isEmpty()) {
        PaintHalo(painter);
    }
    QGraphicsTextItem::paint(painter, option, widget);
}
