#include "ui/scenes/KWQTSceneLabel.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionGraphicsItem>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// The font size whose halo is one pixel wide.
constexpr double kFontPixelsPerHaloPixel = 12.0;

// A glyph's place within a pixel is told apart to this fraction, the
// precision the font engine places glyphs with.
constexpr int kPlacesPerPixel = 64;

// Gaps between the glyphs of a word up to this many font sizes wide are
// closed where a line of the drawing crosses them: seen through them, it
// would join the glyphs into another text ("45.56m" read as "45-56m"). A
// space between words stays open, and so does a gap over a picture.
constexpr double kClosedGapPerFontPixel = 1.0;

// A pixel the halo covers at least this much is solid: the gaps between the
// glyphs of a word lie between solid halos.
constexpr int kSolidMost = 192;

// Beyond these a label's caches start again: a label sees a handful of
// fonts (one per scale) and glyphs (digits, the point, its units).
constexpr size_t kMostFonts = 8;
constexpr size_t kMostSprites = 256;

double SquaredDistanceToSegment(const QPointF& point, const QLineF& line)
{
    const QPointF along = line.p2() - line.p1();
    const double length = QPointF::dotProduct(along, along);
    const double t
        = length > 0.0 ? std::clamp(QPointF::dotProduct(point - line.p1(), along) / length, 0.0, 1.0) : 0.0;
    const QPointF nearest = line.p1() + t * along;
    const QPointF apart = point - nearest;
    return QPointF::dotProduct(apart, apart);
}

int WholePixel(double at)
{
    return static_cast<int>(std::floor(at + 0.5));
}

// The transform without its translation.
QTransform Linear(const QTransform& world)
{
    return QTransform(world.m11(), world.m12(), world.m21(), world.m22(), 0.0, 0.0);
}

quint64 SpriteKey(int font, quint32 glyph, const QPoint& place)
{
    return (static_cast<quint64>(font) << 56) | (static_cast<quint64>(glyph) << 16)
        | (static_cast<quint64>(place.x()) << 8) | static_cast<quint64>(place.y());
}

// How much of each pixel a halo `width` pixels wide around the glyph covers,
// from the glyph's coverage. A pixel the glyph covers by c (of 1) has the
// glyph's edge c - 1/2 beyond its centre: a pixel d away from it stands
// d - c + 1/2 beyond that edge, and width + c - d of it lies within the halo.
// Each pixel takes the most any glyph pixel gives it. So the halo follows the
// outline at every size, as a pen of that width around it would; the most
// covered pixel within a whole-pixel reach, a 3 x 3 square at width 1, made
// the small glyphs of scale 1 one white box.
std::vector<uchar> Spread(const QImage& coverage, double width)
{
    struct Offset {
        int dx;
        int dy;
        int gain; // 255 * (width - d)
    };
    std::vector<Offset> offsets;
    const int reach = static_cast<int>(std::ceil(width));
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const double d = std::hypot(dx, dy);
            if (d < width + 1.0) {
                offsets.push_back({ dx, dy, static_cast<int>(std::lround(255.0 * (width - d))) });
            }
        }
    }
    const int w = coverage.width();
    const int h = coverage.height();
    std::vector<uchar> most(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int covered = qAlpha(in[x]);
            if (covered == 0) {
                continue;
            }
            for (const Offset& o : offsets) {
                const int tx = x + o.dx;
                const int ty = y + o.dy;
                if (tx >= 0 && tx < w && ty >= 0 && ty < h) {
                    uchar& to = most[static_cast<size_t>(ty * w + tx)];
                    to = static_cast<uchar>(std::max<int>(to, std::clamp(covered + o.gain, 0, 255)));
                }
            }
        }
    }
    return most;
}

} // namespace

int KWScaledLabelPixelSize(double times)
{
    return static_cast<int>(12.0 * times);
}

CKWQTSceneLabel::CKWQTSceneLabel(const QString& text, const QColor& halo)
    : QGraphicsTextItem(text)
    , m_halo(halo)
{
    for (int most = 0; most < 256; ++most) {
        const int alpha = most * halo.alpha() / 255;
        m_haloColours[static_cast<size_t>(most)]
            = qPremultiply(qRgba(halo.red(), halo.green(), halo.blue(), alpha));
    }
    connect(document(), &QTextDocument::contentsChanged, this, [this]() { ++m_textChanges; });
}

CKWQTSceneLabel::~CKWQTSceneLabel() = default;

double CKWQTSceneLabel::HaloWidth() const
{
    UpdateLayout();
    const int pixels = m_layoutKey.font.pixelSize();
    return pixels > 0 ? std::max(1.0, pixels / kFontPixelsPerHaloPixel) : 1.0;
}

void CKWQTSceneLabel::UpdateLayout() const
{
    const QTextDocument* doc = document();
    LayoutKey key { doc, m_textChanges, font(), doc->documentMargin(), textWidth() };
    if (key == m_layoutKey) {
        return;
    }
    m_layoutKey = std::move(key);
    m_glyphs.clear();
    m_runs.clear();
    m_glyphBox = QRectF();
    m_unitInk = QRectF();
    m_haloMade = false;
    if (m_fonts.size() > kMostFonts) {
        m_fonts.clear();
        m_glyphBoxes.clear();
        m_sprites.clear();
    }
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
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
}

void CKWQTSceneLabel::AddGlyphs(const QGlyphRun& run, const QPointF& origin) const
{
    m_runs.emplace_back(origin, run);
    const int font = FontIndex(run.rawFont());
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
        const LaidGlyph glyph { font, glyphs[i], origin + positions[i] };
        const QRectF box = GlyphBox(font, glyph.index);
        if (!box.isEmpty()) {
            m_glyphBox |= box.translated(glyph.pos);
        }
        m_glyphs.push_back(glyph);
    }
}

int CKWQTSceneLabel::FontIndex(const QRawFont& font) const
{
    const auto known = std::find(m_fonts.begin(), m_fonts.end(), font);
    if (known != m_fonts.end()) {
        return static_cast<int>(known - m_fonts.begin());
    }
    m_fonts.push_back(font);
    m_glyphBoxes.emplace_back();
    return static_cast<int>(m_fonts.size()) - 1;
}

QRectF CKWQTSceneLabel::GlyphBox(int font, quint32 glyph) const
{
    QHash<quint32, QRectF>& boxes = m_glyphBoxes[static_cast<size_t>(font)];
    const auto known = boxes.constFind(glyph);
    if (known != boxes.constEnd()) {
        return *known;
    }
    return *boxes.insert(glyph, m_fonts[static_cast<size_t>(font)].pathForGlyph(glyph).boundingRect());
}

QRectF CKWQTSceneLabel::InkRect() const
{
    UpdateLayout();
    if (m_glyphBox.isEmpty()) {
        return QRectF();
    }
    const double halo = HaloWidth();
    return m_glyphBox.adjusted(-halo, -halo, halo, halo);
}

QRectF CKWQTSceneLabel::UnitInkRect(double scale) const
{
    UpdateLayout();
    if (m_glyphBox.isEmpty()) {
        return QRectF();
    }
    if (m_unitInk.isNull() || m_unitInkScale != scale) {
        m_unitInkScale = scale;
        QFont font = m_layoutKey.font;
        font.setPixelSize(KWScaledLabelPixelSize(1.0));
        const QFontMetricsF metrics(font);
        const QString text = toPlainText();
        const double margin = m_layoutKey.margin / scale;
        const double width = m_layoutKey.width / scale;
        const double halo = std::max(1.0, font.pixelSize() / kFontPixelsPerHaloPixel);
        if (width <= 0.0 || metrics.horizontalAdvance(text) <= width - 2.0 * margin) {
            m_unitInk = metrics.tightBoundingRect(text)
                            .translated(margin, margin + metrics.ascent())
                            .adjusted(-halo, -halo, halo, halo);
        } else {
            const QRectF ink = InkRect();
            m_unitInk = QRectF(ink.topLeft() / scale, ink.size() / scale);
        }
    }
    return m_unitInk;
}

double CKWQTSceneLabel::HaloPixels(const QTransform& linear) const
{
    return HaloWidth() * std::sqrt(std::abs(linear.determinant()));
}

CKWQTSceneLabel::Sprite CKWQTSceneLabel::MakeSprite(
    const LaidGlyph& glyph, const QTransform& linear, const QPointF& phase) const
{
    Sprite sprite;
    const QRectF box = GlyphBox(glyph.font, glyph.index);
    if (box.isEmpty()) {
        return sprite;
    }
    const double width = HaloPixels(linear);
    const int reach = static_cast<int>(std::ceil(width));
    const QRect area = linear.mapRect(box).translated(phase).toAlignedRect().adjusted(
        -reach - 1, -reach - 1, reach + 1, reach + 1);
    // The coverage the font engine's glyph cache gives the text itself.
    QImage coverage(area.size(), QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setTransform(
            linear * QTransform::fromTranslate(phase.x() - area.left(), phase.y() - area.top()));
        QGlyphRun run;
        run.setRawFont(m_fonts[static_cast<size_t>(glyph.font)]);
        run.setGlyphIndexes({ glyph.index });
        run.setPositions({ QPointF() });
        painter.drawGlyphRun(QPointF(), run);
    }
    sprite.origin = area.topLeft();
    sprite.width = area.width();
    sprite.height = area.height();
    sprite.most = Spread(coverage, width);
    sprite.solidFirst.assign(static_cast<size_t>(sprite.height), -1);
    sprite.solidLast.assign(static_cast<size_t>(sprite.height), -1);
    for (int y = 0; y < sprite.height; ++y) {
        for (int x = 0; x < sprite.width; ++x) {
            if (sprite.most[static_cast<size_t>(y * sprite.width + x)] >= kSolidMost) {
                int& first = sprite.solidFirst[static_cast<size_t>(y)];
                first = first < 0 ? x : first;
                sprite.solidLast[static_cast<size_t>(y)] = x;
            }
        }
    }
    return sprite;
}

const CKWQTSceneLabel::Sprite& CKWQTSceneLabel::GlyphSprite(
    const LaidGlyph& glyph, const QTransform& linear, const QPointF& phase) const
{
    const QPoint place(WholePixel(phase.x() * kPlacesPerPixel), WholePixel(phase.y() * kPlacesPerPixel));
    const quint64 key = SpriteKey(glyph.font, glyph.index, place);
    const auto known = m_sprites.find(key);
    if (known != m_sprites.end()) {
        return known->second;
    }
    return m_sprites.emplace(key, MakeSprite(glyph, linear, QPointF(place) / kPlacesPerPixel)).first->second;
}

void CKWQTSceneLabel::MakeHalo(const QTransform& linear) const
{
    if (linear != m_spriteTransform || m_sprites.size() > kMostSprites) {
        m_sprites.clear();
        m_spriteTransform = linear;
    }
    QRect area;
    const std::vector<PlacedSprite> placed = PlaceSprites(linear, area);
    m_haloMade = true;
    m_haloTransform = linear;
    m_haloOffset = area.topLeft();
    if (area.isEmpty()) {
        // Nothing inked: the gaps of an earlier text would whiten a line
        // under this one.
        m_haloImage = QImage();
        m_gaps.clear();
        return;
    }
    m_gaps = GapsBetweenGlyphs(placed, area, linear);
    m_haloImage = ColourHalo(MergeSprites(placed, area), area.size());
}

std::vector<CKWQTSceneLabel::PlacedSprite> CKWQTSceneLabel::PlaceSprites(
    const QTransform& linear, QRect& area) const
{
    std::vector<PlacedSprite> placed;
    bool wordStart = true;
    double lineY = 0.0;
    for (const LaidGlyph& glyph : m_glyphs) {
        const QPointF pen = linear.map(glyph.pos);
        const QPointF whole(std::floor(pen.x()), std::floor(pen.y()));
        const Sprite& sprite = GlyphSprite(glyph, linear, pen - whole);
        if (sprite.width == 0) {
            wordStart = true;
            continue;
        }
        wordStart = wordStart || placed.empty() || glyph.pos.y() != lineY;
        lineY = glyph.pos.y();
        const QPoint at = whole.toPoint() + sprite.origin;
        placed.push_back({ &sprite, at, wordStart });
        area |= QRect(at, QSize(sprite.width, sprite.height));
        wordStart = false;
    }
    return placed;
}

std::vector<uchar> CKWQTSceneLabel::MergeSprites(const std::vector<PlacedSprite>& placed, const QRect& area)
{
    const int w = area.width();
    std::vector<uchar> most(static_cast<size_t>(w) * static_cast<size_t>(area.height()), 0);
    for (const PlacedSprite& p : placed) {
        const Sprite& s = *p.sprite;
        for (int y = 0; y < s.height; ++y) {
            uchar* to = &most[static_cast<size_t>((p.at.y() - area.top() + y) * w + p.at.x() - area.left())];
            const uchar* from = &s.most[static_cast<size_t>(y * s.width)];
            for (int x = 0; x < s.width; ++x) {
                to[x] = std::max(to[x], from[x]);
            }
        }
    }
    return most;
}

std::vector<QRect> CKWQTSceneLabel::GapsBetweenGlyphs(
    const std::vector<PlacedSprite>& placed, const QRect& area, const QTransform& linear) const
{
    std::vector<QRect> gaps;
    const int widestGap = static_cast<int>(
        kClosedGapPerFontPixel * m_layoutKey.font.pixelSize() * std::sqrt(std::abs(linear.determinant())));
    for (int y = 0; y < area.height(); ++y) {
        int previousLast = -1;
        for (const PlacedSprite& p : placed) {
            previousLast = p.wordStart ? -1 : previousLast;
            const int sy = area.top() + y - p.at.y();
            if (sy < 0 || sy >= p.sprite->height || p.sprite->solidFirst[static_cast<size_t>(sy)] < 0) {
                continue;
            }
            const int first = p.at.x() - area.left() + p.sprite->solidFirst[static_cast<size_t>(sy)];
            const int last = p.at.x() - area.left() + p.sprite->solidLast[static_cast<size_t>(sy)];
            if (previousLast >= 0 && first > previousLast + 1 && first - previousLast - 1 <= widestGap) {
                gaps.push_back(
                    QRect(previousLast + 1, y, first - previousLast - 1, 1).translated(area.topLeft()));
            }
            previousLast = std::max(previousLast, last);
        }
    }
    return gaps;
}

QImage CKWQTSceneLabel::ColourHalo(const std::vector<uchar>& most, const QSize& size) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* in = &most[static_cast<size_t>(y * size.width())];
        for (int x = 0; x < size.width(); ++x) {
            out[x] = m_haloColours[in[x]];
        }
    }
    return image;
}

void CKWQTSceneLabel::PaintHalo(QPainter* painter, const QPoint& origin) const
{
    if (!m_haloImage.isNull()) {
        painter->drawImage(origin + m_haloOffset, m_haloImage);
    }
}

std::vector<CKWQTSceneLabel::LineUnder> CKWQTSceneLabel::LinesUnder(const QTransform& world) const
{
    std::vector<LineUnder> lines;
    if (m_gaps.empty() || scene() == nullptr) {
        return lines;
    }
    const QTransform toDevice = sceneTransform().inverted() * world;
    const double scale = std::sqrt(std::abs(toDevice.determinant()));
    // Asked of every item: while the scene paints, its index skips the items
    // it has found for painting.
    const QRectF ink = mapRectToScene(InkRect());
    for (const QGraphicsItem* item : scene()->items(Qt::AscendingOrder)) {
        const auto* line = qgraphicsitem_cast<const QGraphicsLineItem*>(item);
        if (line == nullptr || !line->isVisible() || line->zValue() > zValue()) {
            continue;
        }
        const QLineF onScene = line->sceneTransform().map(line->line());
        const double pen = std::max(1.0, line->pen().widthF());
        const QRectF reach = QRectF(onScene.p1(), onScene.p2()).normalized().adjusted(-pen, -pen, pen, pen);
        if (!reach.intersects(ink)) {
            continue;
        }
        // The line's antialiased edge reaches a pixel beyond its pen.
        lines.push_back({ onScene * toDevice, pen * scale / 2.0 + 1.0 });
    }
    return lines;
}

void CKWQTSceneLabel::PaintGapsOverLines(
    QPainter* painter, const QPoint& origin, const QTransform& world) const
{
    for (const LineUnder& line : LinesUnder(world)) {
        for (const QRect& gap : m_gaps) {
            // The pixels of the gap the line covers, as one run.
            int first = gap.right() + 1;
            int last = gap.left() - 1;
            for (int x = gap.left(); x <= gap.right(); ++x) {
                const QPointF centre(origin.x() + x + 0.5, origin.y() + gap.top() + 0.5);
                if (SquaredDistanceToSegment(centre, line.line) <= line.reach * line.reach) {
                    first = std::min(first, x);
                    last = x;
                }
            }
            if (first <= last) {
                painter->fillRect(
                    QRect(origin + QPoint(first, gap.top()), QSize(last - first + 1, 1)), m_halo);
            }
        }
    }
}

void CKWQTSceneLabel::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    const QTransform world = painter->worldTransform();
    if (world.type() > QTransform::TxShear) {
        QGraphicsTextItem::paint(painter, option, widget);
        return;
    }
    // On a whole pixel, the halo made for the label stays right wherever it
    // moves: it is copied, and made again only for another text or scale.
    const QPoint origin(WholePixel(world.dx()), WholePixel(world.dy()));
    const QTransform linear = Linear(world);
    UpdateLayout();
    if (!m_glyphs.empty() && m_halo.alpha() > 0) {
        if (!m_haloMade || linear != m_haloTransform) {
            MakeHalo(linear);
        }
        painter->resetTransform();
        PaintHalo(painter, origin);
        PaintGapsOverLines(painter, origin, world);
    }
    painter->setWorldTransform(linear * QTransform::fromTranslate(origin.x(), origin.y()));
    if (DrawsPlainText(option)) {
        // The glyphs as laid out, in the text's colour: what the document
        // would draw for a plain text, without going through its layout
        // again, which costs more than the rest of the label's painting.
        painter->setPen(defaultTextColor());
        for (const auto& [at, run] : m_runs) {
            painter->drawGlyphRun(at, run);
        }
    } else {
        QGraphicsTextItem::paint(painter, option, widget);
    }
    painter->setWorldTransform(world);
}

bool CKWQTSceneLabel::DrawsPlainText(const QStyleOptionGraphicsItem* option) const
{
    // A text the user may select or edit, or one selected, has more to show.
    return textInteractionFlags() == Qt::NoTextInteraction
        && (option == nullptr || !(option->state & (QStyle::State_Selected | QStyle::State_HasFocus)));
}
