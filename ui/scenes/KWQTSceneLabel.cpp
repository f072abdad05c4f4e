#include "ui/scenes/KWQTSceneLabel.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPen>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

// The font size whose halo is one pixel wide.
constexpr double kFontPixelsPerHaloPixel = 12.0;

void AddGlyphs(QPainterPath& outline, const QGlyphRun& run, const QPointF& origin)
{
    const QRawFont rawFont = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
        outline.addPath(rawFont.pathForGlyph(glyphs[i]).translated(origin + positions[i]));
    }
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
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (layout == nullptr) {
            continue;
        }
        for (int line = 0; line < layout->lineCount(); ++line) {
            for (const QGlyphRun& run : layout->lineAt(line).glyphRuns()) {
                AddGlyphs(m_outline, run, layout->position());
            }
        }
    }
    return m_outline;
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

void CKWQTSceneLabel::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    const QPainterPath& outline = GlyphOutline();
    if (!outline.isEmpty()) {
        painter->save();
        // The stroke is centred on the outline: twice the halo reaches one
        // halo beyond the glyphs.
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->strokePath(outline, QPen(m_halo, 2.0 * HaloWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->restore();
    }
    QGraphicsTextItem::paint(painter, option, widget);
}
