#include "ui/scenes/KWQT3DView.h"

#include "tests/common/KWTestKit.h"
#include "ui/qt/KWControlKit.h"

#include <gtest/gtest.h>

#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPen>
#include <QPixmapCache>

#include <cmath>
#include <memory>

namespace {

const QColor kBackground(30, 90, 160);
const QColor kWall(90, 160, 30);
const QColor kPerson(200, 20, 20);

// A 900 x 600 view inside a shown parent, with solid-colour pictures: at
// scale 2 the design area's origin is (40, 33), at scale 1 (245, 166.5).
class View3DFixture : public ::testing::Test {
protected:
    View3DFixture()
        : skin { { QStringLiteral("h_nor.png"), QColor(1, 1, 1), QSize(10, 10) },
            { QStringLiteral("d_nor.png"), QColor(2, 2, 2), QSize(10, 10) },
            { QStringLiteral("a_nor.png"), QColor(3, 3, 3), QSize(10, 10) },
            { QStringLiteral("w_nor.png"), QColor(4, 4, 4), QSize(10, 10) },
            { QStringLiteral("h2_nor.png"), QColor(5, 5, 5), QSize(10, 10) },
            { QStringLiteral("model_x.png"), kBackground, QSize(410, 267) },
            { QStringLiteral("model_x_4k.png"), kBackground, QSize(820, 534) },
            { QStringLiteral("3d_dingzhuang_nor.png"), kBackground, QSize(410, 267) },
            { QStringLiteral("3d_bizhuang_nor.png"), kWall, QSize(280, 248) },
            { QStringLiteral("3dpicpeople_nor.png"), kPerson, QSize(12, 26) } }
    {
        parent.resize(1000, 700);
        parent.show();
        view.reset(static_cast<CKWQT3DView*>(CreateKW3DView(nullptr)));
    }

    void Build(double rectTimes, bool fisheye)
    {
        RECT rect { 0, 0, 200, 20 };
        view->Create(WS_VISIBLE, rect, &parent, 7);
        view->SetRectTimes(rectTimes);
        view->SetFishEyeEnable(fisheye);
        Image3DViewBtnStyle style { L"h_nor.png", L"d_nor.png", L"a_nor.png", L"w_nor.png", L"h2_nor.png" };
        view->SetSkin(&style);
        RECT area { 0, 0, 899, 599 };
        view->MoveWindow(&area);
    }

    QGraphicsItem* Slot(KW3DSlot slot) const { return view->GetMarkerItem(slot); }
    int FilledSlots() const
    {
        int n = 0;
        for (int s = 0; s < KW3D_SLOT_COUNT; ++s) {
            n += Slot(static_cast<KW3DSlot>(s)) != nullptr ? 1 : 0;
        }
        return n;
    }
    QLineF LineOf(KW3DSlot slot) const
    {
        auto* line = qgraphicsitem_cast<QGraphicsLineItem*>(Slot(slot));
        return line != nullptr ? line->line() : QLineF();
    }

    KWTempSkinDir skin;
    QWidget parent;
    std::unique_ptr<CKWQT3DView> view;
};

TEST_F(View3DFixture, EachMarkerCommandShowsItsItemsAndASecondCallRemovesExactlyThose)
{
    Build(1.0, false);
    view->SetBgImage(L"model_x.png", L"");
    const int itemsBefore = view->scene()->items().size();
    struct Row {
        const char* what;
        void (CKWQT3DView::*add)();
        std::vector<KW3DSlot> shown;
    };
    const Row rows[] = {
        { "install height", &CKWQT3DView::AddInstallHeight,
            { KW3D_SLOT_INSTALL_HEIGHT_LINE, KW3D_SLOT_INSTALL_HEIGHT_ICON } },
        { "resolution", &CKWQT3DView::AddResolution,
            { KW3D_SLOT_RESOLUTION_LINE, KW3D_SLOT_VERTICAL_LINE, KW3D_SLOT_WIDTH_ICON,
                KW3D_SLOT_SECOND_HEIGHT_ICON } },
        { "horizontal distance", &CKWQT3DView::AddHDistance,
            { KW3D_SLOT_DISTANCE_LINE, KW3D_SLOT_DISTANCE_ICON } },
        { "install angle", &CKWQT3DView::AddInstAngle, { KW3D_SLOT_ANGLE_ICON } },
        { "object distance", &CKWQT3DView::AddObjDistance,
            { KW3D_SLOT_DISTANCE_LINE, KW3D_SLOT_DISTANCE_ICON } },
        { "object height", &CKWQT3DView::AddObjHeight,
            { KW3D_SLOT_VERTICAL_LINE, KW3D_SLOT_SECOND_HEIGHT_ICON } },
    };
    for (const Row& row : rows) {
        (view.get()->*row.add)();
        EXPECT_EQ(FilledSlots(), static_cast<int>(row.shown.size())) << row.what;
        for (KW3DSlot slot : row.shown) {
            EXPECT_NE(Slot(slot), nullptr) << row.what << " slot " << slot;
        }
        EXPECT_EQ(view->scene()->items().size(), itemsBefore + static_cast<int>(row.shown.size()))
            << row.what;
        (view.get()->*row.add)();
        EXPECT_EQ(FilledSlots(), 0) << row.what;
        EXPECT_EQ(view->scene()->items().size(), itemsBefore) << row.what;
    }
}

TEST_F(View3DFixture, SharedSlotsAndANewPictureLeaveMarkersHalfShown)
{
    Build(1.0, false);
    view->SetBgImage(L"model_x.png", L"");
    view->AddHDistance();
    view->AddObjDistance();
    EXPECT_EQ(FilledSlots(), 0) << "the object distance removes the horizontal distance it shares slots with";

    view->AddInstallHeight();
    view->AddResolution();
    view->AddHDistance();
    view->AddInstAngle();
    ASSERT_EQ(FilledSlots(), KW3D_SLOT_COUNT);
    view->SetBgImage(L"model_x.png", L"");
    EXPECT_EQ(FilledSlots(), 3);
    EXPECT_NE(Slot(KW3D_SLOT_ANGLE_ICON), nullptr);
    EXPECT_NE(Slot(KW3D_SLOT_RESOLUTION_LINE), nullptr);
    EXPECT_NE(Slot(KW3D_SLOT_WIDTH_ICON), nullptr);

    // Each half of the resolution marker then flips on its own.
    view->AddResolution();
    EXPECT_EQ(Slot(KW3D_SLOT_RESOLUTION_LINE), nullptr);
    EXPECT_EQ(Slot(KW3D_SLOT_WIDTH_ICON), nullptr);
    EXPECT_NE(Slot(KW3D_SLOT_VERTICAL_LINE), nullptr);
    EXPECT_NE(Slot(KW3D_SLOT_SECOND_HEIGHT_ICON), nullptr);
    view->AddObjHeight();
    EXPECT_EQ(Slot(KW3D_SLOT_VERTICAL_LINE), nullptr);
    EXPECT_EQ(Slot(KW3D_SLOT_SECOND_HEIGHT_ICON), nullptr);
}

TEST_F(View3DFixture, FisheyeMarkersStandWhereTheMountPutsThem)
{
    struct Row {
        const char* what;
        bool ceiling;
        void (CKWQT3DView::*add)();
        KW3DSlot lineSlot;
        QLineF line; // design pixels
        KW3DSlot iconSlot;
        QPointF icon;
        QColor colour;
    };
    const QColor teal(10, 202, 168), purple(177, 54, 255), orange(255, 152, 41);
    const Row rows[] = {
        { "height, ceiling", true, &CKWQT3DView::AddInstallHeight, KW3D_SLOT_INSTALL_HEIGHT_LINE,
            { 209, 28, 209, 215 }, KW3D_SLOT_INSTALL_HEIGHT_ICON, { 172, 123 }, teal },
        { "height, wall", false, &CKWQT3DView::AddInstallHeight, KW3D_SLOT_INSTALL_HEIGHT_LINE,
            { 90, 140, 90, 196 }, KW3D_SLOT_INSTALL_HEIGHT_ICON, { 65, 160 }, teal },
        { "distance, ceiling", true, &CKWQT3DView::AddObjDistance, KW3D_SLOT_DISTANCE_LINE,
            { 213, 215, 234, 215 }, KW3D_SLOT_DISTANCE_ICON, { 215, 221 }, orange },
        { "distance, wall", false, &CKWQT3DView::AddObjDistance, KW3D_SLOT_DISTANCE_LINE,
            { 90, 196, 207, 196 }, KW3D_SLOT_DISTANCE_ICON, { 135, 200 }, orange },
        { "object height, ceiling", true, &CKWQT3DView::AddObjHeight, KW3D_SLOT_VERTICAL_LINE,
            { 250, 174, 250, 210 }, KW3D_SLOT_SECOND_HEIGHT_ICON, { 260, 184 }, purple },
        { "object height, wall", false, &CKWQT3DView::AddObjHeight, KW3D_SLOT_VERTICAL_LINE,
            { 220, 157, 220, 191 }, KW3D_SLOT_SECOND_HEIGHT_ICON, { 230, 160 }, purple },
    };
    const QPointF origin(40, 33);
    for (const Row& row : rows) {
        view.reset(static_cast<CKWQT3DView*>(CreateKW3DView(nullptr)));
        Build(2.0, true);
        view->SetInstWay(row.ceiling);
        (view.get()->*row.add)();
        const QLineF expected(origin + row.line.p1() * 2, origin + row.line.p2() * 2);
        EXPECT_EQ(LineOf(row.lineSlot), expected) << row.what;
        auto* line = qgraphicsitem_cast<QGraphicsLineItem*>(Slot(row.lineSlot));
        ASSERT_NE(line, nullptr) << row.what;
        EXPECT_EQ(line->pen().color(), row.colour) << row.what;
        ASSERT_NE(Slot(row.iconSlot), nullptr) << row.what;
        EXPECT_EQ(Slot(row.iconSlot)->pos(), origin + row.icon * 2) << row.what;
    }
}

TEST_F(View3DFixture, ObjectPositionMovesThePersonAndOnlyTheGroundDistanceLine)
{
    Build(2.0, false);
    view->SetBgImage(L"model_x_4k.png", L"3dpicpeople_nor.png");
    QGraphicsPixmapItem* person = view->GetPersonItem();
    ASSERT_NE(person, nullptr);
    EXPECT_TRUE(person->isVisible());
    EXPECT_EQ(person->pos(), QPointF(40 + 346, 33 + 244)) << "a new picture puts the person at the far end";

    view->SetVirtulXaxisMax(20.0);
    view->AddHDistance();
    view->SetObjectPos(0.0);
    EXPECT_EQ(person->pos(), QPointF(40 + 174, 33 + 344));
    EXPECT_EQ(LineOf(KW3D_SLOT_DISTANCE_LINE), QLineF(40 + 190, 33 + 414, 40 + 188, 33 + 414));

    view->SetObjectPos(20.0);
    EXPECT_NEAR(person->pos().x(), 40 + 345.873, 0.01);
    EXPECT_NEAR(person->pos().y(), 33 + 244.314, 0.01);
    EXPECT_EQ(LineOf(KW3D_SLOT_DISTANCE_LINE), QLineF(40 + 190, 33 + 414, 40 + 386, 33 + 306));

    // In fisheye mode the person is hidden and the distance marker is fixed.
    view->SetFishEyeEnable(true);
    view->SetObjectPos(10.0);
    EXPECT_EQ(LineOf(KW3D_SLOT_DISTANCE_LINE), QLineF(40 + 190, 33 + 414, 40 + 386, 33 + 306));
    view->SetBgImage(L"3d_dingzhuang_nor.png", L"3dpicpeople_nor.png");
    EXPECT_FALSE(view->GetPersonItem()->isVisible());
}

TEST_F(View3DFixture, AxisMaximumAndUnitSwitchKeepThePersonOnItsPath)
{
    Build(1.0, false);
    view->SetBgImage(L"model_x.png", L"3dpicpeople_nor.png");
    view->SetVirtulXaxisMax(22.9133858);
    view->SetObjectPos(10.0);
    const QPointF at10 = view->GetPersonItem()->pos();

    view->OnView_ChangeUnit(false);
    EXPECT_NEAR(view->GetAxisMax(), 22.9133858 * 3.2808399, 1e-9);
    EXPECT_NEAR(view->GetObjectPos(), 10.0 * 3.2808399, 1e-9);
    EXPECT_NEAR(view->GetPersonItem()->pos().x(), at10.x(), 1e-9) << "feet do not move the person";
    view->OnView_ChangeUnit(true);
    EXPECT_NEAR(view->GetObjectPos(), 10.0, 1e-9);

    view->SetVirtulXaxisMax(4.0);
    EXPECT_DOUBLE_EQ(view->GetObjectPos(), 4.0) << "the position is clamped to a smaller maximum";
    EXPECT_NEAR(view->GetPersonItem()->pos().x(), 245 + 172.936, 0.01);

    view->SetVirtulXaxisMax(0.0);
    const QPointF p = view->GetPersonItem()->pos();
    EXPECT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
    EXPECT_EQ(p, QPointF(245 + 87, 166.5 + 172)) << "no axis puts the person at the start";
    view->SetObjectPos(5.0);
    EXPECT_EQ(view->GetPersonItem()->pos(), p) << "and keeps it there, with no division by zero";
}

TEST_F(View3DFixture, BackgroundsAreCentredAndStayThereWhenTheViewMoves)
{
    Build(2.0, true);
    view->SetBgImage(L"model_x_4k.png", L"3dpicpeople_nor.png");
    EXPECT_EQ(view->GetBackgroundItem()->pos(), QPointF(40, 33)) << "a 2x picture sits on the design origin";

    view->SetInstWay(false);
    view->SetBgImage(L"3d_bizhuang_nor.png", L"3dpicpeople_nor.png");
    // A 1x test picture, but the wall picture is centred by its design size.
    EXPECT_EQ(view->GetBackgroundItem()->pos(), QPointF(170, 52));
    RECT area { 0, 0, 899, 599 };
    view->MoveWindow(&area);
    EXPECT_EQ(view->GetBackgroundItem()->pos(), QPointF(170, 52))
        << "a resize must not shift the wall picture off its markers";
    view->MoveWindow(0, 0, 1000, 700);
    EXPECT_EQ(view->GetBackgroundItem()->pos(), QPointF(220, 102));
    EXPECT_EQ(view->GetOrigin().x, 90.0);
    EXPECT_EQ(view->GetPersonItem()->pos(), QPointF(90 + 174, 83 + 344));
}

TEST_F(View3DFixture, EverythingBeforeTheFirstPictureOrWithoutPicturesIsHarmless)
{
    RECT rect { 0, 0, 400, 300 };
    view->Create(0, rect, &parent, 1);
    EXPECT_FALSE(view->isVisible());
    view->MoveWindow(&rect);
    view->SetObjectPos(5.0);
    view->SetVirtulXaxisMax(1.0);
    view->AddHDistance();
    view->AddInstallHeight();
    view->SetObjectPos(0.5);
    EXPECT_EQ(view->GetBackgroundItem(), nullptr);
    EXPECT_EQ(view->GetPersonItem(), nullptr);
    EXPECT_EQ(FilledSlots(), 4) << "markers without pictures still toggle";
    EXPECT_EQ(view->SetBgImage(L"no_such.png", nullptr), 1);
    EXPECT_TRUE(view->GetBackgroundItem()->pixmap().isNull());
    EXPECT_EQ(view->SetSkin(nullptr), 1);
}

TEST_F(View3DFixture, ScreenshotShowsPictureAndPersonOnWhite)
{
    Build(1.0, false);
    view->SetBgImage(L"model_x.png", L"3dpicpeople_nor.png");
    view->SetVirtulXaxisMax(22.9133858);
    view->SetObjectPos(0.0);
    QWidget* viewport = view->viewport();
    auto pixel = [&](QPointF scenePoint) {
        const QPoint at = view->mapFromScene(scenePoint);
        return KWGrabImage(viewport).pixelColor(at);
    };
    EXPECT_EQ(pixel(QPointF(245 + 205, 166.5 + 100)), kBackground) << "model picture";
    EXPECT_EQ(pixel(QPointF(245 + 87 + 6, 166.5 + 172 + 13)), kPerson) << "person at the start of its path";
    EXPECT_EQ(pixel(QPointF(100, 50)), QColor(Qt::white)) << "outside the picture";
}

// Each camera model has its own large picture; read past the pixmap cache,
// however many of them are shown the controls' small pictures stay cached.
TEST_F(View3DFixture, ModelPicturesLeaveTheSkinPicturesCached)
{
    Build(1.0, false);
    const int savedLimit = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(600); // kilobytes: a 410 x 267 picture takes 428
    QPixmap first;
    ASSERT_TRUE(KWLoadSkinPixmap(QStringLiteral("h_nor.png"), first));
    for (const wchar_t* model : { L"model_x.png", L"3d_dingzhuang_nor.png", L"model_x.png" }) {
        view->SetBgImage(model, L"");
        EXPECT_EQ(view->GetBackgroundItem()->pixmap().size(), QSize(410, 267));
    }
    QPixmap again;
    ASSERT_TRUE(KWLoadSkinPixmap(QStringLiteral("h_nor.png"), again));
    EXPECT_EQ(again.cacheKey(), first.cacheKey()) << "read from the cache, not decoded again";
    QPixmapCache::setCacheLimit(savedLimit);

    const qint64 shown = view->GetBackgroundItem()->pixmap().cacheKey();
    view->MoveWindow(0, 0, 800, 500);
    view->SetBgImage(L"model_x.png", L"");
    EXPECT_EQ(view->GetBackgroundItem()->pixmap().cacheKey(), shown) << "the picture shown is not read again";
    view->SetBgImage(L"", L"");
    EXPECT_TRUE(view->GetBackgroundItem()->pixmap().isNull());
    view->SetBgImage(L"model_x.png", L"");
    EXPECT_NE(view->GetBackgroundItem()->pixmap().cacheKey(), shown) << "read again after another picture";
}

} // namespace
