// The fisheye tool's three views inside the running calculator, offscreen,
// on the lens tables, skins and language files beside the test program:
// what the fisheye panel computes and commands arrives in the scenes the
// user looks at.

#include "app/DatabaseManager.h"
#include "app/MainFrameEventImp.h"
#include "app/calc/3DViewEventImp.h"
#include "app/calc/Fish3DViewEventImp.h"
#include "app/calc/FishCalc.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "app/calc/FishSideViewEventImp.h"
#include "app/calc/FishTopViewEventImp.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/app/EnglishFrame.h"
#include "tests/app/ShownText.h"
#include "tests/common/KWTestKit.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/api/KWDoubleSpiner.h"
#include "ui/api/KWRadioBox.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/scenes/KWQT3DView.h"
#include "ui/scenes/KWQTSideSceneFish.h"
#include "ui/scenes/KWQTTopViewFish.h"
#include "ui/scenes/KWQTVSliderItem.h"

#include <gtest/gtest.h>

#include <QBrush>
#include <QDoubleSpinBox>
#include <QGraphicsPathItem>
#include <QGraphicsTextItem>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

namespace {

class FishViewsEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedLanguage = g_languageIndex;
        m_savedScale = g_uiScale;
        frame = StartEnglishFrame();
        ASSERT_NE(frame->GetDlg(), nullptr);
        int width = 1020;
        int height = 720;
        frame->OnDlgSize(0, width, height);
        frame->OnFishToolClicked();
        panel = frame->GetFishParameterSetting();
        ASSERT_TRUE(panel);
    }

    void TearDown() override
    {
        panel.reset();
        frame.reset();
        g_languageIndex = m_savedLanguage;
        g_uiScale = m_savedScale;
    }

    // The rings the pure calculation gives for the panel's inputs on the
    // shipped lens table of model 0.
    static FishRingMap ExpectedRings(const FishInputs& inputs)
    {
        CDatabaseManager database;
        FishLensTable table;
        database.GetDistortionTable(inputs.modelIndex, &table);
        const std::wstring area = translate(L"Area");
        const std::wstring distance = translate(L"distance");
        return FishRingPPM(inputs, table, area, distance);
    }

    CKWQTTopViewFish* TopScene() const
    {
        return dynamic_cast<CKWQTTopViewFish*>(frame->GetFishTopView()->GetScene());
    }

    void Command(UINT id)
    {
        CKWCustomEvent command(WM_COMMAND, 0, 0, id);
        KWDispatchCustomEvent(panel.get(), &command);
    }

    boost::shared_ptr<CMainFrameEventImp> frame;
    boost::shared_ptr<CFishParameterSettingEventImp> panel;

private:
    int m_savedLanguage = 0;
    float m_savedScale = 1.0f;
};

std::vector<std::wstring> Values(const FishRingMap& rings)
{
    std::vector<std::wstring> values;
    for (const auto& ring : rings) {
        values.push_back(ring.second);
    }
    return values;
}

// Which marker slots of a 3D scene hold an item.
std::vector<bool> Markers(const CKWQT3DView* scene)
{
    std::vector<bool> shown;
    for (int slot = 0; slot < KW3D_SLOT_COUNT; ++slot) {
        shown.push_back(scene->GetMarkerItem(static_cast<KW3DSlot>(slot)) != nullptr);
    }
    return shown;
}

} // namespace

// Ceiling: up to four rings, the largest radius on the outermost label (4),
// smaller ones inwards; the innermost drawn ring is filled plainly, since
// the controller asks for no gradient.
TEST_F(FishViewsEndToEnd, CeilingRingsOfTheShippedLensTableReachTheTopView)
{
    const FishRingMap expected = ExpectedRings(FishInputs());
    ASSERT_FALSE(expected.empty());
    ASSERT_LE(expected.size(), 4u);
    const std::vector<std::wstring> texts = Values(expected);
    const int count = static_cast<int>(texts.size());
    CKWQTTopViewFish* scene = TopScene();
    ASSERT_NE(scene, nullptr);
    for (int label = 1; label <= 4; ++label) {
        SCOPED_TRACE(label);
        const int key = count - 1 - (4 - label);
        if (key >= 0) {
            EXPECT_EQ(scene->GetLabel(label)->toPlainText().toStdWString(), texts[key]);
            EXPECT_TRUE(scene->GetLabel(label)->isVisible());
        } else {
            EXPECT_FALSE(scene->GetLabel(label)->isVisible());
        }
    }
    // "Area #j: r.rrm, PPM:L", the level of the innermost ring first.
    EXPECT_EQ(texts.front().rfind(L"Area #", 0), 0u) << QString::fromStdWString(texts.front()).toStdString();
    EXPECT_NE(texts.front().find(L"m, PPM:"), std::wstring::npos);
    if (count >= 3) {
        const QGraphicsPathItem* inner = scene->GetRing(count >= 4 ? 4 : 3);
        EXPECT_EQ(inner->brush().style(), Qt::SolidPattern);
    }
}

TEST_F(FishViewsEndToEnd, WallRingsListTheDensityAtFiveDistances)
{
    panel->RADIO_OnClicked(1, kFishIdWallRadio, POINT {});
    FishInputs wall;
    wall.ceiling = false;
    const std::vector<std::wstring> texts = Values(ExpectedRings(wall));
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts.front().rfind(L"Distance: 2.0m, PPM:", 0), 0u);
    for (int label = 1; label <= 5; ++label) {
        SCOPED_TRACE(label);
        EXPECT_EQ(TopScene()->GetLabel(label)->toPlainText().toStdWString(), texts[label - 1]);
    }
}

// Each marker button of the fisheye panel toggles its marker in the fisheye
// 3D view and nowhere else.
TEST_F(FishViewsEndToEnd, MarkerCommandsReachTheFisheye3DViewOnly)
{
    auto* fish3D = dynamic_cast<CKWQT3DView*>(frame->GetFish3DView()->GetScene());
    auto* ipc3D = dynamic_cast<CKWQT3DView*>(frame->Get3DView()->GetScene());
    ASSERT_NE(fish3D, nullptr);
    ASSERT_NE(ipc3D, nullptr);
    const std::vector<bool> ipcBefore = Markers(ipc3D);
    for (UINT id : { kFishIdInstallHeightMarker, kFishIdObjectHeightMarker, kFishIdObjectDistanceMarker }) {
        SCOPED_TRACE(id);
        const std::vector<bool> before = Markers(fish3D);
        Command(id);
        const std::vector<bool> shown = Markers(fish3D);
        EXPECT_NE(shown, before);
        // A second press takes the marker away again.
        Command(id);
        EXPECT_EQ(Markers(fish3D), before);
        Command(id);
        EXPECT_EQ(Markers(fish3D), shown);
    }
    EXPECT_EQ(Markers(ipc3D), ipcBefore);
}

// On the wall the person may be taller than the camera's height; switching
// to the ceiling cuts the person to the camera's height in the side view too.
TEST_F(FishViewsEndToEnd, CeilingSwitchCutsTheObjectHeightInTheSideView)
{
    auto* side = dynamic_cast<CKWQTSideSceneFish*>(frame->GetFishSideView()->GetScene());
    ASSERT_NE(side, nullptr);
    panel->RADIO_OnClicked(1, kFishIdWallRadio, POINT {});
    panel->GetObjectHeightSpin()->SetCurrentNum(3.0);
    panel->OnCurrentNumChanged(kFishIdObjectHeight, 3.0);
    ASSERT_DOUBLE_EQ(panel->GetInstallHeight(), 2.0);
    ASSERT_DOUBLE_EQ(panel->GetObjectHeight(), 3.0);
    EXPECT_DOUBLE_EQ(side->GetValues().objectHeight, 3.0);

    panel->RADIO_OnClicked(1, kFishIdCeilingRadio, POINT {});
    EXPECT_DOUBLE_EQ(panel->GetObjectHeight(), 2.0);
    EXPECT_DOUBLE_EQ(side->GetValues().objectHeight, 2.0);
    EXPECT_TRUE(side->GetValues().ceiling);
}

// A click on a mount radio turns the fisheye top view to that mount (its axes
// and rings belong to the ceiling) and moves the density display to that
// mount's place, as the main frame's own layout call would.
TEST_F(FishViewsEndToEnd, MountRadioReachesTheTopViewAndTheDensityDisplay)
{
    auto* display = dynamic_cast<QWidget*>(frame->GetDensityValue());
    ASSERT_NE(display, nullptr);
    const auto placeFor = [&](bool ceiling) {
        frame->LayoutPPMArea(ceiling);
        return display->geometry();
    };
    const QRect ceilingPlace = placeFor(true);
    const QRect wallPlace = placeFor(false);
    ASSERT_NE(ceilingPlace, wallPlace);
    dynamic_cast<QWidget*>(frame->GetDlg())->show();

    const struct {
        CKWRadioBox* radio;
        bool ceiling;
    } clicks[] = { { panel->GetWallRadio(), false }, { panel->GetCeilingRadio(), true },
        { panel->GetWallRadio(), false } };
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.ceiling ? "ceiling" : "wall");
        // Where the other mount would put it, so that the click must move it.
        placeFor(!click.ceiling);
        QTest::mouseClick(dynamic_cast<QWidget*>(click.radio), Qt::LeftButton);
        EXPECT_EQ(panel->IsTopInstall(), click.ceiling);
        EXPECT_EQ(display->geometry(), click.ceiling ? ceilingPlace : wallPlace);
        EXPECT_EQ(TopScene()->GetHorizontalAxis()->isVisible(), click.ceiling);
        EXPECT_EQ(TopScene()->GetRing(1)->isVisible(), click.ceiling);
    }
}

// What the user enters in a spin box is what the fisheye side view draws.
TEST_F(FishViewsEndToEnd, SpinBoxesPushTheirLengthsToTheSideView)
{
    auto* side = dynamic_cast<CKWQTSideSceneFish*>(frame->GetFishSideView()->GetScene());
    ASSERT_NE(side, nullptr);
    const struct {
        const char* name;
        CKWDoubleSpiner* spin;
        double value;
        double KWFishSideValues::*shown;
    } rows[] = {
        { "install height", panel->GetInstallHeightSpin(), 3.5, &KWFishSideValues::installHeight },
        { "object height", panel->GetObjectHeightSpin(), 1.2, &KWFishSideValues::objectHeight },
        { "object distance", panel->GetObjectDistanceSpin(), 4.5, &KWFishSideValues::objectDistance },
    };
    for (const auto& row : rows) {
        ASSERT_NE(side->GetValues().*row.shown, row.value) << row.name;
        dynamic_cast<QDoubleSpinBox*>(row.spin)->setValue(row.value);
        EXPECT_DOUBLE_EQ(side->GetValues().*row.shown, row.value) << row.name;
    }
    // Each went to its own field only.
    EXPECT_DOUBLE_EQ(side->GetValues().installHeight, 3.5);
    EXPECT_DOUBLE_EQ(side->GetValues().objectHeight, 1.2);
}

// Lengths entered as the user enters them, key by key and Enter: no digit is
// lost to a clamp of the half-typed number, and a number past a bound becomes
// the bound.
TEST_F(FishViewsEndToEnd, TypedLengthsAreTakenWhenEditingEnds)
{
    auto* side = dynamic_cast<CKWQTSideSceneFish*>(frame->GetFishSideView()->GetScene());
    ASSERT_NE(side, nullptr);
    using Held = double (CFishParameterSettingEventImp::*)() const;
    const struct {
        CKWDoubleSpiner* spin;
        const char* typed;
        double expected;
        Held held;
        double KWFishSideValues::*shown;
    } rows[] = {
        { panel->GetInstallHeightSpin(), "1.8", 1.8, &CFishParameterSettingEventImp::GetInstallHeight,
            &KWFishSideValues::installHeight },
        { panel->GetInstallHeightSpin(), "1.9", 1.9, &CFishParameterSettingEventImp::GetInstallHeight,
            &KWFishSideValues::installHeight },
        { panel->GetInstallHeightSpin(), "1.75", 1.75, &CFishParameterSettingEventImp::GetInstallHeight,
            &KWFishSideValues::installHeight },
        { panel->GetInstallHeightSpin(), "50", 5.0, &CFishParameterSettingEventImp::GetInstallHeight,
            &KWFishSideValues::installHeight },
        { panel->GetObjectDistanceSpin(), "30", 10.0, &CFishParameterSettingEventImp::GetObjectDistance,
            &KWFishSideValues::objectDistance },
        { panel->GetObjectHeightSpin(), "0.05", 0.1, &CFishParameterSettingEventImp::GetObjectHeight,
            &KWFishSideValues::objectHeight },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        KWTypeAndEnter(dynamic_cast<QWidget*>(row.spin), QString::fromLatin1(row.typed));
        EXPECT_DOUBLE_EQ(row.spin->GetCurrentNum(), row.expected);
        EXPECT_DOUBLE_EQ(((*panel).*row.held)(), row.expected);
        EXPECT_DOUBLE_EQ(side->GetValues().*row.shown, row.expected);
    }
}

// A drag takes the value its field shows: the density is that of the same
// values typed, and typing what a field shows changes nothing.
TEST_F(FishViewsEndToEnd, DraggedValuesAreTakenAsTheirFieldsShowThem)
{
    auto* side = dynamic_cast<CKWQTSideSceneFish*>(frame->GetFishSideView()->GetScene());
    ASSERT_NE(side, nullptr);
    using Held = double (CFishParameterSettingEventImp::*)() const;
    // Pointers between two hundredths, where the fields show 5.86, 3.01 and
    // 1.24: taken as they stand, these lengths give 52 PPM, the shown ones 51.
    const struct {
        int handle;
        double pointer;
        double shown;
        Held held;
        CKWDoubleSpiner* spin;
    } rows[] = {
        { CKWQTSideSceneFish::DistanceHandleId, 5.857, 5.86,
            &CFishParameterSettingEventImp::GetObjectDistance, panel->GetObjectDistanceSpin() },
        { CKWQTSideSceneFish::CameraHandleId, 3.013, 3.01, &CFishParameterSettingEventImp::GetInstallHeight,
            panel->GetInstallHeightSpin() },
        { CKWQTSideSceneFish::ObjectHandleId, 1.243, 1.24, &CFishParameterSettingEventImp::GetObjectHeight,
            panel->GetObjectHeightSpin() },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shown);
        const KWFishSideLayout& l = side->GetLayout();
        const KWFishSideValues& v = side->GetValues();
        const QPointF from = side->GetHandle(row.handle)->sceneBoundingRect().center();
        const QPointF to = row.handle == CKWQTSideSceneFish::DistanceHandleId
            ? QPointF(l.originX + row.pointer / v.lengthMax * l.axisWidth, from.y())
            : QPointF(from.x(), l.originY - row.pointer * l.axisHeight / v.heightMax);
        KWSceneDrag(side->GetScene(), from, { to });
        EXPECT_EQ(row.spin->GetCurrentNum(), row.shown);
        EXPECT_EQ(((*panel).*row.held)(), row.shown);
    }
    EXPECT_EQ(side->GetDistanceLabel()->toPlainText(), QStringLiteral("5.86m"));
    EXPECT_EQ(side->GetCameraLabel()->toPlainText(), QStringLiteral("3.01m"));
    EXPECT_EQ(side->GetHeightLabel()->toPlainText(), QStringLiteral("1.24m"));
    const KWFishSideLayout& l = side->GetLayout();
    EXPECT_NEAR(l.objectPx, 1.24 * l.axisHeight / side->GetValues().heightMax, 1e-9)
        << "drawn as tall as shown";

    CDatabaseManager database;
    FishLensTable table;
    database.GetDistortionTable(0, &table);
    FishInputs typed;
    typed.installHeight = 3.01;
    typed.objectHeight = 1.24;
    typed.objectDistance = 5.86;
    const std::wstring density = std::to_wstring(FishTargetPPM(typed, table));
    ASSERT_EQ(density, L"51");
    EXPECT_EQ(TextOf(frame->GetDensityValue()), density);
    KWTypeAndEnter(dynamic_cast<QWidget*>(panel->GetObjectDistanceSpin()), QStringLiteral("5.86"));
    EXPECT_EQ(TextOf(frame->GetDensityValue()), density);
}
