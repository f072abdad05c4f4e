#include "ui/scenes/KWQTSideSceneFish.h"

#include "tests/common/KWTestKit.h"
#include "ui/scenes/KWQTGraphicsLineItem.h"
#include "ui/scenes/KWQTVSliderItem.h"

#include <gtest/gtest.h>

#include <vector>

#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPointer>

#include <algorithm>
#include <memory>

namespace {

struct Listener : IKWSideSceneFishEvent, KWCallRecorder {
    void OnObjectHeightChanged(double v) override { Record("OnObjectHeightChanged", v); }
    void OnVirtualHeightChanged(double v) override { Record("OnVirtualHeightChanged", v); }
    void OnObjectDistanceChanged(double v) override { Record("OnObjectDistanceChanged", v); }
};

const QColor kPerson(200, 20, 20);
const QColor kCeilingCamera(20, 20, 200);
const QColor kWallCamera(20, 200, 20);

// The fisheye side view as the calculator drives it, at the standard
// 412 x 304 size (scene 402 x 294), inside a shown parent so that resizes
// arrive at once.
class SideFishFixture : public ::testing::Test {
protected:
    SideFishFixture()
        : skin { { QStringLiteral("move_shangxia_nor.PNG"), QColor(1, 1, 1), QSize(26, 26) },
            { QStringLiteral("move_shangxia_hov.PNG"), QColor(2, 2, 2), QSize(26, 26) },
            { QStringLiteral("move_shangxia_pre.PNG"), QColor(3, 3, 3), QSize(26, 26) },
            { QStringLiteral("move_zuoyou_nor.PNG"), QColor(4, 4, 4), QSize(26, 26) },
            { QStringLiteral("move_zuoyou_hov.PNG"), QColor(5, 5, 5), QSize(26, 26) },
            { QStringLiteral("move_zuoyou_pre.PNG"), QColor(6, 6, 6), QSize(26, 26) },
            { QStringLiteral("besidepeople_nor.PNG"), kPerson, QSize(104, 254) },
            { QStringLiteral("ceshi_bizhuang_nor.png"), kWallCamera, QSize(48, 48) },
            { QStringLiteral("ceshi_dingzhuang_nor.png"), kCeilingCamera, QSize(48, 48) } }
    {
        parent.resize(600, 400);
        parent.show();
        view.reset(static_cast<CKWQTSideSceneFish*>(CreateKWSideSceneFish(&listener)));
        RECT rect { 0, 0, 200, 20 };
        view->Create(L"", WS_VISIBLE, rect, &parent, 9);
        view->SetRectTimes(1.0);
        ImageVericalStyle style;
        style.strVDragNormal = L"move_shangxia_nor.PNG";
        style.strVDragHover = L"move_shangxia_hov.PNG";
        style.strVDragPressed = L"move_shangxia_pre.PNG";
        style.strHDragNormal = L"move_zuoyou_nor.PNG";
        style.strHDragHover = L"move_zuoyou_hov.PNG";
        style.strHDragPressed = L"move_zuoyou_pre.PNG";
        style.strPerson = L"besidepeople_nor.PNG";
        style.strWallMountImage = L"ceshi_bizhuang_nor.png";
        style.strCameraImage = L"ceshi_dingzhuang_nor.png";
        view->SetImage(&style);
        Resize();
    }

    void Resize()
    {
        RECT area { 0, 0, 411, 303 };
        view->MoveWindow(&area);
        view->SetVirtualHeight(2.0);
        view->SetObjectHeight(1.7);
    }

    // Drags the handle from its centre through the points.
    void Drag(int id, const std::vector<QPointF>& path)
    {
        const QRectF box = view->GetHandle(id)->sceneBoundingRect();
        KWSceneDrag(view->GetScene(), box.center(), path);
    }

    KWTempSkinDir skin;
    Listener listener;
    QWidget parent;
    std::unique_ptr<CKWQTSideSceneFish> view;
};

TEST_F(SideFishFixture, ItemsStandWhereTheLayoutPutsThem)
{
    EXPECT_EQ(view->size(), QSize(412, 304)) << "right and bottom inclusive";
    EXPECT_EQ(view->GetScene()->sceneRect(), QRectF(0, 0, 402, 294));
    EXPECT_EQ(view->GetBackdrop()->path().boundingRect(), QRectF(20, 20, 362, 254));

    EXPECT_EQ(view->GetCameraLabel()->toPlainText(), QStringLiteral("2.00m"));
    EXPECT_EQ(view->GetHeightLabel()->toPlainText(), QStringLiteral("1.70m"));
    EXPECT_EQ(view->GetDistanceLabel()->toPlainText(), QStringLiteral("2.00m"));
    // The person's handle would reach 0.8 px into the camera's picture: it
    // steps to two pixels off it, 3 px right (whole pixels). The camera's
    // handle (231, 159.4) would lie on the person's: it steps right of it,
    // touching it, and its label with it. The person's label stands on the
    // person's far side from the camera (+20), under the camera's handle.
    EXPECT_EQ(view->GetCameraLabel()->pos(), QPointF(283, 159.4));
    EXPECT_NEAR(view->GetHeightLabel()->pos().x(), 252.2, 1e-9);
    EXPECT_NEAR(view->GetHeightLabel()->pos().y(), 191.259375, 1e-9);
    EXPECT_EQ(view->GetHandle(1)->offset(), QPointF(253, 159.4));
    EXPECT_EQ(view->GetHandle(2)->offset(), QPointF(224.2, 261));
    EXPECT_EQ(view->GetHandle(4)->offset(), QPointF(227.2, 174.64));
    EXPECT_EQ(view->GetPersonPicture()->pos(), QPointF(219.52, 187.64));
    EXPECT_NEAR(view->GetPersonPicture()->transform().m11(), 0.34, 1e-9);
    EXPECT_EQ(view->GetLine(KW_FISH_LINE_BELOW_CAMERA)->line(), QLineF(201, 172.4, 201, 274));
    EXPECT_TRUE(view->GetCeilingPicture()->isVisible());
    EXPECT_FALSE(view->GetWallPicture()->isVisible());

    view->SetInstWay(false);
    EXPECT_FALSE(view->GetCeilingPicture()->isVisible());
    EXPECT_EQ(view->GetWallPicture()->pos(), QPointF(-4, 148.4));
    EXPECT_EQ(view->GetHeightLabel()->pos(), QPointF(112.4, 174.64));
}

// The same values give the same drawing to the digit, whatever was drawn
// before, in feet too, where a handle's place from the drawing in metres
// differs from the new one in the last digits only.
TEST_F(SideFishFixture, TheSameValuesDrawTheSameWhateverWasDrawnBefore)
{
    const auto places = [this] {
        std::vector<QPointF> at;
        for (int id : { 1, 2, 4 }) {
            at.push_back(view->GetHandle(id)->offset());
        }
        for (QGraphicsTextItem* label :
            { view->GetCameraLabel(), view->GetHeightLabel(), view->GetDistanceLabel() }) {
            at.push_back(label->pos());
        }
        return at;
    };
    for (bool ceiling : { true, false }) {
        view->SetInstWay(ceiling);
        view->OnView_ChangeUnit(0);
        view->SetObjectHeight(1.75);
        const std::vector<QPointF> first = places();
        view->SetObjectHeight(1.75);
        EXPECT_EQ(places(), first) << "drawn again";
        view->SetObjectHeight(5.5);
        view->SetObjectHeight(1.75);
        EXPECT_EQ(places(), first) << "drawn after another";
        view->OnView_ChangeUnit(1);
    }
}

TEST_F(SideFishFixture, CameraHandleStopsAtThePersonOnACeilingAndAtTheMinimumOnAWall)
{
    Drag(1, { QPointF(244, 150), QPointF(244, 280) });
    std::vector<std::vector<double>> reports = listener.ArgsOf("OnVirtualHeightChanged");
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NEAR(reports[0][0], 2.44, 1e-9) << "124 of 254 px of 5 m, at the field's two decimals";
    EXPECT_NEAR(reports[1][0], 1.7, 1e-9) << "ceiling: no lower than the top of the person";
    EXPECT_EQ(view->GetCameraLabel()->toPlainText(), QStringLiteral("1.70m"));

    view->SetInstWay(false);
    listener.Clear();
    Drag(1, { QPointF(63, 280) });
    reports = listener.ArgsOf("OnVirtualHeightChanged");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NEAR(reports[0][0], 0.3, 1e-9) << "wall: down to the minimum height, past the person";

    // A short person on a ceiling mount: the minimum height is the limit.
    // (The person stands away, so that its handle is not the one pressed.)
    view->SetInstWay(true);
    view->SetObjectDistance(8.0);
    view->SetObjectHeight(0.2);
    listener.Clear();
    Drag(1, { QPointF(244, 290) });
    EXPECT_NEAR(listener.ArgsOf("OnVirtualHeightChanged").at(0)[0], 0.3, 1e-9);
}

TEST_F(SideFishFixture, DistanceHandleLeftOfTheCeilingCameraMirrorsThePerson)
{
    Drag(2, { QPointF(110.5, 274) });
    ASSERT_EQ(listener.Count("OnObjectDistanceChanged"), 1);
    EXPECT_NEAR(listener.ArgsOf("OnObjectDistanceChanged")[0][0], 5.0, 1e-9)
        << "a distance is never negative";
    EXPECT_FALSE(view->GetValues().rightSide);
    EXPECT_NEAR(view->GetLayout().objectX, 110.5, 1e-9);
    EXPECT_NEAR(view->GetLayout().heightLabel.x, 130.5, 1e-9) << "label right of the person (+20)";
    EXPECT_NEAR(view->GetHeightLabel()->pos().x(), 49.82, 1e-9)
        << "there it would stand nearer the camera's picture than its handle: it takes the other side (-60)";
    EXPECT_EQ(view->GetDistanceLabel()->toPlainText(), QStringLiteral("5.00m"));

    // Back right of the axis.
    listener.Clear();
    Drag(2, { QPointF(291.5, 274) });
    EXPECT_TRUE(view->GetValues().rightSide);
    EXPECT_NEAR(view->GetHeightLabel()->pos().x(), 311.5, 1e-9)
        << "label right of the person (+20): left of it (-60) it would stand beside the camera's handle";

    // On a wall the label moves left once the person is beyond 200 px.
    view->SetInstWay(false);
    // The person stands at the distance taken (5.55 m, 4.97 m), a little off
    // the pointer.
    Drag(2, { QPointF(221, 274) });
    EXPECT_NEAR(view->GetHeightLabel()->pos().x(), 20 + 5.55 * 36.2 - 60, 1.0)
        << "left of the person (-60), clear of its picture";
    Drag(2, { QPointF(200, 274) });
    EXPECT_NEAR(view->GetHeightLabel()->pos().x(), 20 + 4.97 * 36.2 + 20, 1e-9);
}

TEST_F(SideFishFixture, ObjectHeightDragMovesOnlyThePersonPartsAndReports)
{
    const QPointF distanceHandle = view->GetHandle(2)->offset();
    const QString cameraLabel = view->GetCameraLabel()->toPlainText();
    Drag(4, { QPointF(237.2, 223.2) });
    ASSERT_EQ(listener.Count("OnObjectHeightChanged"), 1);
    EXPECT_NEAR(listener.ArgsOf("OnObjectHeightChanged")[0][0], 1.0, 1e-9);
    EXPECT_EQ(listener.Count("OnVirtualHeightChanged") + listener.Count("OnObjectDistanceChanged"), 0);
    EXPECT_EQ(view->GetHeightLabel()->toPlainText(), QStringLiteral("1.00m"));
    EXPECT_NEAR(view->GetHeightLabel()->pos().y(), 210.2, 1e-9);
    EXPECT_NEAR(view->GetPersonPicture()->pos().y(), 223.2, 1e-9);
    EXPECT_NEAR(view->GetPersonPicture()->transform().m22(), 0.2, 1e-9);
    EXPECT_NEAR(view->GetLayout().cameraRange.max, 223.2, 1e-9)
        << "the camera may now come down to the new top";
    EXPECT_EQ(view->GetHandle(2)->offset(), distanceHandle);
    EXPECT_EQ(view->GetCameraLabel()->toPlainText(), cameraLabel);

    // The camera's limit follows the shorter person at once.
    Drag(1, { QPointF(244, 260) });
    EXPECT_NEAR(listener.ArgsOf("OnVirtualHeightChanged").at(0)[0], 1.0, 1e-9);
}

TEST_F(SideFishFixture, SettersNeverCallTheListenerAndSetTheSideByTheirOwnRules)
{
    listener.Clear();
    view->SetVirtualHeight(3.0);
    view->SetObjectHeight(1.2);
    view->SetInstWay(false);
    view->SetObjectDistance(6.0);
    EXPECT_FALSE(view->GetValues().rightSide);
    view->SetObjectDistance(0.0);
    EXPECT_FALSE(view->GetValues().rightSide) << "0 leaves the flag";
    view->SetObjectDistance(5.5);
    view->SetInstWay(true);
    view->SetInstWay(false);
    EXPECT_FALSE(view->GetValues().rightSide) << "5.5 is not below 5.5";
    view->OnView_ChangeUnit(0);
    view->OnView_ChangeUnit(1);
    view->SetRectTimes(1.0);
    Resize();
    EXPECT_TRUE(listener.calls.empty());
}

TEST_F(SideFishFixture, UnitSwitchConvertsEveryLengthOnEachCall)
{
    const KWFishSideLayout before = view->GetLayout();
    view->OnView_ChangeUnit(0);
    view->OnView_ChangeUnit(0);
    const double f2 = 3.2808399 * 3.2808399;
    const KWFishSideValues& v = view->GetValues();
    EXPECT_NEAR(v.installHeight, 2.0 * f2, 1e-9);
    EXPECT_NEAR(v.objectHeight, 1.7 * f2, 1e-9);
    EXPECT_NEAR(v.objectDistance, 2.0 * f2, 1e-9);
    EXPECT_NEAR(v.lengthMax, 10.0 * f2, 1e-9);
    EXPECT_NEAR(v.heightMax, 5.0 * f2, 1e-9);
    EXPECT_NEAR(v.minInstallHeight, 0.3 * f2, 1e-9);
    EXPECT_NEAR(v.minObjectHeight, 0.1 * f2, 1e-9);
    EXPECT_FALSE(view->IsMetric());
    EXPECT_EQ(view->GetCameraLabel()->toPlainText(), QString::asprintf("%0.2fft", 2.0 * f2));
    EXPECT_NEAR(view->GetLayout().objectX, before.objectX, 1e-9)
        << "the picture does not change with the unit";
    EXPECT_NEAR(view->GetLayout().cameraRange.max, before.cameraRange.max, 1e-9);

    view->OnView_ChangeUnit(1);
    EXPECT_NEAR(view->GetValues().installHeight, 2.0 * 3.2808399, 1e-9);
    EXPECT_TRUE(view->IsMetric());
    EXPECT_EQ(view->GetCameraLabel()->toPlainText(), QStringLiteral("6.56m"));
}

TEST_F(SideFishFixture, UnitRoundTripGivesTheSameMetresBack)
{
    // 1.7 and 0.1 come back changed when feet are turned into metres by
    // multiplying with the reciprocal instead of dividing.
    const KWFishSideValues before = view->GetValues();
    view->OnView_ChangeUnit(0);
    view->OnView_ChangeUnit(1);
    using V = KWFishSideValues;
    for (double V::*length : { &V::installHeight, &V::objectHeight, &V::objectDistance, &V::lengthMax,
             &V::heightMax, &V::minInstallHeight, &V::minObjectHeight }) {
        EXPECT_EQ(view->GetValues().*length, before.*length);
    }
}

TEST_F(SideFishFixture, EmptyPictureNamesKeepWhatIsShownAndSizeOnlyChangesTheFont)
{
    ImageVericalStyle empty;
    view->SetImage(&empty);
    view->SetImage(nullptr);
    EXPECT_FALSE(view->GetPersonPicture()->pixmap().isNull());
    EXPECT_FALSE(view->GetCeilingPicture()->pixmap().isNull());
    EXPECT_FALSE(view->GetHandle(2)->pixmap().isNull());

    const QPointF label = view->GetCameraLabel()->pos();
    view->SetRectTimes(2.0);
    EXPECT_EQ(view->GetCameraLabel()->font().pixelSize(), 24);
    EXPECT_EQ(view->GetCameraLabel()->pos(), label) << "no redraw until the next change";

    const QRect geometry = view->geometry();
    view->ShowWindow(0);
    view->MoveWindow(5, 5, 50, 50);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->geometry(), geometry);
}

TEST_F(SideFishFixture, ScreenshotShowsCameraPersonAndFloor)
{
    QGraphicsView* graphics = view->GetView();
    auto pixel = [&](QPointF scenePoint) {
        return KWGrabImage(graphics->viewport()).pixelColor(graphics->mapFromScene(scenePoint));
    };
    EXPECT_EQ(pixel(QPointF(237.2, 230)), kPerson);
    EXPECT_EQ(pixel(QPointF(190, 160)), kCeilingCamera);
    // The antialiased line may spread over two pixel rows.
    int darkest = 255;
    for (double dy : { -1.0, 0.0, 1.0 }) {
        darkest = std::min(darkest, pixel(QPointF(100, 274 + dy)).lightness());
    }
    EXPECT_LT(darkest, 160) << "the floor line";
    EXPECT_EQ(pixel(QPointF(5, 5)), QColor(Qt::white)) << "outside the backdrop";
    const QColor backdrop = pixel(QPointF(60, 60));
    EXPECT_NE(backdrop, QColor(Qt::white)) << "the backdrop tints the drawing area";
    EXPECT_GT(backdrop.lightness(), 200);
}

TEST(SideSceneFish, SceneAndItemsGoWithTheWidget)
{
    auto* view = static_cast<CKWQTSideSceneFish*>(CreateKWSideSceneFish(nullptr));
    ASSERT_NE(view, nullptr);
    QPointer<QGraphicsScene> scene = view->GetScene();
    delete static_cast<CKWSideSceneFish*>(view);
    EXPECT_TRUE(scene.isNull());
}

} // namespace
