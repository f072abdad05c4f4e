#include "ui/scenes/KWQTVerticalSceneC.h"

#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQTDoubleSpiner.h"
#include "ui/scenes/KWQTVSliderItem.h"

#include <gtest/gtest.h>

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QResizeEvent>

#include <cmath>
#include <functional>
#include <memory>

namespace {

struct Listener : IKWVerticalSceneCEvent, KWCallRecorder {
    void OnBlindDistanceChanged(double b, double l) override { Record("Blind", b, l), Hook(); }
    void Reserved1(double a, double b, double c, double d) override { Record("Reserved1", a, b, c, d); }
    void OnInstallChanged(double a, double h) override { Record("Install", a, h); }
    void Reserved3(double a) override { Record("Reserved3", a); }
    void OnHeightAxisMaxChanged(double h) override { Record("HeightMax", h); }
    void OnLengthAxisRangeChanged(double m, double l) override { Record("LengthRange", m, l); }
    void OnTarHDistanceChanged(double d) override { Record("Distance", d); }
    void OnTargetViewHeightsChanged(double t, double b) override { Record("ViewHeights", t, b); }
    void OnTargetHeightChanged(double h) override { Record("TargetHeight", h); }

    void Hook()
    {
        if (onBlind) {
            auto once = std::move(onBlind);
            onBlind = nullptr;
            once();
        }
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const KWRecordedCall& call : calls) {
            names.push_back(call.name);
        }
        return names;
    }
    std::vector<double> Last(const std::string& name) const { return ArgsOf(name).back(); }

    std::function<void()> onBlind;
};

const std::vector<std::string> kRedraw { "Blind", "TargetHeight", "ViewHeights" };

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

ImageVericalStyle SideSkin()
{
    ImageVericalStyle s;
    s.strVDragNormal = L"move_shangxia_nor.PNG";
    s.strVDragHover = L"move_shangxia_hov.PNG";
    s.strVDragPressed = L"move_shangxia_pre.PNG";
    s.strHDragNormal = L"move_zuoyou_nor.PNG";
    s.strHDragHover = L"move_zuoyou_hov.PNG";
    s.strHDragPressed = L"move_zuoyou_pre.PNG";
    s.strPerson = L"besidepeople_nor.PNG";
    s.strWallMountImage = L"kuang2_nor.png";
    s.strCameraImage = L"besidevideodown_nor.png";
    return s;
}

// The view as the calculator makes it, at the calculator's standard size
// (692 x 304: axes of 582 x 254 pixels from (60, 274)).
class SideViewFixture {
public:
    explicit SideViewFixture(DWORD style = WS_VISIBLE)
        : skin { { QStringLiteral("move_shangxia_nor.PNG"), Qt::red, QSize(26, 26) },
            { QStringLiteral("move_shangxia_hov.PNG"), Qt::red, QSize(26, 26) },
            { QStringLiteral("move_shangxia_pre.PNG"), Qt::red, QSize(26, 26) },
            { QStringLiteral("move_zuoyou_nor.PNG"), Qt::blue, QSize(26, 26) },
            { QStringLiteral("move_zuoyou_hov.PNG"), Qt::blue, QSize(26, 26) },
            { QStringLiteral("move_zuoyou_pre.PNG"), Qt::blue, QSize(26, 26) },
            { QStringLiteral("besidepeople_nor.PNG"), Qt::darkGreen, QSize(104, 254) },
            { QStringLiteral("besidevideodown_nor.png"), Qt::black, QSize(20, 34) } }
        , view(static_cast<CKWQTVerticalSceneC*>(CreateKWVerticalSceneC(&listener)))
    {
        view->Create(L"side", style, RECT { 0, 0, 691, 303 }, nullptr, 7);
        view->SetRectTimes(1.0);
        ImageVericalStyle s = SideSkin();
        view->SetSkin(&s);
    }

    const SideViewModel& Model() const { return view->GetModel(); }
    QGraphicsScene* Scene() const { return view->GetScene(); }

    CKWQTVSliderItem* Handle(int id) const
    {
        for (QGraphicsItem* item : Scene()->items()) {
            if (auto* handle = dynamic_cast<CKWQTVSliderItem*>(item); handle && handle->GetSliderId() == id) {
                return handle;
            }
        }
        return nullptr;
    }
    QPointF HandleCentre(int id) const { return Handle(id)->offset() + QPointF(13, 13); }
    QGraphicsPixmapItem* Picture(QSize size) const
    {
        for (QGraphicsItem* item : Scene()->items()) {
            auto* picture = dynamic_cast<QGraphicsPixmapItem*>(item);
            if (picture && !dynamic_cast<CKWQTVSliderItem*>(item) && picture->pixmap().size() == size) {
                return picture;
            }
        }
        return nullptr;
    }
    bool ShowsText(const QString& text) const
    {
        for (QGraphicsItem* item : Scene()->items()) {
            if (auto* label = dynamic_cast<QGraphicsTextItem*>(item); label && label->toPlainText() == text) {
                return true;
            }
        }
        return false;
    }
    CKWQTDoubleSpiner* Box(bool height) const
    {
        for (CKWQTDoubleSpiner* box : view->findChildren<CKWQTDoubleSpiner*>()) {
            if ((box->x() < 200) == height) {
                return box;
            }
        }
        return nullptr;
    }

    KWTempSkinDir skin;
    Listener listener;
    std::unique_ptr<CKWQTVerticalSceneC> view;
};

TEST(VerticalSceneC, NothingIsReportedBeforeTheFirstResize)
{
    SideViewFixture f(0); // hidden: Qt holds the resize back until shown
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    EXPECT_EQ(f.listener.Names(), std::vector<std::string> { "Install" }) << "only the setter's own report";
    EXPECT_EQ(f.listener.Last("Install"), (std::vector<double> { 30.0, 7.0 }));
    f.listener.Clear();

    f.view->ChangeXYLangage(L"Height", L"Length");
    f.view->SetTarHDistance(12.0);
    f.view->OnSliderPos(1, 100.0);
    f.view->OnCurrentNumChanged(1100, 30.0);
    EXPECT_TRUE(f.listener.calls.empty());
    EXPECT_EQ(f.Model().heightMaximum, 10.0) << "an axis box without axes keeps the maxima";
    EXPECT_NEAR(f.Box(false)->GetCurrentNum(), 22.91, 1e-9);
    f.view->SetVirtualHeight(5.0);
    EXPECT_EQ(f.listener.Names(), std::vector<std::string> { "Install" });
    EXPECT_TRUE(std::isfinite(f.listener.Last("Install")[0]));
    f.listener.Clear();

    f.view->show();
    EXPECT_EQ(f.listener.Names(), kRedraw) << "the first resize draws and reports";
    for (const KWRecordedCall& call : f.listener.calls) {
        for (double v : call.args) {
            EXPECT_TRUE(std::isfinite(v)) << call.name;
        }
    }
}

TEST(VerticalSceneC, SetParamRedrawsThenReportsTheTilt)
{
    SideViewFixture f;
    f.listener.Clear();
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);

    EXPECT_EQ(f.listener.Names(), Concat(kRedraw, { "Install" }));
    EXPECT_NEAR(f.listener.Last("Blind")[0], 2.7250, 5e-5);
    EXPECT_EQ(f.listener.Last("Blind")[1], 22.9133858);
    EXPECT_NEAR(f.listener.Last("TargetHeight")[0], 1.7, 1e-9) << "the person is 17 % of the height axis";
    EXPECT_NEAR(f.listener.Last("ViewHeights")[0], -5.4687, 5e-5);
    EXPECT_EQ(f.listener.Last("ViewHeights")[1], 0.0);
    EXPECT_EQ(f.listener.Last("Install"), (std::vector<double> { 30.0, 7.0 }));
    EXPECT_EQ(f.listener.Count("Reserved1") + f.listener.Count("Reserved3"), 0);

    for (const char* text : { "30.00\u00B0", "7.00m", "2.72m", "17.46\u00B0", "10.00m", "1.70m" }) {
        EXPECT_TRUE(f.ShowsText(QString::fromUtf8(text))) << text;
    }
    // The camera turns about the point that sits on the top of the pole; the
    // person stands on the ground at the target distance.
    const QGraphicsPixmapItem* camera = f.Picture(QSize(20, 34));
    ASSERT_NE(camera, nullptr);
    EXPECT_NEAR(camera->rotation(), -30.0, 1e-12);
    const QPointF pivot = camera->mapToScene(10, 17);
    EXPECT_NEAR(pivot.x(), 60.0, 1e-9);
    EXPECT_NEAR(pivot.y(), 96.2, 1e-9);
    const QGraphicsPixmapItem* person = f.Picture(QSize(104, 254));
    ASSERT_NE(person, nullptr);
    const QPointF feet = person->mapToScene(52, 254);
    EXPECT_NEAR(feet.x(), 60.0 + 254.0, 1e-6);
    EXPECT_NEAR(feet.y(), 274.0, 1e-9);

    EXPECT_EQ(f.HandleCentre(1), QPointF(60.0 - 32.0, 96.2));
    EXPECT_NEAR(f.HandleCentre(2).x(), 60.0 + 2.72496 / 22.9133858 * 582.0, 1e-3);
    EXPECT_NEAR(f.HandleCentre(3).x(), 314.0, 1e-6);
    EXPECT_EQ(f.HandleCentre(3).y(), 274.0);
    EXPECT_NEAR(f.HandleCentre(4).x(), 314.0, 1e-6);
    EXPECT_NEAR(f.HandleCentre(4).y(), 274.0 - 43.18, 1e-9);

    f.listener.Clear();
    f.view->SetTarHDistance(5.0);
    EXPECT_EQ(f.listener.Names(), kRedraw) << "a redraw reports three times, in order";
}

TEST(VerticalSceneC, EachHandleDragConvertsItsPositionAndReports)
{
    const double lmax = 22.9133858;
    const double halfV = 17.46 / 2;
    const double blind = std::tan((30.0 - halfV) * kSideViewPi / 180.0) * 7.0;
    const auto tilt = [&](double b, double h) { return std::atan(b / h) * 180.0 / kSideViewPi + halfV; };
    struct Row {
        const char* what;
        int id;
        QPointF to;
        std::vector<std::string> reports;
        std::string valueReport;
        std::vector<double> values;
    };
    const Row rows[] = {
        { "camera height", 1, { 28, 150 }, Concat(kRedraw, { "Install" }), "Install",
            { tilt(blind, 124.0 / 254.0 * 10.0), 124.0 / 254.0 * 10.0 } },
        { "camera height past the top stops at the height maximum", 1, { 28, 0 }, Concat(kRedraw, { "Install" }),
            "Install", { tilt(blind, 10.0), 10.0 } },
        { "blind distance", 2, { 200, 274 }, Concat(kRedraw, { "Install" }), "Install",
            { tilt(140.0 / 582.0 * lmax, 7.0), 7.0 } },
        { "blind distance stops ten pixels from the pole", 2, { 0, 274 }, Concat(kRedraw, { "Install" }), "Install",
            { tilt(10.0 / 582.0 * lmax, 7.0), 7.0 } },
        { "target distance", 3, { 400, 274 }, Concat(kRedraw, { "Distance" }), "Distance", { 340.0 / 582.0 * lmax } },
        { "target height moves only the person", 4, { 314, 200 }, { "TargetHeight" }, "TargetHeight",
            { 74.0 / 254.0 * 10.0 } },
        { "target height stops at half the axis", 4, { 314, 0 }, { "TargetHeight" }, "TargetHeight", { 5.0 } },
    };
    for (const Row& row : rows) {
        SideViewFixture f;
        f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
        f.listener.Clear();
        KWSceneDrag(f.Scene(), f.HandleCentre(row.id), { row.to });
        EXPECT_EQ(f.listener.Names(), row.reports) << row.what;
        ASSERT_EQ(f.listener.Last(row.valueReport).size(), row.values.size()) << row.what;
        for (size_t i = 0; i < row.values.size(); ++i) {
            EXPECT_NEAR(f.listener.Last(row.valueReport)[i], row.values[i], 1e-9) << row.what;
        }
    }

    // The person follows the target-height handle, and the label with it.
    SideViewFixture f;
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    KWSceneDrag(f.Scene(), f.HandleCentre(4), { { 314, 200 } });
    EXPECT_NEAR(f.Picture(QSize(104, 254))->scale(), 74.0 / 254.0, 1e-12);
    EXPECT_TRUE(f.ShowsText(QStringLiteral("2.91m")));
    EXPECT_NEAR(f.HandleCentre(4).y(), 200.0, 1e-9);
    // ... and keeps its height through the next redraw.
    f.listener.Clear();
    f.view->SetTarHDistance(8.0);
    EXPECT_NEAR(f.listener.Last("TargetHeight")[0], 74.0 / 254.0 * 10.0, 1e-9);
}

TEST(VerticalSceneC, AxisBoxesKeepTheAxesInProportionAndReportLast)
{
    const double ratio = 582.0 / 254.0;
    struct Row {
        const char* what;
        bool heightBox;
        double typed;
        double shownHeight, shownLength;
    };
    const Row rows[] = {
        { "length 30", false, 30.0, 13.09, 30.0 },
        { "length too short for the camera", false, 10.0, 7.0, 16.04 },
        { "height 20", true, 20.0, 20.0, 45.83 },
        { "height below the camera", true, 5.0, 7.0, 16.04 },
    };
    for (const Row& row : rows) {
        SideViewFixture f;
        f.view->SetParam(17.46, 20.0, 7.0, 30.0, 19.0);
        f.listener.Clear();
        f.Box(row.heightBox)->setValue(row.typed); // as the user types it
        EXPECT_EQ(f.listener.Names(), Concat(Concat({ "Install" }, kRedraw), { "LengthRange", "HeightMax" }))
            << row.what;
        EXPECT_NEAR(f.Box(true)->GetCurrentNum(), row.shownHeight, 1e-9) << row.what;
        EXPECT_NEAR(f.Box(false)->GetCurrentNum(), row.shownLength, 1e-9) << row.what;
        const SideViewModel& m = f.Model();
        EXPECT_NEAR(m.heightMaximum * ratio, m.lengthMaximum, 1e-9) << row.what;
        EXPECT_EQ(f.listener.Last("LengthRange"), (std::vector<double> { 10.0 * m.lengthMaximum / 582.0, m.lengthMaximum }))
            << row.what;
        EXPECT_EQ(f.listener.Last("HeightMax"), std::vector<double> { m.heightMaximum }) << row.what;
        EXPECT_LE(m.targetDistance, m.lengthMaximum) << row.what;
        EXPECT_EQ(f.listener.Last("Install")[1], 7.0) << row.what;
    }

    SideViewFixture f;
    ImageVericalStyle s = SideSkin();
    EXPECT_EQ(f.view->SetSkin(&s), 1);
    EXPECT_EQ(f.view->findChildren<CKWQTDoubleSpiner*>().size(), 2) << "a second skin reuses the boxes";
    EXPECT_EQ(f.view->SetSkin(nullptr), 0);
    f.view->SetTarHDistance(3.0);
    EXPECT_EQ(f.Box(true)->geometry(), QRect(70, 5, 90, 18));
    EXPECT_EQ(f.Box(false)->geometry(), QRect(582, 244, 90, 18));
    EXPECT_TRUE(f.Box(true)->isVisible());
}

TEST(VerticalSceneC, UnitSwitchThereAndBack)
{
    SideViewFixture f;
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    const SideViewModel metric = f.Model();
    double lo = 0.0;
    double hi = 0.0;

    f.listener.Clear();
    f.view->OnView_ChangeUnit(0);
    EXPECT_EQ(f.listener.Names(), kRedraw);
    EXPECT_NEAR(f.listener.Last("Blind")[0], metric.blindDistance * 3.2808399, 1e-9);
    EXPECT_NEAR(f.listener.Last("Blind")[1], 22.9133858 * 3.2808399, 1e-9);
    EXPECT_NEAR(f.listener.Last("TargetHeight")[0], 1.7 * 3.2808399, 1e-9) << "17 % of the height axis, in feet";
    EXPECT_TRUE(f.ShowsText(QStringLiteral("22.97ft")));
    EXPECT_TRUE(f.ShowsText(QStringLiteral("ft")));
    EXPECT_FALSE(f.ShowsText(QStringLiteral("m")));
    f.Box(false)->GetRange(lo, hi);
    EXPECT_EQ((std::vector<double> { lo, hi }), (std::vector<double> { 7.51, 3277.56 })) << "two decimals shown";
    f.Box(true)->GetRange(lo, hi);
    EXPECT_EQ((std::vector<double> { lo, hi }), (std::vector<double> { 3.28, 1430.41 }));
    EXPECT_NEAR(f.Box(true)->GetCurrentNum(), 32.81, 1e-9);

    f.view->OnView_ChangeUnit(1);
    EXPECT_NEAR(f.Model().installHeight, 7.0, 1e-9);
    EXPECT_NEAR(f.Model().lengthMaximum, metric.lengthMaximum, 1e-9);
    EXPECT_NEAR(f.Model().blindDistance, metric.blindDistance, 1e-9);
    EXPECT_TRUE(f.ShowsText(QStringLiteral("7.00m")));
    f.Box(false)->GetRange(lo, hi);
    EXPECT_EQ((std::vector<double> { lo, hi }), (std::vector<double> { 2.29, 999.0 }));
    EXPECT_NEAR(f.Box(false)->GetCurrentNum(), 22.91, 1e-9);
}

TEST(VerticalSceneC, ResizeResetsThePersonAndTheTiltKeepsToLengths)
{
    SideViewFixture f;
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    KWSceneDrag(f.Scene(), f.HandleCentre(4), { { 314, 200 } });

    // A wider window: the length axis gets more pixels per metre than the
    // height axis.
    f.listener.Clear();
    f.view->resize(900, 304);
    EXPECT_EQ(f.Scene()->sceneRect(), QRectF(0, 0, 890, 294));
    EXPECT_EQ(f.listener.Names(), kRedraw);
    EXPECT_NEAR(f.listener.Last("TargetHeight")[0], 1.7, 1e-9) << "the person is back at 17 % of the axis";
    EXPECT_NEAR(f.listener.Last("ViewHeights")[0], -5.4687, 5e-5) << "the window's shape changes no height";

    f.listener.Clear();
    f.view->SetVirtualHeight(7.0);
    EXPECT_NEAR(f.listener.Last("Install")[0], 30.0, 1e-9) << "the same height keeps the same tilt";

    f.view->SetRectTimes(2.0);
    f.view->resize(1384, 608);
    EXPECT_EQ(f.Scene()->sceneRect(), QRectF(0, 0, 1364, 588));
    EXPECT_EQ(f.Handle(3)->offset().y(), 588.0 - 40.0 - 26.0) << "the axes' margins and the handles scale";
}

TEST(VerticalSceneC, WholeNumberSlotsSetOneMaximumAlone)
{
    SideViewFixture f;
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    f.listener.Clear();
    f.view->OnClicked(5);
    EXPECT_EQ(f.listener.Names(), Concat(kRedraw, { "HeightMax" }));
    EXPECT_EQ(f.listener.Last("HeightMax"), std::vector<double> { 5.0 });
    EXPECT_EQ(f.Model().installHeight, 5.0) << "the camera comes down onto the axis";
    EXPECT_EQ(f.Model().lengthMaximum, 22.9133858) << "the other axis is left alone";

    f.listener.Clear();
    f.view->OnClicked1(2);
    EXPECT_EQ(f.listener.Names(), Concat(kRedraw, { "LengthRange" }));
    EXPECT_EQ(f.listener.Last("LengthRange"), (std::vector<double> { 0.0, 2.0 }));
    EXPECT_EQ(f.Model().blindDistance, 2.0);
    EXPECT_EQ(f.Model().targetDistance, 2.0);
}

TEST(VerticalSceneC, AListenerThatRedrawsFromAReportIsNotOverwritten)
{
    SideViewFixture f;
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    f.listener.Clear();
    // The listener moves the target into the blind zone while the view is
    // reporting: the last heights it hears are those of the new target.
    f.listener.onBlind = [&f] { f.view->SetTarHDistance(1.0); };
    f.view->SetTarHDistance(10.0);
    EXPECT_EQ(f.listener.Names(), (std::vector<std::string> { "Blind", "Blind", "TargetHeight", "ViewHeights" }));
    EXPECT_GT(f.listener.Last("ViewHeights")[1], 0.0);
}

} // namespace
