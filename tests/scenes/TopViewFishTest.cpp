#include "ui/scenes/KWQTTopViewFish.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPen>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>

namespace {

struct Listener : IKWTopViewFishEvent { };

// Each key labelled with its own value, so a label tells which key it shows.
std::map<double, std::wstring> Rings(std::initializer_list<double> keys)
{
    std::map<double, std::wstring> rings;
    for (double key : keys) {
        rings[key] = L"key " + std::to_wstring(static_cast<int>(key));
    }
    return rings;
}

QString KeyText(int key)
{
    return QStringLiteral("key %1").arg(key);
}

class TopViewFishTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.reset(static_cast<CKWQTTopViewFish*>(CreateKWTopViewFish(&listener)));
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->Create(WS_VISIBLE, RECT { 0, 0, 460, 300 }, parent.Handle(), 0), 1);
    }

    // A ring is a circle: the centre and half the side of its bounding square.
    double Radius(int ring) const { return view->GetRing(ring)->path().boundingRect().width() / 2.0; }
    QPointF Centre(int ring) const { return view->GetRing(ring)->path().boundingRect().center(); }

    // The view as painted, read at a scene point.
    QColor PaintedAt(const QImage& image, double x, double y) const
    {
        return image.pixelColor(view->viewport()->mapTo(view.get(), view->mapFromScene(QPointF(x, y))));
    }

    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTTopViewFish> view; // released before the parent
};

TEST_F(TopViewFishTest, CeilingRingsAndLegendFollowTheMap)
{
    struct Row {
        const char* what;
        std::initializer_list<double> keys;
        double t;
        std::array<double, 4> radius; // rings 1 to 4; 0: hidden
        std::array<int, 4> labelKey; // labels (and dots) 1 to 4; 0: hidden
    };
    const Row rows[] = {
        { "four entries at scale 2", { 2, 4, 6, 8 }, 2.0, { 250, 187.5, 125, 62.5 }, { 2, 4, 6, 8 } },
        { "three entries", { 3, 6, 12 }, 1.0, { 125, 62.5, 31.25, 0 }, { 0, 3, 6, 12 } },
        { "one entry", { 5 }, 1.0, { 125, 0, 0, 0 }, { 0, 0, 0, 5 } },
    };
    for (const Row& row : rows) {
        SetUp(); // a fresh view for each row
        const double t = row.t;
        view->SetRectTimes(t);
        view->SetRadiusPPM(Rings(row.keys), false);
        for (int i = 1; i <= 4; ++i) {
            const bool ringShown = row.radius[i - 1] > 0;
            EXPECT_EQ(view->GetRing(i)->isVisible(), ringShown) << row.what << ", ring " << i;
            if (ringShown) {
                EXPECT_DOUBLE_EQ(Radius(i), row.radius[i - 1]) << row.what << ", ring " << i;
                EXPECT_EQ(Centre(i), QPointF(140, 140) * t) << row.what << ", ring " << i;
            }
            const int key = row.labelKey[i - 1];
            EXPECT_EQ(view->GetLabel(i)->isVisible(), key != 0) << row.what << ", label " << i;
            EXPECT_EQ(view->GetDot(i)->isVisible(), key != 0) << row.what << ", dot " << i;
            if (key != 0) {
                EXPECT_EQ(view->GetLabel(i)->toPlainText(), KeyText(key)) << row.what << ", label " << i;
                EXPECT_EQ(view->GetLabel(i)->pos(), QPointF(345, 28 + 30 * (i - 1)) * t)
                    << row.what << ", label " << i;
            }
        }
        EXPECT_FALSE(view->GetLabel(5)->isVisible()) << row.what;
        EXPECT_EQ(view->GetLabel(1)->font().pixelSize(), static_cast<int>(12 * t)) << row.what;
        EXPECT_EQ(view->GetHorizontalAxis()->line(), QLineF(10 * t, 140 * t, 270 * t, 140 * t)) << row.what;
    }
}

TEST_F(TopViewFishTest, InnermostRingIsFilledFlatOrWithAGradient)
{
    struct Row {
        const char* what;
        std::initializer_list<double> keys;
        bool gradient;
        int ring;
        QColor pen;
        QColor flat; // the brush colour without a gradient
        QColor stop0; // with it: the centre and the rim
        QColor stop1;
    };
    const QColor green(0, 163, 53);
    const QColor pale(109, 193, 128, 190);
    const Row rows[] = {
        { "four entries, flat", { 2, 4, 6, 8 }, false, 4, green, green, {}, {} },
        { "four entries, gradient", { 2, 4, 6, 8 }, true, 4, green, {}, QColor(164, 191, 255),
            QColor(79, 130, 255) },
        { "three entries, flat", { 3, 6, 12 }, false, 3, pale, pale, {}, {} },
        { "three entries, gradient", { 3, 6, 12 }, true, 3, pale, {}, QColor(79, 130, 255, 5),
            QColor(79, 130, 255, 190) },
    };
    for (const Row& row : rows) {
        SetUp();
        view->SetRadiusPPM(Rings(row.keys), row.gradient);
        const QGraphicsPathItem* ring = view->GetRing(row.ring);
        EXPECT_EQ(ring->pen().color(), row.pen) << row.what;
        if (!row.gradient) {
            EXPECT_EQ(ring->brush().style(), Qt::SolidPattern) << row.what;
            EXPECT_EQ(ring->brush().color(), row.flat) << row.what;
            continue;
        }
        ASSERT_EQ(ring->brush().style(), Qt::RadialGradientPattern) << row.what;
        const auto* gradient = static_cast<const QRadialGradient*>(ring->brush().gradient());
        EXPECT_EQ(gradient->center(), QPointF(140, 140)) << row.what;
        EXPECT_DOUBLE_EQ(gradient->radius(), Radius(row.ring)) << row.what;
        ASSERT_EQ(gradient->stops().size(), 3) << row.what;
        EXPECT_EQ(gradient->stops().front().second, row.stop0) << row.what;
        EXPECT_EQ(gradient->stops().back().second, row.stop1) << row.what;
    }
}

TEST_F(TopViewFishTest, EmptyMapClearsTheLegendAndHidesTheRingsUntilTheNextMap)
{
    view->SetRadiusPPM(Rings({ 2, 4, 6, 8 }), false);
    view->SetRadiusPPM({}, true);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(view->GetLabel(i)->toPlainText().isEmpty()) << i;
    }
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FALSE(view->GetRing(i)->isVisible()) << "ring " << i;
        EXPECT_FALSE(view->GetDot(i)->isVisible()) << "dot " << i;
    }
    EXPECT_DOUBLE_EQ(Radius(2), 93.75);
    EXPECT_DOUBLE_EQ(Radius(4), 31.25);
    EXPECT_EQ(view->GetRing(4)->brush().style(), Qt::SolidPattern) << "the gradient flag came with no rings";

    view->SetRadiusPPM(Rings({ 6, 8 }), false);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(view->GetRing(i)->isVisible(), i <= 2) << "ring " << i;
        EXPECT_EQ(view->GetDot(i)->isVisible(), i >= 3) << "dot " << i;
    }
    EXPECT_TRUE(view->GetLabel(4)->isVisible());
}

TEST_F(TopViewFishTest, MoreThanFourEntriesRedrawEveryRingFromTheFourLargestKeys)
{
    view->SetRadiusPPM(Rings({ 2, 4, 6, 8 }), false);
    view->SetRadiusPPM(Rings({ 1, 3, 5, 7, 8 }), false);
    KWGrabImage(view.get()); // a paint rebuilds the shapes once more
    const std::array<double, 4> radius { 125, 109.375, 78.125, 46.875 };
    for (int i = 1; i <= 4; ++i) {
        EXPECT_DOUBLE_EQ(Radius(i), radius[i - 1]) << "ring " << i;
        EXPECT_TRUE(view->GetRing(i)->isVisible()) << "ring " << i;
    }
    EXPECT_EQ(view->GetLabel(1)->toPlainText(), KeyText(3));
    EXPECT_EQ(view->GetLabel(4)->toPlainText(), KeyText(8));
}

TEST_F(TopViewFishTest, WallMountListsFiveLabelsInAscendingOrder)
{
    view->SetInstWay(false);
    EXPECT_FALSE(view->GetHorizontalAxis()->isVisible());
    EXPECT_FALSE(view->GetRing(1)->isVisible());
    EXPECT_FALSE(view->GetDot(4)->isVisible());

    view->SetRadiusPPM(Rings({ 10, 2, 8, 4, 6 }), false);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(view->GetLabel(i)->isVisible()) << i;
        EXPECT_EQ(view->GetLabel(i)->toPlainText(), KeyText(2 * i)) << i;
        EXPECT_EQ(view->GetLabel(i)->pos(), QPointF(67, 61 + 30 * (i - 1))) << i;
    }

    // Any other count only moves the list.
    view->SetRectTimes(2.0);
    view->SetRadiusPPM(Rings({ 1, 3, 5, 7 }), false);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(view->GetLabel(i)->toPlainText(), KeyText(2 * i)) << i;
        EXPECT_EQ(view->GetLabel(i)->pos(), QPointF(134, 122 + 60 * (i - 1))) << i;
    }

    view->SetInstWay(true);
    EXPECT_TRUE(view->GetHorizontalAxis()->isVisible());
    EXPECT_TRUE(view->GetRing(4)->isVisible());
    EXPECT_FALSE(view->GetLabel(5)->isVisible());
    EXPECT_FALSE(view->GetFifthPath()->isVisible());
}

// The view as first painted, and once the calculator has sent four rings:
// each ring's fill where the geometry puts it, blended over white and over
// the rings beneath, and white outside the outermost one.
TEST_F(TopViewFishTest, PaintsTheRingsWhereTheGeometrySays)
{
    parent.resize(460, 300);
    parent.show();
    EXPECT_EQ(view->GetLabel(1)->toPlainText(), QStringLiteral("Area #1: 0.5m, PPM: 225"));

    // Over white: ring 1 alone is 255 - (255 - c) * 63 / 255; inside ring 2
    // that is blended again with ring 2's colour at 125 / 255.
    const auto over
        = [](int below, int colour, int alpha) { return below + (colour - below) * alpha / 255.0; };
    const QColor ring1(qRound(over(255, 222, 63)), qRound(over(255, 233, 63)), qRound(over(255, 239, 63)));
    const QColor ring2(qRound(over(ring1.red(), 190, 125)), qRound(over(ring1.green(), 220, 125)),
        qRound(over(ring1.blue(), 188, 125)));
    const auto near = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2
            && std::abs(a.blue() - b.blue()) <= 2;
    };

    QImage image = KWGrabImage(view.get());
    EXPECT_PRED2(near, PaintedAt(image, 140, 140 - 112), ring1) << "between radius 100 and 125";
    EXPECT_PRED2(near, PaintedAt(image, 140 + 60, 140 - 60), ring2) << "inside the default ring 2";
    EXPECT_EQ(PaintedAt(image, 140 + 100, 140 - 100), QColor(Qt::white)) << "outside the outer ring";
    EXPECT_EQ(PaintedAt(image, 325, 40), QColor(0, 163, 53)) << "the first legend dot";

    view->SetRadiusPPM(Rings({ 2, 4, 6, 8 }), false);
    image = KWGrabImage(view.get());
    EXPECT_EQ(PaintedAt(image, 140 + 15, 140 - 15), QColor(0, 163, 53)) << "inside ring 4 (31.25)";
    EXPECT_PRED2(near, PaintedAt(image, 140, 140 - 120), ring1) << "ring 1 keeps 125";
}

} // namespace
