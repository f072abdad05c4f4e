// A scene label keeps what it made of its text (glyph boxes, the halo) only
// while it still shows that text in that font on those pixels, a line of the
// drawing crossing a word of it does not show between its glyphs, and its
// halo follows its glyphs at every scale.

#include "ui/scenes/KWQTSceneLabel.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QStyleOptionGraphicsItem>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

void SetPixels(CKWQTSceneLabel& label, int pixels)
{
    QFont font = label.font();
    font.setPixelSize(pixels);
    label.setFont(font);
}

// The label painted by itself with its origin at `at`, on black, so that its
// white halo shows.
QImage Painted(CKWQTSceneLabel& label, const QPointF& at)
{
    QImage image(160, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.translate(at);
    QStyleOptionGraphicsItem option;
    option.exposedRect = label.boundingRect();
    label.paint(&painter, &option, nullptr);
    return image;
}

struct CacheCase {
    const char* name;
    const char* text;
    int pixels;
    QPointF at;
    const char* newText;
    int newPixels;
    QPointF newAt;
    QPointF shownAt; // where a new label with the new text shows it the same
};

void PrintTo(const CacheCase& c, std::ostream* out)
{
    *out << c.name;
}

class SceneLabelCacheTest : public ::testing::TestWithParam<CacheCase> { };

// What a label kept from an earlier paint must not show through: after a
// change of text, font or place it paints as a new label with that text and
// font would, on the whole pixel nearest to its place.
TEST_P(SceneLabelCacheTest, PaintsAsANewLabelAfterAChange)
{
    const CacheCase& c = GetParam();
    CKWQTSceneLabel label(QString::fromUtf8(c.text));
    SetPixels(label, c.pixels);
    Painted(label, c.at);
    const QRectF oldInk = label.InkRect();
    label.UnitInkRect(c.pixels / 12.0);
    if (qstrcmp(c.newText, c.text) != 0) {
        label.setPlainText(QString::fromUtf8(c.newText));
    }
    SetPixels(label, c.newPixels);

    CKWQTSceneLabel fresh(QString::fromUtf8(c.newText));
    SetPixels(fresh, c.newPixels);
    EXPECT_EQ(label.InkRect(), fresh.InkRect()) << "glyph boxes of the text and font shown";
    EXPECT_EQ(label.UnitInkRect(c.newPixels / 12.0), fresh.UnitInkRect(c.newPixels / 12.0))
        << "the text's ink at scale 1, which the arrangement places it by";
    EXPECT_TRUE(Painted(label, c.newAt) == Painted(fresh, c.shownAt)) << "glyphs and halo";
    if (c.newPixels != c.pixels || qstrcmp(c.newText, c.text) != 0) {
        EXPECT_NE(oldInk, fresh.InkRect()) << "the change makes a difference";
    }
}

INSTANTIATE_TEST_SUITE_P(Changes, SceneLabelCacheTest,
    ::testing::Values(CacheCase { "new_text", "1.11m", 12, { 10, 10 }, "8.08m", 12, { 10, 10 }, { 10, 10 } },
        // The same glyphs in a font twice the size: their boxes and halo are
        // the larger font's.
        CacheCase { "font_twice_the_size", "8.08m", 12, { 10, 10 }, "8.08m", 24, { 10, 10 }, { 10, 10 } },
        CacheCase { "font_half_the_size", "58.44°", 24, { 10, 10 }, "58.44°", 12, { 10, 10 }, { 10, 10 } },
        CacheCase {
            "moved_by_half_a_pixel", "58.44°", 12, { 10, 10 }, "58.44°", 12, { 10.5, 10.25 }, { 11, 10 } },
        CacheCase { "moved_by_a_fraction_at_4k", "58.44°", 24, { 10.4, 10 }, "58.44°", 24, { 10.75, 9.6 },
            { 11, 10 } },
        CacheCase { "moved_by_whole_pixels", "58.44°", 12, { 10, 10 }, "58.44°", 12, { 13, 7 }, { 13, 7 } }),
    [](const ::testing::TestParamInfo<CacheCase>& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    const char* text;
    int pixels;
    QColor colour;
    double margin;
};

void PrintTo(const TextCase& c, std::ostream* out)
{
    *out << c.name;
}

class SceneLabelTextTest : public ::testing::TestWithParam<TextCase> { };

// The label draws its glyphs itself: pixel for pixel as the text item draws
// the same text, colour and margin.
TEST_P(SceneLabelTextTest, DrawsItsTextAsTheTextItemDoes)
{
    const TextCase& c = GetParam();
    CKWQTSceneLabel label(QString::fromUtf8(c.text), Qt::transparent);
    QGraphicsTextItem item(QString::fromUtf8(c.text));
    for (QGraphicsTextItem* text : { static_cast<QGraphicsTextItem*>(&label), &item }) {
        QFont font = text->font();
        font.setPixelSize(c.pixels);
        text->setFont(font);
        text->setDefaultTextColor(c.colour);
        text->document()->setDocumentMargin(c.margin);
    }
    const auto painted = [](QGraphicsTextItem& text) {
        QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(7, 3);
        QStyleOptionGraphicsItem option;
        option.exposedRect = text.boundingRect();
        text.paint(&painter, &option, nullptr);
        return image;
    };
    EXPECT_TRUE(painted(label) == painted(item));
}

INSTANTIATE_TEST_SUITE_P(Texts, SceneLabelTextTest,
    ::testing::Values(TextCase { "length_1x", "45.56m", 12, Qt::black, 4.0 },
        TextCase { "angle_4k", "58.44°", 24, QColor(218, 75, 7), 8.0 },
        TextCase { "title", "Altura (m)", 12, Qt::black, 4.0 }),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

// Whether a pixel is dark: a line's or a glyph's, not the halo's or the
// background's.
bool Dark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

class SceneLabelLineTest : public ::testing::TestWithParam<int> { };

// "45.56m" on a line through the middle of its digits reads as it is, not as
// "45-56m": the line shows on either side of the word, never between its
// glyphs.
TEST_P(SceneLabelLineTest, ALineThroughAWordShowsNotBetweenItsGlyphs)
{
    const int scale = GetParam();
    QGraphicsScene scene(0, 0, 160 * scale, 40 * scale);
    scene.setBackgroundBrush(Qt::white);
    auto* label = new CKWQTSceneLabel(QStringLiteral("45.56m"));
    SetPixels(*label, 12 * scale);
    label->setPos(20 * scale, 5 * scale);
    label->setZValue(2.0);
    scene.addItem(label);
    const QRectF ink = label->mapRectToScene(label->InkRect());
    const double y = std::floor(ink.center().y()) + 0.5 * scale;
    const auto render = [&scene]() {
        QImage image(scene.sceneRect().size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        scene.render(&painter, QRectF(image.rect()), scene.sceneRect());
        return image;
    };
    const QImage glyphs = render();
    scene.addLine(QLineF(0, y, scene.width(), y), QPen(Qt::black, scale));
    const QImage crossed = render();

    // Columns between glyphs: between the first and the last glyph pixel,
    // with no glyph pixel in them.
    std::vector<bool> inked(static_cast<size_t>(glyphs.width()), false);
    for (int x = 0; x < glyphs.width(); ++x) {
        for (int row = 0; row < glyphs.height(); ++row) {
            inked[static_cast<size_t>(x)] = inked[static_cast<size_t>(x)] || Dark(glyphs.pixel(x, row));
        }
    }
    const auto first = std::find(inked.begin(), inked.end(), true) - inked.begin();
    const auto last = inked.rend() - std::find(inked.rbegin(), inked.rend(), true) - 1;
    const auto betweenGlyphs = [&](int x) { return x > first && x < last && !inked[static_cast<size_t>(x)]; };
    int shown = 0;
    int beside = 0;
    for (int x = 0; x < crossed.width(); ++x) {
        const bool between = betweenGlyphs(x);
        for (int row = static_cast<int>(y - scale); row <= static_cast<int>(y + scale); ++row) {
            const bool line = Dark(crossed.pixel(x, row)) && !Dark(glyphs.pixel(x, row));
            shown += line && between ? 1 : 0;
            beside += line && (x < ink.left() || x > ink.right()) ? 1 : 0;
        }
    }
    EXPECT_EQ(shown, 0) << "line pixels between the glyphs";
    EXPECT_GT(beside, 100 * scale) << "the line shows beside the label";
}

INSTANTIATE_TEST_SUITE_P(Scales, SceneLabelLineTest, ::testing::Values(1, 2),
    [](const ::testing::TestParamInfo<int>& info) { return "scale_" + std::to_string(info.param); });

// "5.00m" on the field of view's tint with the field's edge crossing the top
// of its glyphs, as the side view draws a 5 m target, painted with its halo
// and without: what the halo whitens by half or more.
struct Halo {
    QImage bare; // the label's glyphs alone, without a halo
    QImage crossed; // the drawing with the label's glyphs, without a halo
    QImage shown; // the drawing as shown
    QLineF edge;
};

Halo HaloOverAnEdge(int scale)
{
    Halo halo;
    halo.edge = QLineF(0, 9 * scale, 80 * scale, 12 * scale);
    const auto render = [&](const QColor& haloColour, bool edge) {
        QGraphicsScene scene(0, 0, 80 * scale, 30 * scale);
        scene.setBackgroundBrush(QColor(222, 233, 239));
        auto* label = new CKWQTSceneLabel(QStringLiteral("5.00m"), haloColour);
        SetPixels(*label, 12 * scale);
        label->setPos(10 * scale, 5 * scale);
        label->setZValue(2.0);
        scene.addItem(label);
        if (edge) {
            scene.addLine(halo.edge, QPen(QColor(145, 234, 240), scale));
        }
        QImage image(scene.sceneRect().size().toSize(), QImage::Format_ARGB32);
        QPainter painter(&image);
        scene.render(&painter, QRectF(image.rect()), scene.sceneRect());
        return image;
    };
    halo.bare = render(Qt::transparent, false);
    halo.crossed = render(Qt::transparent, true);
    halo.shown = render(Qt::white, true);
    return halo;
}

class SceneLabelHaloTest : public ::testing::TestWithParam<int> { };

// The halo follows the glyphs at every scale: what it whitens lies within
// one and a half units of a glyph's pixels (a halo of one unit and the
// glyph's own antialiased edge), or along the edge crossing the word where
// it closes the gaps between the glyphs. A halo spread over a whole-pixel
// square made the small glyphs of scale 1 one white box, two units and more
// out.
TEST_P(SceneLabelHaloTest, WhitensOnlyAlongTheGlyphsAndWhereALineCrossesTheWord)
{
    const int scale = GetParam();
    const Halo halo = HaloOverAnEdge(scale);
    std::vector<QPoint> glyph;
    for (int y = 0; y < halo.bare.height(); ++y) {
        for (int x = 0; x < halo.bare.width(); ++x) {
            if (Dark(halo.bare.pixel(x, y))) {
                glyph.emplace_back(x, y);
            }
        }
    }
    ASSERT_FALSE(glyph.empty());
    const double reach = 1.5 * scale;
    int whitened = 0;
    int far = 0;
    for (int y = 0; y < halo.shown.height(); ++y) {
        for (int x = 0; x < halo.shown.width(); ++x) {
            const int under = qGray(halo.crossed.pixel(x, y));
            if (Dark(halo.bare.pixel(x, y)) || 2 * (qGray(halo.shown.pixel(x, y)) - under) < 255 - under) {
                continue;
            }
            ++whitened;
            const QPointF centre(x + 0.5, y + 0.5);
            const bool nearGlyph = std::any_of(glyph.begin(), glyph.end(),
                [&](const QPoint& g) { return std::hypot(g.x() - x, g.y() - y) <= reach; });
            const QLineF toEdge(centre,
                halo.edge.pointAt(
                    std::clamp(QPointF::dotProduct(centre - halo.edge.p1(), halo.edge.p2() - halo.edge.p1())
                            / (halo.edge.length() * halo.edge.length()),
                        0.0, 1.0)));
            far += !nearGlyph && toEdge.length() > reach ? 1 : 0;
        }
    }
    EXPECT_GT(whitened, 40 * scale * scale) << "the halo shows";
    EXPECT_EQ(far, 0) << "pixels whitened farther from the glyphs of " << whitened;
}

INSTANTIATE_TEST_SUITE_P(Scales, SceneLabelHaloTest, ::testing::Values(1, 2),
    [](const ::testing::TestParamInfo<int>& info) { return "scale_" + std::to_string(info.param); });

} // namespace

namespace {

// The first column right of everything painted.
int RightOfInk(const QImage& image)
{
    int right = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = right; x < image.width(); ++x) {
            right = image.pixel(x, y) != qRgb(0, 0, 0) ? x + 1 : right;
        }
    }
    return right;
}

} // namespace

// A glyph's halo is made for its place within a pixel: the second "4" of
// "58.44°" stands at another fraction of a pixel than the first, whose halo
// would sit beside it. Digits are all as wide, so the last "4" of "58.04°",
// the only one there, stands where that of "58.44°" does.
TEST(SceneLabelHalo, ARepeatedGlyphHasTheHaloOfItsOwnPlaceWithinAPixel)
{
    for (const int pixels : { 12, 24 }) {
        SCOPED_TRACE(pixels);
        const auto painted = [pixels](const char* text) {
            CKWQTSceneLabel label(QString::fromUtf8(text));
            SetPixels(label, pixels);
            return Painted(label, QPointF(10, 10));
        };
        const int from = std::max(RightOfInk(painted("58.4")), RightOfInk(painted("58.0")));
        const QImage repeated = painted("58.44°");
        const QRect lastGlyphs(from, 0, repeated.width() - from, repeated.height());
        ASSERT_GT(RightOfInk(repeated), from);
        EXPECT_TRUE(repeated.copy(lastGlyphs) == painted("58.04°").copy(lastGlyphs));
    }
}
