#include "ui/scenes/KWQTTopView.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPen>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>

namespace {

struct Listener : IKWTopViewEvent { };

const QColor kSector(222, 233, 239);
const QColor kEdge(43, 71, 72);

// A 400 x 300 view with a 20 x 30 camera picture: margin 10, apex (200, 270).
class TopViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.reset(static_cast<CKWQTTopView*>(CreateKWTopView(&listener)));
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->Create(WS_VISIBLE, RECT { 0, 0, 400, 300 }, parent.Handle(), 0), 1);
    }

    void LoadPictures()
    {
        ASSERT_EQ(
            view->SetImage(L"besidevideoup_nor.png", L"topviewpeople_nor.png", L"top_radian_nor.png"), 1);
    }

    QString WidthText() const { return view->GetWidthLabel()->toPlainText(); }
    QLineF WidthLine() const { return view->GetWidthLine()->line(); }

    KWTempSkinDir skin { { QStringLiteral("besidevideoup_nor.png"), QColor(200, 0, 0), QSize(20, 30) },
        { QStringLiteral("topviewpeople_nor.png"), QColor(0, 0, 200), QSize(11, 21) },
        { QStringLiteral("top_radian_nor.png"), QColor(0, 200, 0), QSize(8, 8) } };
    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTTopView> view; // released before the parent
};

void ExpectLine(const QLineF& line, double x1, double x2, double y, const char* what)
{
    EXPECT_NEAR(line.x1(), x1, 1e-4) << what;
    EXPECT_NEAR(line.x2(), x2, 1e-4) << what;
    EXPECT_NEAR(line.y1(), y, 1e-6) << what;
    EXPECT_NEAR(line.y2(), y, 1e-6) << what;
}

TEST_F(TopViewTest, WidthLabelTellsTheTrueWidthWhereTheLineIsCut)
{
    struct Row {
        const char* what;
        std::function<void(CKWQTTopView&)> act;
        const char* label;
        double x1, x2, y;
    };
    const Row rows[] = {
        { "start-up values: on the top margin, cut to the sides",
            [](CKWQTTopView& v) { v.SetParam(101.9289749, 10.0); }, "24.67m", 10, 390, 10 },
        { "default angle", [](CKWQTTopView& v) { v.SetParam(83.25, 10.0); }, "17.77m", 10, 390, 10 },
        { "no distance: on the apex", [](CKWQTTopView& v) { v.SetParam(83.25, 0.0); }, "0.00m", 200, 200,
            270 },
        { "feet: the line stays where it was",
            [](CKWQTTopView& v) {
                v.SetParam(83.25, 10.0);
                v.OnView_ChangeUnit(0);
            },
            "58.31ft", 10, 390, 10 },
        { "the axis maximum places the line",
            [](CKWQTTopView& v) {
                v.SetParam(83.25, 5.0);
                v.SetVirtulXaxisMax(1.0, 20.0);
            },
            "8.89m", 142.2396, 257.7604, 205 },
    };
    for (const Row& row : rows) {
        SetUp(); // a fresh view for each row
        LoadPictures();
        row.act(*view);
        EXPECT_EQ(WidthText(), QString::fromLatin1(row.label)) << row.what;
        ExpectLine(WidthLine(), row.x1, row.x2, row.y, row.what);
        EXPECT_EQ(view->GetWidthLabel()->pos(), QPointF(330, row.y - 10)) << row.what;
        // 11 x 21: halves truncate, so 194 and y - 10.
        EXPECT_EQ(view->GetTargetIcon()->pos(), QPointF(194, row.y - 10)) << row.what;
        EXPECT_EQ(view->GetCameraIcon()->pos(), QPointF(190, 270)) << row.what;
    }
}

TEST_F(TopViewTest, UnitSwitchConvertsOnEveryCallAndKeepsTheLine)
{
    view->SetParam(83.25, 10.0);
    view->OnView_ChangeUnit(1);
    view->OnView_ChangeUnit(1);
    EXPECT_EQ(WidthText(), QStringLiteral("1.65m")) << "divided twice";
    ExpectLine(WidthLine(), 10, 390, 10, "distance and maximum divided alike");
    view->OnView_ChangeUnit(0);
    EXPECT_EQ(WidthText(), QStringLiteral("5.42ft")) << "multiplied once";
}

TEST_F(TopViewTest, NewAngleMovesTheSectorButNotTheWidthLine)
{
    LoadPictures();
    view->SetParam(83.25, 5.0);
    view->UpdateVisualAngle(30.0);
    EXPECT_EQ(WidthText(), QStringLiteral("8.89m"));
    ExpectLine(WidthLine(), 84.4791, 315.5209, 140, "until the next width update");
    EXPECT_EQ(view->GetAngleLabel()->toPlainText(), QString::fromUtf8("30.00\u00B0"));

    view->UpdateVisibleWidth(5.0);
    EXPECT_EQ(WidthText(), QStringLiteral("2.68m"));
}

TEST_F(TopViewTest, SectorOutlineEdgesAndAngleLabelFollowTheAngle)
{
    LoadPictures();
    struct Row {
        const char* what;
        double angle;
        int outlineElements; // corners plus the closing line
        QLineF leftEdge;
        QColor edgePen;
    };
    // Edge pens take the fill colour in the wide case and keep whatever they
    // had in the narrow one.
    const Row rows[] = {
        { "narrow first: edges keep their own colour", 60.0, 4, QLineF(49.8889, 10, 200, 270), kEdge },
        { "wide: through the side margins", 90.0, 6, QLineF(10, 80, 200, 270), kSector },
        { "narrow again: the fill colour stays", 60.0, 4, QLineF(49.8889, 10, 200, 270), kSector },
    };
    for (const Row& row : rows) {
        view->UpdateVisualAngle(row.angle);
        const QLineF left = view->GetLeftEdge()->line();
        EXPECT_NEAR(left.x1(), row.leftEdge.x1(), 1e-4) << row.what;
        EXPECT_NEAR(left.y1(), row.leftEdge.y1(), 1e-4) << row.what;
        EXPECT_EQ(left.p2(), QPointF(200, 270)) << row.what;
        EXPECT_NEAR(view->GetRightEdge()->line().x1(), 400 - row.leftEdge.x1(), 1e-4) << row.what;
        EXPECT_EQ(view->GetSector()->path().elementCount(), row.outlineElements) << row.what;
        EXPECT_EQ(view->GetLeftEdge()->pen().color(), row.edgePen) << row.what;
        EXPECT_EQ(view->GetRightEdge()->pen().color(), row.edgePen) << row.what;
    }
    EXPECT_EQ(view->GetSector()->brush().color(), kSector);
    EXPECT_LT(view->GetSector()->zValue(), view->GetWidthLine()->zValue());
    EXPECT_EQ(view->GetAngleLabel()->pos(), QPointF(180, 135));
    EXPECT_EQ(view->GetAngleIcon()->pos(), QPointF(144, 160));
}

TEST_F(TopViewTest, UpdatesBeforeThePicturesPlaceWhatExists)
{
    view->SetParam(83.25, 10.0);
    EXPECT_EQ(view->GetCameraIcon(), nullptr);
    EXPECT_EQ(view->GetTargetIcon(), nullptr);
    // No camera picture yet: the apex is the bottom edge.
    ExpectLine(WidthLine(), 10, 390, 10, "apex at 300");
    EXPECT_EQ(view->GetAngleLabel()->pos(), QPointF(180, 150));

    LoadPictures();
    const int items = view->scene()->items().size();
    LoadPictures();
    EXPECT_EQ(view->scene()->items().size(), items) << "later pictures replace, never add";
    view->UpdateVisibleWidth(0.0);
    EXPECT_EQ(view->GetTargetIcon()->pos(), QPointF(194, 260));
}

TEST_F(TopViewTest, MissingPictureDrawsNothingAndTakesNoRoom)
{
    view->SetImage(L"absent.png", L"", L"absent.png");
    ASSERT_NE(view->GetCameraIcon(), nullptr);
    EXPECT_TRUE(view->GetCameraIcon()->pixmap().isNull());
    EXPECT_TRUE(view->GetTargetIcon()->pixmap().isNull());
    view->SetParam(83.25, 0.0);
    ExpectLine(WidthLine(), 200, 200, 300, "apex on the bottom edge");
    EXPECT_EQ(view->GetCameraIcon()->pos(), QPointF(200, 300));
}

TEST_F(TopViewTest, NoPositiveAxisMaximumHidesTheWidthLineUntilOneComes)
{
    LoadPictures();
    view->SetParam(83.25, 5.0);
    for (double axisMax : { 0.0, -4.0 }) {
        view->SetVirtulXaxisMax(1.0, axisMax);
        EXPECT_FALSE(view->GetWidthLine()->isVisible()) << axisMax;
        EXPECT_FALSE(view->GetWidthLabel()->isVisible()) << axisMax;
        EXPECT_FALSE(view->GetTargetIcon()->isVisible()) << axisMax;
        EXPECT_TRUE(std::isfinite(WidthLine().y1())) << axisMax;
    }
    view->SetVirtulXaxisMax(1.0, 10.0);
    EXPECT_TRUE(view->GetWidthLine()->isVisible());
    EXPECT_TRUE(view->GetWidthLabel()->isVisible());
    EXPECT_TRUE(view->GetTargetIcon()->isVisible());
    ExpectLine(WidthLine(), 84.4791, 315.5209, 140, "back in place");
}

// The view at its start-up values, painted: the fill, its slanted edge, the
// width line and the white outside all where the geometry puts them.
TEST_F(TopViewTest, PaintsTheSectorAndTheWidthLineWhereTheGeometrySays)
{
    LoadPictures();
    parent.resize(400, 300);
    parent.show();
    view->SetParam(83.25, 5.0);
    const QImage image = KWGrabImage(view.get());
    const auto pixel = [&](double x, double y) {
        const QPoint at = view->viewport()->mapTo(view.get(), view->mapFromScene(QPointF(x, y)));
        return image.pixelColor(at);
    };
    // The left edge crosses y 200 at x 200 - 70 tan(41.625) = 137.8.
    EXPECT_EQ(pixel(145, 200), kSector) << "inside the sector";
    EXPECT_EQ(pixel(130, 200), QColor(Qt::white)) << "outside the sector";
    // Through the sides: the fill reaches the top margin over the full width.
    EXPECT_EQ(pixel(30, 30), kSector);
    EXPECT_EQ(pixel(5, 30), QColor(Qt::white)) << "the margin stays white";
    // The grey width line at y 140 lies on one row of whole pixels.
    EXPECT_EQ(pixel(100, 140), QColor(124, 124, 124));
    EXPECT_EQ(pixel(100, 139), kSector);
    EXPECT_EQ(pixel(100, 141), kSector);
    EXPECT_EQ(pixel(100, 150), kSector);
    EXPECT_EQ(pixel(80, 140), QColor(Qt::white)) << "the line ends on the edge, at 84.5";
    EXPECT_EQ(pixel(200, 290), QColor(200, 0, 0)) << "the camera picture";
}

// The camera picture stands on the view's bottom edge; every row it draws
// shows at both scales, the view's frame covering only its clear last rows.
TEST_F(TopViewTest, CameraPictureShowsWholeOnTheBottomEdge)
{
    parent.resize(400, 300);
    parent.show();
    for (const int scale : { 1, 2 }) {
        SCOPED_TRACE(scale);
        // As the skins draw it: clear in the bottom row (two at 4K).
        QImage camera(20 * scale, 30 * scale, QImage::Format_ARGB32);
        camera.fill(QColor(200, 0, 0));
        for (int y = 30 * scale - scale; y < 30 * scale; ++y) {
            for (int x = 0; x < camera.width(); ++x) {
                camera.setPixelColor(x, y, Qt::transparent);
            }
        }
        ASSERT_TRUE(camera.save(skin.Path() + QStringLiteral("besidevideoup_nor.png")));
        view->SetRectTimes(scale);
        LoadPictures();
        view->SetParam(83.25, 5.0);
        const QImage image = KWGrabImage(view.get());
        int shown = 0;
        for (int y = 0; y < image.height(); ++y) {
            shown += image.pixelColor(200, y) == QColor(200, 0, 0) ? 1 : 0;
        }
        EXPECT_EQ(shown, 30 * scale - scale);
    }
}

// The calculator sends the angle and the width on every update of any value;
// most leave this view as it is.
TEST_F(TopViewTest, AnUpdateThatChangesNothingPaintsNothing)
{
    LoadPictures();
    parent.resize(400, 300);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    view->SetParam(83.25, 5.0);
    QCoreApplication::processEvents();
    KWPaintCounter paints(view->viewport());
    const struct {
        const char* what;
        std::function<void()> update;
        int paints;
    } rows[] = {
        { "the same angle and distance", [this] { view->SetParam(83.25, 5.0); }, 0 },
        { "the same axis maximum", [this] { view->SetVirtulXaxisMax(7.0, 10.0); }, 0 },
        { "a new distance", [this] { view->UpdateVisibleWidth(6.0); }, 1 },
        { "a new angle", [this] { view->UpdateVisualAngle(60.0); }, 1 },
        { "the same angle", [this] { view->UpdateVisualAngle(60.0); }, 0 },
    };
    for (const auto& row : rows) {
        paints.Reset();
        row.update();
        QCoreApplication::processEvents();
        EXPECT_EQ(paints.Count(), row.paints) << row.what;
    }
}

} // namespace
