#include "ui/scenes/KWQTVSliderItem.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QGraphicsScene>

#include <memory>

namespace {

struct Listener : IKWSliderEvent, KWCallRecorder {
    void OnSliderPos(int sliderId, double pos) override { Record("OnSliderPos", sliderId, pos); }
};

const QColor kNormal(200, 0, 0);
const QColor kHover(0, 200, 0);
const QColor kPressed(0, 0, 200);

// A scene holding one handle with solid-colour pictures: normal and pressed
// 10 x 10, hover 11 x 17 (odd both ways, so the halves truncate).
class SliderFixture {
public:
    SliderFixture(int id, bool vertical)
        : skin { { QStringLiteral("n.png"), kNormal, QSize(10, 10) },
            { QStringLiteral("h.png"), kHover, QSize(11, 17) },
            { QStringLiteral("p.png"), kPressed, QSize(10, 10) } }
        , handle(new CKWQTVSliderItem(id, vertical))
    {
        scene.setSceneRect(0, 0, 400, 300);
        scene.addItem(handle);
        handle->SetSliderEvent(&listener);
        handle->LoadImage(CKWQTVSliderItem::NormalImage, QStringLiteral("n.png"));
        handle->LoadImage(CKWQTVSliderItem::HoverImage, QStringLiteral("h.png"));
        handle->LoadImage(CKWQTVSliderItem::PressedImage, QStringLiteral("p.png"));
    }

    QColor Shown() const { return handle->pixmap().toImage().pixelColor(0, 0); }

    KWTempSkinDir skin;
    Listener listener;
    QGraphicsScene scene;
    CKWQTVSliderItem* handle; // owned by the scene
};

TEST(VSliderItem, DragStopsAtItsBoundsAndReportsEachStepOnce)
{
    struct Row {
        const char* what;
        bool vertical;
        double min, max;
        std::vector<QPointF> path;
        std::vector<double> reported;
        QPointF finalOffset; // centre minus half the hover picture (17 / 2 = 8, 11 / 2 = 5)
    };
    const Row rows[] = {
        { "vertical past both ends", true, 50, 150, { { 5, 120 }, { 5, 200 }, { 5, 10 }, { 300, 60 } },
            { 120, 150, 50, 60 }, { 100, 52 } },
        { "horizontal past both ends", false, 50, 150, { { 120, 5 }, { 390, 5 }, { 0, 5 }, { 70, 280 } },
            { 120, 150, 50, 70 }, { 65, 100 } },
        { "vertical, bounds inverted: below the minimum gives the minimum, all else the maximum", true, 100,
            50, { { 5, 80 }, { 5, 120 }, { 5, 30 }, { 5, 75 } }, { 100, 50, 100, 100 }, { 100, 92 } },
    };
    for (const Row& row : rows) {
        SliderFixture f(3, row.vertical);
        f.handle->setOffset(100, 100);
        f.handle->SetMoveRange(row.min, row.max);
        KWSceneDrag(&f.scene, QPointF(105, 105), row.path);

        std::vector<std::vector<double>> expected;
        for (double v : row.reported) {
            expected.push_back({ 3, v });
        }
        EXPECT_EQ(f.listener.ArgsOf("OnSliderPos"), expected) << row.what;
        EXPECT_EQ(f.handle->offset(), row.finalOffset) << row.what;
        EXPECT_EQ(f.handle->pos(), QPointF(0, 0)) << row.what << ": the handle moves by its offset only";
    }
}

TEST(VSliderItem, HoverPressAndReleaseSwitchThePicture)
{
    SliderFixture f(1, true);
    f.handle->setOffset(100, 100);
    f.handle->SetMoveRange(0, 300);
    EXPECT_EQ(f.Shown(), kNormal);

    KWSceneMove(&f.scene, QPointF(105, 105), false);
    EXPECT_EQ(f.Shown(), kHover);
    KWScenePress(&f.scene, QPointF(105, 105));
    EXPECT_EQ(f.Shown(), kPressed);
    EXPECT_EQ(f.scene.mouseGrabberItem(), f.handle) << "the press must keep the grab for the drag";
    KWSceneRelease(&f.scene, QPointF(105, 105));
    EXPECT_EQ(f.Shown(), kNormal);
    EXPECT_EQ(f.listener.Count("OnSliderPos"), 0) << "a press without a move reports nothing";

    // The release shows the normal picture even with the pointer still on
    // the handle; the hover picture comes back with the next entry.
    KWSceneMove(&f.scene, QPointF(300, 250), false);
    EXPECT_EQ(f.Shown(), kNormal);
    KWSceneMove(&f.scene, QPointF(105, 105), false);
    EXPECT_EQ(f.Shown(), kHover);
    KWSceneMove(&f.scene, QPointF(300, 250), false);
    EXPECT_EQ(f.Shown(), kNormal) << "leaving shows the normal picture again";
    EXPECT_EQ(f.listener.Count("OnSliderPos"), 0) << "hovering is no drag";
}

TEST(VSliderItem, LoadImageOfAnUnusedStateOnlyShowsTheNormalPicture)
{
    SliderFixture f(1, true);
    f.skin.Add(QStringLiteral("other.png"), Qt::yellow);
    f.handle->setOffset(100, 100);
    KWSceneMove(&f.scene, QPointF(105, 105), false);
    ASSERT_EQ(f.Shown(), kHover);
    for (int state : { 2, 3, 5, -1 }) {
        f.handle->LoadImage(state, QStringLiteral("other.png"));
        EXPECT_EQ(f.Shown(), kNormal) << state;
    }
    // None of the three pictures was replaced.
    KWScenePress(&f.scene, QPointF(105, 105));
    EXPECT_EQ(f.Shown(), kPressed);
    KWSceneRelease(&f.scene, QPointF(105, 105));
    EXPECT_EQ(f.Shown(), kNormal);
    f.handle->LoadImage(CKWQTVSliderItem::NormalImage, QString());
    EXPECT_EQ(f.Shown(), kNormal) << "an empty name keeps the picture";
}

TEST(VSliderItem, LoadsPicturesBeforeItsSceneAddsIt)
{
    KWTempSkinDir skin { { QStringLiteral("n.png"), kNormal, QSize(4, 6) } };
    auto handle = std::make_unique<CKWQTVSliderItem>(2, false);
    handle->LoadImage(CKWQTVSliderItem::NormalImage, QStringLiteral("n.png"));
    EXPECT_EQ(handle->pixmap().size(), QSize(4, 6));

    QGraphicsScene scene;
    scene.addItem(handle.release());
}

TEST(VSliderItem, IsFocusableOnlyAndDragsWithoutAListener)
{
    SliderFixture f(4, true);
    EXPECT_EQ(f.handle->flags(), QGraphicsItem::ItemIsFocusable);
    EXPECT_TRUE(f.handle->acceptHoverEvents());
    EXPECT_EQ(f.handle->GetSliderId(), 4);
    EXPECT_TRUE(f.handle->IsVertical());

    f.handle->SetSliderEvent(nullptr);
    f.handle->setOffset(100, 100);
    f.handle->SetMoveRange(0, 300);
    KWSceneDrag(&f.scene, QPointF(105, 105), { { 105, 200 } });
    EXPECT_EQ(f.handle->offset(), QPointF(100, 192));
    EXPECT_EQ(f.listener.Count("OnSliderPos"), 0);
}

} // namespace
