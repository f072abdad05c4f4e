#include "ui/scenes/KWQTVerticalSceneC.h"

#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQTDoubleSpiner.h"
#include "ui/scenes/KWQTVSliderItem.h"

#include <gtest/gtest.h>

#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace {

using Names = std::vector<std::string>;

struct Listener : IKWVerticalSceneCEvent, KWCallRecorder {
    void OnBlindDistanceChanged(double b, double l) override
    {
        Record("Blind", b, l);
        if (auto once = std::exchange(onBlind, nullptr)) {
            once();
        }
    }
    void OnInstallChanged(double a, double h) override { Record("Install", a, h); }
    void OnHeightAxisMaxChanged(double h) override { Record("HeightMax", h); }
    void OnLengthAxisRangeChanged(double m, double l) override { Record("LengthRange", m, l); }
    void OnTarHDistanceChanged(double d) override { Record("Distance", d); }
    void OnTargetViewHeightsChanged(double t, double b) override { Record("ViewHeights", t, b); }
    void OnTargetHeightChanged(double h) override { Record("TargetHeight", h); }

    Names Calls() const
    {
        Names names(calls.size());
        std::transform(
            calls.begin(), calls.end(), names.begin(), [](const KWRecordedCall& c) { return c.name; });
        return names;
    }
    std::vector<double> Last(const std::string& name) const { return ArgsOf(name).back(); }

    std::function<void()> onBlind; // called once, from inside the next report of the blind distance
};

Names Redraw(Names after = {})
{
    Names names { "Blind", "TargetHeight", "ViewHeights" };
    names.insert(names.end(), after.begin(), after.end());
    return names;
}

// The view as the calculator makes it, at its standard size: 692 x 304,
// axes of 582 x 254 pixels from (60, 274), one length per pixel both ways.
class SideViewFixture {
public:
    explicit SideViewFixture(DWORD style = WS_VISIBLE)
        : view(static_cast<CKWQTVerticalSceneC*>(CreateKWVerticalSceneC(&listener)))
    {
        for (const char* name : { "move_shangxia_nor.PNG", "move_shangxia_hov.PNG", "move_shangxia_pre.PNG",
                 "move_zuoyou_nor.PNG", "move_zuoyou_hov.PNG", "move_zuoyou_pre.PNG" }) {
            skin.Add(QString::fromLatin1(name), Qt::red, QSize(26, 26));
        }
        skin.Add(QStringLiteral("besidepeople_nor.PNG"), Qt::green, QSize(104, 254));
        skin.Add(QStringLiteral("besidevideodown_nor.png"), Qt::black, QSize(20, 34));
        view->Create(L"side", style, RECT { 0, 0, 691, 303 }, nullptr, 7);
        view->SetRectTimes(1.0);
        ImageVericalStyle s { L"move_shangxia_nor.PNG", L"move_shangxia_hov.PNG", L"move_shangxia_pre.PNG",
            L"move_zuoyou_nor.PNG", L"move_zuoyou_hov.PNG", L"move_zuoyou_pre.PNG", L"besidepeople_nor.PNG",
            L"kuang2_nor.png", L"besidevideodown_nor.png", L"", L"", L"" };
        skinRecord = s;
        view->SetSkin(&skinRecord);
    }

    const SideViewModel& Model() const { return view->GetModel(); }
    QGraphicsScene* Scene() const { return view->GetScene(); }
    template <typename T, typename Pred> T* Find(Pred pred) const
    {
        for (QGraphicsItem* item : Scene()->items()) {
            if (auto* t = dynamic_cast<T*>(item); t && pred(t)) {
                return t;
            }
        }
        return nullptr;
    }
    QPointF HandleCentre(int id) const
    {
        return Find<CKWQTVSliderItem>([id](auto* h) { return h->GetSliderId() == id; })->offset()
            + QPointF(13, 13);
    }
    QGraphicsPixmapItem* Picture(QSize size) const
    {
        return Find<QGraphicsPixmapItem>([size](auto* p) { return p->pixmap().size() == size; });
    }
    bool Shows(const char* text) const
    {
        return Find<QGraphicsTextItem>(
            [text](auto* l) { return l->toPlainText() == QString::fromUtf8(text); });
    }
    CKWQTDoubleSpiner* Box(bool height) const
    {
        const QList<CKWQTDoubleSpiner*> boxes = view->findChildren<CKWQTDoubleSpiner*>();
        return *std::find_if(
            boxes.begin(), boxes.end(), [height](auto* b) { return (b->x() < 200) == height; });
    }

    KWTempSkinDir skin;
    ImageVericalStyle skinRecord;
    Listener listener;
    std::unique_ptr<CKWQTVerticalSceneC> view;
};

TEST(VerticalSceneC, NothingIsReportedBeforeTheFirstResize)
{
    SideViewFixture f(0); // hidden: Qt holds the resize back until shown
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    f.view->SetVirtualHeight(5.0);
    f.view->SetTarHDistance(12.0);
    f.view->ChangeXYLangage(L"Height", L"Length");
    f.view->OnSliderPos(1, 100.0);
    f.view->OnCurrentNumChanged(1100, 30.0);
    EXPECT_EQ(f.listener.Calls(), (Names { "Install", "Install" })) << "only the setters' own reports";
    EXPECT_NEAR(f.listener.Last("Install")[0], std::atan(2.72496 / 5) * 180 / KW_SCENE_PI + 8.73, 1e-4)
        << "the tilt from lengths, with no axes";
    EXPECT_NEAR(f.Box(false)->GetCurrentNum(), 22.91, 1e-9) << "no axes: the box keeps the maximum";

    f.listener.Clear();
    f.view->show();
    EXPECT_EQ(f.listener.Calls(), Redraw()) << "the first resize draws and reports";
    for (const KWRecordedCall& call : f.listener.calls) {
        EXPECT_TRUE(std::isfinite(call.args[0])) << call.name;
    }
}

TEST(VerticalSceneC, SetParamRedrawsThenReportsTheTilt)
{
    SideViewFixture f;
    f.listener.Clear();
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    EXPECT_EQ(f.listener.Calls(), Redraw({ "Install" }));
    EXPECT_NEAR(f.listener.Last("Blind")[0], 2.7250, 5e-5);
    EXPECT_EQ(f.listener.Last("Blind")[1], 22.9133858);
    EXPECT_NEAR(f.listener.Last("TargetHeight")[0], 1.7, 1e-9) << "the person's height at start";
    EXPECT_NEAR(f.listener.Last("ViewHeights")[0], -5.4687, 5e-5);
    EXPECT_EQ(f.listener.Last("ViewHeights")[1], 0.0);
    EXPECT_EQ(f.listener.Last("Install"), (std::vector<double> { 30.0, 7.0 }));
    for (const char* text : { "30.00\u00B0", "7.00m", "2.72m", "17.46\u00B0", "10.00m", "1.70m" }) {
        EXPECT_TRUE(f.Shows(text)) << text;
    }
    // The camera turns about the point on the pole; the person stands on the
    // ground at the target distance.
    const QGraphicsPixmapItem* camera = f.Picture(QSize(20, 34));
    EXPECT_EQ(camera->rotation(), -30.0);
    EXPECT_NEAR(QLineF(camera->mapToScene(10, 17), QPointF(60, 96.2)).length(), 0.0, 1e-9);
    EXPECT_NEAR(
        QLineF(f.Picture(QSize(104, 254))->mapToScene(52, 254), QPointF(314, 274)).length(), 0.0, 1e-6);
    EXPECT_EQ(f.HandleCentre(1), QPointF(28, 96.2));
    EXPECT_NEAR(f.HandleCentre(2).x(), 60.0 + 2.72496 / 22.9133858 * 582.0, 1e-3);

    f.listener.Clear();
    f.view->SetTarHDistance(5.0);
    EXPECT_EQ(f.listener.Calls(), Redraw()) << "a redraw reports three times, in order";
}

TEST(VerticalSceneC, EachHandleDragConvertsItsPositionAndReports)
{
    // Every value is taken at the two decimals its field shows; a height or
    // blind-distance drag sends the tilt to its field too (blind 2.72496 m).
    struct Row {
        const char* what;
        int id;
        QPointF to;
        Names reports;
        std::vector<double> values; // of the last report
    };
    const Row rows[] = {
        // 124 / 25.4 = 4.8819 m high: atan(2.72496 / 4.88) + 8.73 = 37.909 degrees.
        { "camera height", 1, { 28, 150 }, Redraw({ "Install" }), { 37.91, 4.88 } },
        { "camera height stops at the top", 1, { 28, 0 }, Redraw({ "Install" }), { 23.97, 10 } },
        // 140 / 582 of 22.9133858 m = 5.5117 m: atan(5.5117 / 7) + 8.73 = 46.947 degrees.
        { "blind distance", 2, { 200, 274 }, Redraw({ "Install" }), { 46.95, 7 } },
        { "blind distance stops 10 px from the pole", 2, { 0, 274 }, Redraw({ "Install" }), { 11.95, 7 } },
        { "target distance", 3, { 400, 274 }, Redraw({ "Distance" }), { 13.39 } }, // 13.3858 m
        { "target height moves only the person", 4, { 314, 200 }, { "TargetHeight" }, { 2.91 } }, // 74 / 25.4
        { "target height stops at half the axis", 4, { 314, 0 }, { "TargetHeight" }, { 5.0 } },
    };
    for (const Row& row : rows) {
        SideViewFixture f;
        f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
        f.listener.Clear();
        KWSceneDrag(f.Scene(), f.HandleCentre(row.id), { row.to });
        ASSERT_EQ(f.listener.Calls(), row.reports) << row.what;
        const std::vector<double> got = f.listener.Last(row.reports.back());
        for (size_t i = 0; i < row.values.size(); ++i) {
            EXPECT_NEAR(got[i], row.values[i], 1e-9) << row.what;
        }
    }

    // The person, its handle and its label follow, and keep to the next redraw.
    SideViewFixture f;
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    KWSceneDrag(f.Scene(), f.HandleCentre(4), { { 314, 200 } });
    EXPECT_NEAR(f.Picture(QSize(104, 254))->scale(), 2.91 * 25.4 / 254.0, 1e-12);
    EXPECT_NEAR(f.HandleCentre(4).y(), 274 - 2.91 * 25.4, 1e-9) << "at the height taken, near the pointer";
    EXPECT_TRUE(f.Shows("2.91m"));
    f.view->SetTarHDistance(8.0);
    EXPECT_NEAR(f.listener.Last("TargetHeight")[0], 2.91, 1e-9);
}

TEST(VerticalSceneC, ABlindDistanceDraggedPastEitherEndGivesATiltAtTwoDecimals)
{
    // At 4 m the tilts of both ends are 14.35124 and 88.82764: each end is
    // taken at the hundredth inside it, as a typed tilt held there is, so
    // that the blind distance stays on the axis.
    const struct {
        double x, tilt;
    } rows[] = { { -100.0, 14.36 }, { 2000.0, 88.82 } };
    for (const auto& row : rows) {
        SideViewFixture f;
        f.view->SetParam(17.46, 10.0, 4.0, 30.0, 19.0);
        KWSceneDrag(f.Scene(), f.HandleCentre(2), { { row.x, 274 } });
        EXPECT_EQ(f.listener.Last("Install")[0], row.tilt) << row.x;
        EXPECT_EQ(f.Model().installAngle, row.tilt) << row.x;
    }
}

TEST(VerticalSceneC, AxisBoxesKeepTheAxesInProportionAndReportLast)
{
    struct Row {
        const char* what;
        bool heightBox;
        double typed, shownHeight, shownLength;
        Names afterRanges; // the target is reported when the axis takes it along
    };
    const Row rows[] = {
        { "length too short for the camera and the target", false, 10.0, 7.0, 16.04, { "Distance" } },
        { "height 20", true, 20.0, 20.0, 45.83, {} },
    };
    for (const Row& row : rows) {
        SideViewFixture f;
        f.view->SetParam(17.46, 20.0, 7.0, 30.0, 19.0);
        f.listener.Clear();
        f.Box(row.heightBox)->setValue(row.typed); // as the user types it
        const SideViewModel& m = f.Model();
        Names reports { "Install", "Blind", "TargetHeight", "ViewHeights", "LengthRange", "HeightMax" };
        reports.insert(reports.end(), row.afterRanges.begin(), row.afterRanges.end());
        EXPECT_EQ(f.listener.Calls(), reports) << row.what;
        EXPECT_NEAR(f.listener.Last("TargetHeight")[0], 1.7, 1e-9) << row.what << ": the axes only draw it";
        EXPECT_NEAR(f.Box(true)->GetCurrentNum(), row.shownHeight, 1e-9) << row.what;
        EXPECT_NEAR(f.Box(false)->GetCurrentNum(), row.shownLength, 1e-9) << row.what;
        EXPECT_EQ(f.listener.Last("LengthRange"),
            (std::vector<double> { 10 * m.lengthMaximum / 582, m.lengthMaximum }))
            << row.what;
        EXPECT_EQ(f.listener.Last("HeightMax"), std::vector<double> { m.heightMaximum }) << row.what;
        EXPECT_LE(m.targetDistance, m.lengthMaximum) << row.what;
        if (!row.afterRanges.empty()) {
            EXPECT_EQ(f.listener.Last("Distance"), std::vector<double> { m.lengthMaximum }) << row.what;
        }
    }

    SideViewFixture f;
    EXPECT_EQ(f.view->SetSkin(&f.skinRecord), 1);
    EXPECT_EQ(f.view->findChildren<CKWQTDoubleSpiner*>().size(), 2) << "a second skin reuses the boxes";
    EXPECT_EQ(f.view->SetSkin(nullptr), 0);
    f.view->SetTarHDistance(3.0);
    EXPECT_EQ(f.Box(true)->geometry(), QRect(70, 5, 90, 18));
    EXPECT_EQ(f.Box(false)->geometry(), QRect(582, 244, 90, 18));
    EXPECT_TRUE(f.Box(false)->isVisible());
}

TEST(VerticalSceneC, UnitSwitchThereAndBack)
{
    SideViewFixture f;
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    const auto range = [&f](bool height) {
        std::vector<double> r(2);
        f.Box(height)->GetRange(r[0], r[1]);
        return r;
    };
    f.listener.Clear();
    f.view->OnView_ChangeUnit(0);
    EXPECT_EQ(f.listener.Calls(), Redraw());
    EXPECT_NEAR(f.listener.Last("TargetHeight")[0], 1.7 * 3.2808399, 1e-9) << "the person's height, in feet";
    EXPECT_TRUE(f.Shows("22.97ft") && f.Shows("ft") && !f.Shows("m"));
    EXPECT_EQ(range(false), (std::vector<double> { 7.51, 3277.56 })) << "as the box shows two decimals";
    EXPECT_EQ(range(true), (std::vector<double> { 3.28, 1430.41 }));
    EXPECT_NEAR(f.Box(true)->GetCurrentNum(), 32.81, 1e-9);

    f.view->OnView_ChangeUnit(1);
    EXPECT_TRUE(f.Shows("7.00m"));
    EXPECT_EQ(range(false), (std::vector<double> { 2.29, 999.0 }));
    EXPECT_NEAR(f.Model().blindDistance, 2.72496, 5e-5) << "back in metres";
    f.view->OnView_ChangeUnit(0);
    f.view->OnView_ChangeUnit(0);
    EXPECT_NEAR(f.Model().installHeight, 7.0 * 3.2808399 * 3.2808399, 1e-9) << "every call converts";
}

TEST(VerticalSceneC, ResizeMovesThePersonAndLeavesTheReportedNumbers)
{
    SideViewFixture f;
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    KWSceneDrag(f.Scene(), f.HandleCentre(4), { { 314, 200 } });
    f.listener.Clear();
    f.view->resize(900, 304); // the ground axis now has more pixels per metre
    EXPECT_EQ(f.Scene()->sceneRect(), QRectF(0, 0, 890, 294));
    EXPECT_EQ(f.listener.Calls(), Redraw());
    EXPECT_NEAR(f.listener.Last("TargetHeight")[0], 2.91, 1e-9) << "the height dragged to, kept";
    EXPECT_NEAR(f.listener.Last("ViewHeights")[0], -5.4687, 5e-5) << "the window's shape changes no height";
    f.view->SetVirtualHeight(7.0);
    EXPECT_NEAR(f.listener.Last("Install")[0], 30.0, 1e-9) << "nor the tilt";

    f.view->SetRectTimes(2.0);
    f.view->resize(1384, 608);
    EXPECT_EQ(f.Scene()->sceneRect(), QRectF(0, 0, 1364, 588));
    EXPECT_EQ(f.HandleCentre(3).y(), 588 - 40 - 26 + 13) << "margins and handle offsets scale";
    EXPECT_NEAR(f.listener.Last("TargetHeight")[0], 2.91, 1e-9);
    EXPECT_NEAR(f.HandleCentre(4).y(), 588 - 40 - 2.91 * 508 / 10 - 26 + 13, 1e-9) << "drawn taller";
}

TEST(VerticalSceneC, SlotsAndReentrantListeners)
{
    SideViewFixture f;
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    f.listener.Clear();
    f.view->OnClicked(5);
    EXPECT_EQ(f.listener.Calls(), Redraw({ "HeightMax" }));
    EXPECT_EQ(f.Model().installHeight, 5.0) << "the camera comes down onto the axis";
    f.listener.Clear();
    f.view->OnClicked1(2);
    EXPECT_EQ(f.listener.Calls(), Redraw({ "LengthRange", "Distance" }));
    EXPECT_EQ(f.listener.Last("LengthRange"), (std::vector<double> { 0.0, 2.0 }));
    EXPECT_EQ(f.Model().targetDistance, 2.0);

    // A listener that moves the target while the view reports: the last
    // heights it hears are those of the new target, not the old ones.
    f.view->OnClicked1(22);
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    f.listener.Clear();
    f.listener.onBlind = [&f] { f.view->SetTarHDistance(1.0); };
    f.view->SetTarHDistance(10.0);
    EXPECT_EQ(f.listener.Calls(), (Names { "Blind", "Blind", "TargetHeight", "ViewHeights" }));
    EXPECT_GT(f.listener.Last("ViewHeights")[1], 0.0);
}

// In the calculator's window other scenes change in the same update, and the
// first of them to hand over its changes paints the window at once, before
// this view's scene has handed over its own.
TEST(VerticalSceneC, EachChangeIsPaintedOnceAndNoChangeNotAtAll)
{
    SideViewFixture f;
    QWidget window;
    window.resize(730, 320);
    f.view->setParent(&window);
    QGraphicsScene otherScene;
    QGraphicsRectItem* mark = otherScene.addRect(0, 0, 4, 4);
    QGraphicsView other(&otherScene, &window);
    other.setGeometry(700, 0, 20, 20);
    // The fixture owns the view: it leaves the window before the window goes.
    const std::unique_ptr<QWidget, void (*)(QWidget*)> detach(
        f.view.get(), [](QWidget* w) { w->setParent(nullptr); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    f.view->SetParam(17.46, 10.0, 7.0, 30.0, 19.0);
    QCoreApplication::processEvents();
    KWPaintCounter paints(f.Scene()->views().front()->viewport());

    const struct {
        const char* what;
        std::function<void()> change;
        int paints;
    } rows[] = {
        { "a new tilt", [&f] { f.view->SetParam(17.46, 10.0, 7.0, 35.0, 19.0); }, 1 },
        { "the same parameters", [&f] { f.view->SetParam(17.46, 10.0, 7.0, 35.0, 19.0); }, 0 },
        { "a new distance", [&f] { f.view->SetTarHDistance(12.0); }, 1 },
        { "the same distance", [&f] { f.view->SetTarHDistance(12.0); }, 0 },
        { "the same height", [&f] { f.view->SetVirtualHeight(7.0); }, 0 },
    };
    for (const auto& row : rows) {
        mark->moveBy(1.0, 0.0);
        paints.Reset();
        row.change();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(paints.Count(), row.paints) << row.what;
    }
}

} // namespace
