// The fisheye panel on its own: its controls are real, the main frame is
// absent, and a recording subclass shows which calculation each handler runs.

#include "app/calc/FishParameterSettingEventImp.h"

#include "app/MainFrameEventImp.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/app/ShownText.h"
#include "ui/api/KWStatic.h"

#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QWidget>

#include <boost/make_shared.hpp>

#include <functional>
#include <string>
#include <vector>

namespace {

class RecordingPanel : public CFishParameterSettingEventImp {
public:
    RecordingPanel()
        : CFishParameterSettingEventImp(boost::weak_ptr<CMainFrameEventImp>())
    {
    }
    void CalcTargetPPM() override
    {
        calls.push_back("target");
        CFishParameterSettingEventImp::CalcTargetPPM();
    }
    void CalcRingPPM() override
    {
        calls.push_back("rings");
        CFishParameterSettingEventImp::CalcRingPPM();
    }
    std::vector<std::string> calls;
};

QDoubleSpinBox* Spin(CKWDoubleSpiner* spin)
{
    return dynamic_cast<QDoubleSpinBox*>(spin);
}

class FishParameterSettingTest : public ::testing::Test {
protected:
    void SetUp() override { Build(1.0f); }
    void TearDown() override { g_uiScale = m_scale; }

    void Build(float scale)
    {
        g_uiScale = scale;
        m_panel = boost::make_shared<RecordingPanel>();
        m_host = std::make_unique<QWidget>();
        m_host->resize(600, 500);
        m_panel->SetUIWnd(m_host.get());
        m_panel->OnCreate();
        m_panel->OnSize(0, 600, 500);
        m_panel->calls.clear();
    }

    // As the user would: the spin box reports the new value itself.
    void UserSets(CKWDoubleSpiner* spin, double value) { Spin(spin)->setValue(value); }
    double Shown(CKWDoubleSpiner* spin) { return Spin(spin)->value(); }

    float m_scale = g_uiScale;
    std::unique_ptr<QWidget> m_host;
    boost::shared_ptr<RecordingPanel> m_panel;
};

const std::vector<std::string> kBoth { "target", "rings" };

} // namespace

TEST_F(FishParameterSettingTest, CeilingKeepsTheCameraAboveThePersonAndTheWallDoesNot)
{
    struct Row {
        const char* name;
        bool wall;
        bool install; // which spin box the user changes
        double value;
        double H, T; // stored and shown afterwards
    };
    const Row rows[] = {
        { "camera lowered below the person snaps up", false, true, 1.5, 1.7, 1.7 },
        { "camera lowered above the person stays", false, true, 1.8, 1.8, 1.7 },
        { "person raised above the camera is cut", false, false, 3.0, 2.0, 2.0 },
        { "wall: camera below the person", true, true, 1.5, 1.5, 1.7 },
        { "wall: person above the camera", true, false, 3.0, 2.0, 3.0 },
    };
    for (const Row& row : rows) {
        Build(1.0f);
        if (row.wall) {
            m_panel->RADIO_OnClicked(1, kFishIdWallRadio, POINT {});
        }
        UserSets(row.install ? m_panel->GetInstallHeightSpin() : m_panel->GetObjectHeightSpin(), row.value);
        EXPECT_DOUBLE_EQ(m_panel->GetInstallHeight(), row.H) << row.name;
        EXPECT_DOUBLE_EQ(m_panel->GetObjectHeight(), row.T) << row.name;
        EXPECT_DOUBLE_EQ(Shown(m_panel->GetInstallHeightSpin()), row.H) << row.name;
        EXPECT_DOUBLE_EQ(Shown(m_panel->GetObjectHeightSpin()), row.T) << row.name;
    }
}

TEST_F(FishParameterSettingTest, SwitchingToTheCeilingCutsATallPersonAndTheWallLeavesIt)
{
    m_panel->RADIO_OnClicked(1, kFishIdWallRadio, POINT {});
    EXPECT_FALSE(m_panel->IsTopInstall());
    EXPECT_EQ(m_panel->GetWallRadio()->GetCheck(), 1);
    // The side view's reports are stored as they come.
    m_panel->SetObjectHeight(3.0);
    EXPECT_DOUBLE_EQ(m_panel->GetObjectHeight(), 3.0);
    m_panel->RADIO_OnClicked(1, kFishIdWallRadio, POINT {});
    EXPECT_DOUBLE_EQ(m_panel->GetObjectHeight(), 3.0);

    m_panel->RADIO_OnClicked(1, kFishIdCeilingRadio, POINT {});
    EXPECT_TRUE(m_panel->IsTopInstall());
    EXPECT_EQ(m_panel->GetWallRadio()->GetCheck(), 0);
    EXPECT_DOUBLE_EQ(m_panel->GetObjectHeight(), 2.0);
    EXPECT_DOUBLE_EQ(Shown(m_panel->GetObjectHeightSpin()), 2.0);

    // A click on the checked radio unchecks it in the control; the panel
    // checks it again, and nothing is clamped.
    m_panel->SetObjectHeight(3.0);
    m_panel->GetCeilingRadio()->SetCheck(0);
    m_panel->RADIO_OnClicked(0, kFishIdCeilingRadio, POINT {});
    EXPECT_TRUE(m_panel->IsTopInstall());
    EXPECT_DOUBLE_EQ(m_panel->GetObjectHeight(), 3.0);
}

TEST_F(FishParameterSettingTest, FeetConvertRangesValuesAndUnits)
{
    m_panel->OnView_ChangeUnit(0);
    const double f = kFishFeetPerMetre;
    EXPECT_FALSE(m_panel->IsMetric());
    EXPECT_DOUBLE_EQ(m_panel->GetInstallHeight(), 2.0 * f);
    EXPECT_DOUBLE_EQ(m_panel->GetObjectHeight(), 1.7 * f);
    EXPECT_DOUBLE_EQ(m_panel->GetObjectDistance(), 2.0 * f);
    // The spin boxes show two decimals.
    struct Row {
        CKWDoubleSpiner* spin;
        double minimum, maximum, value;
    };
    const Row rows[] = {
        { m_panel->GetInstallHeightSpin(), 0.3 * f, 5.0 * f, 2.0 * f },
        { m_panel->GetObjectHeightSpin(), 0.1 * f, 5.0 * f, 1.7 * f },
        { m_panel->GetObjectDistanceSpin(), 0.0, 10.0 * f, 2.0 * f },
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(Spin(row.spin)->minimum(), row.minimum, 0.005);
        EXPECT_NEAR(Spin(row.spin)->maximum(), row.maximum, 0.005);
        EXPECT_NEAR(Shown(row.spin), row.value, 0.005);
    }
    EXPECT_EQ(TextOf(m_panel->GetInstallHeightUnit()), std::wstring(translate(L"ft")));
    EXPECT_EQ(m_panel->calls, kBoth);

    m_panel->OnView_ChangeUnit(1);
    EXPECT_NEAR(m_panel->GetInstallHeight(), 2.0, 1e-12);
    EXPECT_NEAR(Spin(m_panel->GetObjectDistanceSpin())->maximum(), 10.0, 0.005);
    EXPECT_NEAR(Shown(m_panel->GetObjectHeightSpin()), 1.7, 0.005);
    EXPECT_EQ(TextOf(m_panel->GetInstallHeightUnit()), std::wstring(translate(L"m")));
}

TEST_F(FishParameterSettingTest, EveryHandlerRunsTheTargetThenTheRings)
{
    struct Row {
        const char* name;
        std::function<void(RecordingPanel&)> act;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        { "model combo", [](RecordingPanel& p) { p.SelectChanged(kFishIdModelCombo, 1); }, kBoth },
        { "another combo id", [](RecordingPanel& p) { p.SelectChanged(99, 1); }, {} },
        { "install height", [](RecordingPanel& p) { p.OnCurrentNumChanged(kFishIdInstallHeight, 2.5); },
            kBoth },
        { "object height", [](RecordingPanel& p) { p.OnCurrentNumChanged(kFishIdObjectHeight, 1.0); },
            kBoth },
        { "object distance", [](RecordingPanel& p) { p.OnCurrentNumChanged(kFishIdObjectDistance, 0.0); },
            kBoth },
        { "wall radio", [](RecordingPanel& p) { p.RADIO_OnClicked(1, kFishIdWallRadio, POINT {}); }, kBoth },
        { "ceiling radio", [](RecordingPanel& p) { p.RADIO_OnClicked(1, kFishIdCeilingRadio, POINT {}); },
            kBoth },
        { "side view: install", [](RecordingPanel& p) { p.SetInstallHeight(3.0); }, kBoth },
        { "side view: object", [](RecordingPanel& p) { p.SetObjectHeight(0.01); }, kBoth },
        { "side view: distance", [](RecordingPanel& p) { p.SetObjectDistance(4.0); }, kBoth },
        { "unit switch", [](RecordingPanel& p) { p.OnView_ChangeUnit(0); }, kBoth },
        { "retranslation", [](RecordingPanel& p) { p.RetranslateTexts(); }, { "rings" } },
        { "hidden slider", [](RecordingPanel& p) { p.KW_OnSliderPos(kFishIdSlider, 250); }, {} },
    };
    for (const Row& row : rows) {
        m_panel->calls.clear();
        row.act(*m_panel);
        EXPECT_EQ(m_panel->calls, row.expected) << row.name;
    }
    // The slider's position is a mount height in hundredths.
    EXPECT_DOUBLE_EQ(m_panel->GetInstallHeight(), 2.5);
}

TEST_F(FishParameterSettingTest, LayoutFollowsTheScale)
{
    struct Row {
        float scale;
        QPoint combo, ceilingRadio, wallRadio, installSpin, distanceLabel;
    };
    // Scale 1: the model label at (30, 30), 150 x 22; the combo 5 to its
    // right, centred on it; the radios 20 below the combo, each followed by
    // its 19-pixel picture, the wall radio 40 after the first picture; the
    // install row 30 below the pictures, each later row 20 below the spin
    // box above it.
    const Row rows[] = {
        { 1.0f, QPoint(185, 32), QPoint(30, 69), QPoint(169, 69), QPoint(185, 120), QPoint(30, 198) },
        { 2.0f, QPoint(370, 65), QPoint(60, 139), QPoint(338, 139), QPoint(370, 241), QPoint(60, 397) },
    };
    const auto at = [](auto* control) { return dynamic_cast<QWidget*>(control)->geometry().topLeft(); };
    for (const Row& row : rows) {
        Build(row.scale);
        EXPECT_EQ(at(m_panel->GetModelCombo()), row.combo) << row.scale;
        EXPECT_EQ(at(m_panel->GetCeilingRadio()), row.ceilingRadio) << row.scale;
        EXPECT_EQ(at(m_panel->GetWallRadio()), row.wallRadio) << row.scale;
        EXPECT_EQ(at(m_panel->GetInstallHeightSpin()), row.installSpin) << row.scale;
        EXPECT_EQ(at(m_panel->GetObjectDistanceLabel()), row.distanceLabel) << row.scale;
    }
}

TEST_F(FishParameterSettingTest, RetranslationRereadsEveryText)
{
    const int language = g_languageIndex;
    g_languageIndex = 0;
    m_panel->RetranslateTexts();
    const std::wstring english = TextOf(m_panel->GetModelLabel());
    g_languageIndex = 2;
    m_panel->OnView_ChangeUnit(0);
    m_panel->RetranslateTexts();
    EXPECT_EQ(TextOf(m_panel->GetModelLabel()), std::wstring(translate(L"FishDevice:")));
    EXPECT_NE(TextOf(m_panel->GetModelLabel()), english);
    EXPECT_EQ(TextOf(m_panel->GetInstallHeightUnit()), std::wstring(translate(L"ft")));
    g_languageIndex = language;
}
