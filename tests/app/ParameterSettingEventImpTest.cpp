// The IPC parameter panel on its real controls: alone under a main frame that
// has no window (no views, no database), and inside the whole main window
// with a small product database of its own.

#include "app/DatabaseManager.h"
#include "app/MainFrameEventImp.h"
#include "app/ModelSelectDlgEventImp.h"
#include "app/calc/IPCCalc.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "base/Globals.h"
#include "tests/app/ShownText.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <boost/make_shared.hpp>

#include <QDoubleSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::string>;

template <class Control>
QWidget* WidgetOf(Control* control)
{
    return dynamic_cast<QWidget*>(control);
}

template <class Control>
bool IsShown(Control* control)
{
    return !WidgetOf(control)->isHidden();
}

std::wstring RadioText(CKWRadioBox* radio)
{
    WCHAR buffer[128] = {};
    radio->GetWindowTextW(buffer, 127);
    return buffer;
}

std::vector<std::wstring> ComboItems(CKWComboBox* combo)
{
    std::vector<std::wstring> items;
    for (int i = 0; i < combo->GetCount(); ++i) {
        WCHAR buffer[256] = {};
        combo->GetLBText(i, buffer);
        items.emplace_back(buffer);
    }
    return items;
}

// What the user does: the box reports the new value to the panel.
void UserSets(CKWDoubleSpiner* spin, double value)
{
    dynamic_cast<QDoubleSpinBox*>(spin)->setValue(value);
}

long CountOf(const Trace& trace, const std::string& call)
{
    return std::count(trace.begin(), trace.end(), call);
}

long FirstIndexOf(const Trace& trace, const std::string& call, long from = 0)
{
    const auto it = std::find(trace.begin() + from, trace.end(), call);
    return it == trace.end() ? -1 : static_cast<long>(it - trace.begin());
}

long LastIndexOf(const Trace& trace, const std::string& call)
{
    const auto it = std::find(trace.rbegin(), trace.rend(), call);
    return it == trace.rend() ? -1 : static_cast<long>(trace.rend() - it) - 1;
}

// ---- The panel under a main frame without a window -----------------------
// No database: the model keeps the varifocal start values, so every density
// is "N/A"; no views, so nothing but the calculations and the display call
// is traced.
class BarePanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previousScale = g_uiScale;
        g_uiScale = 1.0f;
        frame = boost::make_shared<CMainFrameEventImp>();
        frame->SetUIWnd(KWHandleFromWidget(host.get()));
        panel = CParameterSettingEventImp::CreateInstance(frame);
        ASSERT_TRUE(panel);
        ASSERT_NE(panel->GetView(), nullptr);
        panel->SetCallTrace([this](const char* call) { trace.emplace_back(call); });
    }

    void TearDown() override
    {
        panel->SetCallTrace(nullptr);
        // The window and its controls go first, as with the main window.
        host.reset();
        panel.reset();
        g_uiScale = m_previousScale;
    }

    // The main window's stand-in; takes the panel's controls with it.
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
    boost::shared_ptr<CMainFrameEventImp> frame;
    boost::shared_ptr<CParameterSettingEventImp> panel;
    Trace trace;

private:
    float m_previousScale = 1.0f;
};

TEST_F(BarePanelTest, StartsVarifocalWithTheFullRangeWithoutADatabase)
{
    EXPECT_FALSE(panel->IsFixedFocal());
    double low = 0.0;
    double high = 0.0;
    panel->GetFocalSpin()->GetRange(low, high);
    EXPECT_DOUBLE_EQ(low, 0.5);
    EXPECT_DOUBLE_EQ(high, 100.0);
    EXPECT_DOUBLE_EQ(panel->GetFocalSpin()->GetCurrentNum(), 0.5);
    EXPECT_EQ(panel->GetFocalSlider()->GetPos(), 50);
    EXPECT_EQ(TextOf(panel->GetMinFocalStatic()), L"0.5mm");
    EXPECT_EQ(TextOf(panel->GetMaxFocalStatic()), L"100.0mm");
    EXPECT_FALSE(IsShown(panel->GetUserDefinedRadio()));
    EXPECT_FALSE(IsShown(panel->GetModelSelectRadio()));
}

TEST_F(BarePanelTest, FocalSpinBoxMovesTheSliderOnce)
{
    UserSets(panel->GetFocalSpin(), 12.3);
    EXPECT_EQ(panel->GetFocalSlider()->GetPos(), 1230);
    EXPECT_EQ(trace, (Trace {"CalcViewAngles", "CalcPPM", "SetPPMValue"}));

    trace.clear();
    UserSets(panel->GetFocalSpin(), 2.3);
    EXPECT_EQ(panel->GetFocalSlider()->GetPos(), 230);
}

TEST_F(BarePanelTest, FocalSliderSetsTheSpinBoxWithoutReenteringIt)
{
    panel->KW_OnSliderPos(kIdFocalSlider, 1234);
    EXPECT_DOUBLE_EQ(panel->GetFocalSpin()->GetCurrentNum(), 12.3);
    EXPECT_EQ(trace, (Trace {"CalcViewAngles", "CalcPPM", "SetPPMValue"}));
    // The angles come from the formula at 12.3 mm: nothing else has a size here.
    EXPECT_DOUBLE_EQ(panel->GetVerticalAngle(), 0.0);
}

TEST_F(BarePanelTest, ClickOnTheFocalSliderShowsNoTooltip)
{
    host->show();
    QToolTip::hideText();
    QWidget* slider = WidgetOf(panel->GetFocalSlider());
    QTest::mouseClick(
        slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider->width() * 3 / 4, slider->height() / 2));
    EXPECT_NE(panel->GetFocalSlider()->GetPos(), 300) << "the click reached the slider";
    EXPECT_EQ(QToolTip::text(), QString());
    QToolTip::hideText();
}

TEST_F(BarePanelTest, LengthAxisRangeClampsTheDistanceWithoutRecalculating)
{
    panel->SetLengthAxisRange(2.0, 5.0);
    EXPECT_DOUBLE_EQ(panel->GetTargetDistance(), 5.0);
    double low = 0.0;
    double high = 0.0;
    panel->GetDistanceSpin()->GetRange(low, high);
    EXPECT_DOUBLE_EQ(low, 2.0);
    EXPECT_DOUBLE_EQ(high, 5.0);

    panel->SetTarHDistance(1.0);
    trace.clear();
    panel->SetLengthAxisRange(2.0, 5.0);
    EXPECT_DOUBLE_EQ(panel->GetTargetDistance(), 2.0);
    EXPECT_TRUE(trace.empty());
}

TEST_F(BarePanelTest, ViewReportsStoreAndRecalculateTheDensityOnly)
{
    panel->SetInstallFromView(40.0, 6.0);
    EXPECT_DOUBLE_EQ(panel->GetInstallAngle(), 40.0);
    EXPECT_DOUBLE_EQ(panel->GetInstallHeight(), 6.0);
    EXPECT_DOUBLE_EQ(panel->GetInstallAngleSpin()->GetCurrentNum(), 40.0);
    EXPECT_DOUBLE_EQ(panel->GetInstallHeightSpin()->GetCurrentNum(), 6.0);

    trace.clear();
    panel->SetInstallFromView(40.0, 6.0); // the values already held
    panel->SetTarHDistance(12.0);
    panel->SetTargetViewHeights(2.0, 0.1);
    panel->SetTargetHeight(1.7);
    EXPECT_EQ(trace, (Trace {"CalcPPM", "SetPPMValue", "CalcPPM", "SetPPMValue", "CalcPPM", "SetPPMValue", "CalcPPM",
                             "SetPPMValue"}));
    EXPECT_DOUBLE_EQ(panel->GetDistanceSpin()->GetCurrentNum(), 12.0);
}

TEST_F(BarePanelTest, UnitRoundTrip)
{
    panel->OnView_ChangeUnit(0);
    EXPECT_FALSE(panel->IsMetric());
    EXPECT_NEAR(panel->GetInstallHeight(), 7.0 * kFeetPerMetre, 1e-9);
    EXPECT_NEAR(panel->GetInstallHeightMin(), 1.64041995, 1e-8);
    EXPECT_NEAR(panel->GetTargetDistance(), 32.808399, 1e-9);
    EXPECT_NEAR(panel->GetInstallHeightSpin()->GetCurrentNum(), 22.97, 1e-9); // two decimals shown
    EXPECT_EQ(TextOf(panel->GetInstallHeightUnit()), TextOf(panel->GetDistanceUnit()));
    EXPECT_EQ(trace, (Trace {"CalcViewAngles", "CalcPPM", "SetPPMValue"}));

    // Heights the side view reports in feet are kept in metres.
    panel->SetTargetViewHeights(2.0 * kFeetPerMetre, 0.5 * kFeetPerMetre);
    panel->SetTargetHeight(1.7 * kFeetPerMetre);
    EXPECT_NEAR(panel->GetTargetTop(), 2.0, 1e-12);
    EXPECT_NEAR(panel->GetTargetBottom(), 0.5, 1e-12);
    EXPECT_NEAR(panel->GetTargetHeight(), 1.7, 1e-12);

    panel->OnView_ChangeUnit(1);
    EXPECT_TRUE(panel->IsMetric());
    EXPECT_NEAR(panel->GetInstallHeight(), 7.0, 1e-12);
    EXPECT_NEAR(panel->GetInstallHeightMin(), 0.5, 1e-12);
    EXPECT_NEAR(panel->GetTargetDistance(), 10.0, 1e-12);
    EXPECT_NEAR(panel->GetLengthAxisMax(), 22.9133858, 1e-12);
    EXPECT_NEAR(panel->GetHeightAxisMax(), 10.0, 1e-12);
    EXPECT_DOUBLE_EQ(panel->GetInstallAngle(), 55.21);
}

TEST_F(BarePanelTest, ModelNameLabelSurvivesRetranslationUntilTheUserDefinedCamera)
{
    const std::wstring defaultLabel = RadioText(panel->GetModelSelectRadio());
    panel->ApplyModelName(L"");
    EXPECT_TRUE(panel->HasDefaultModelLabel());
    EXPECT_EQ(RadioText(panel->GetModelSelectRadio()), defaultLabel);

    panel->ApplyModelName(L"VX Dome 5D2812");
    EXPECT_FALSE(panel->HasDefaultModelLabel());
    panel->RetranslateTexts();
    EXPECT_EQ(RadioText(panel->GetModelSelectRadio()), L"  VX Dome 5D2812");

    // Back to the default text, which a language change translates again.
    panel->RADIO_OnClicked(1, kIdUserDefinedRadio, POINT {0, 0});
    EXPECT_TRUE(panel->HasDefaultModelLabel());
    EXPECT_EQ(RadioText(panel->GetModelSelectRadio()), defaultLabel);
}

TEST_F(BarePanelTest, UserDefinedCameraResetsTheFocalControlsAndHasNoDensity)
{
    panel->KW_OnSliderPos(kIdFocalSlider, 800);
    trace.clear();
    panel->RADIO_OnClicked(1, kIdUserDefinedRadio, POINT {0, 0});

    EXPECT_EQ(panel->GetUserDefinedRadio()->GetCheck(), 1);
    EXPECT_EQ(panel->GetModelSelectRadio()->GetCheck(), 0);
    EXPECT_TRUE(WidgetOf(panel->GetCameraModeCombo())->isEnabled());
    EXPECT_TRUE(WidgetOf(panel->GetSensorFormatCombo())->isEnabled());
    EXPECT_DOUBLE_EQ(panel->GetFocalSpin()->GetCurrentNum(), 3.0);
    EXPECT_EQ(panel->GetFocalSlider()->GetPos(), 300);
    EXPECT_TRUE(panel->IsFixedFocal());
    EXPECT_EQ(panel->GetModel().FLtype, "3");
    EXPECT_EQ(panel->GetModel().value, (std::map<int, std::string> {{1, "0.5"}, {2, "100"}}));
    // The camera-mode change runs both calculations, then the radio does.
    EXPECT_EQ(trace, (Trace {"CalcViewAngles", "CalcPPM", "SetPPMValue", "CalcViewAngles", "CalcPPM", "SetPPMValue"}));
    // The user-defined sensor is never filled: both angles 0.
    EXPECT_DOUBLE_EQ(panel->GetVerticalAngle(), 0.0);
}

// ---- The panel in the main window -----------------------------------------
constexpr const char* kSchema
    = "CREATE TABLE newdata1 (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, strBM TEXT, strFBx TEXT,"
      " strFBy TEXT, FLtype TEXT, FLnum TEXT, ViewH TEXT, ViewV TEXT);"
      "CREATE TABLE newdata2 (name TEXT, serial TEXT, value TEXT, ViewH TEXT, ViewV TEXT);"
      "CREATE TABLE newdata3 (id INTEGER PRIMARY KEY, Pixel TEXT, Target TEXT, Horizontal TEXT, Vertical TEXT,"
      " PixelSize TEXT);";

std::string Quoted(const std::wstring& text)
{
    std::string out = "'";
    for (const char c : QString::fromStdWString(text).toStdString()) {
        out += c == '\'' ? std::string("''") : std::string(1, c);
    }
    return out + "'";
}

class PanelInWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previousScale = g_uiScale;
        g_uiScale = 1.0f;
        frame = CMainFrameEventImp::CreateInstance();
        ASSERT_TRUE(frame);
        frame->OnIPCToolClicked();
        panel = frame->GetParameterSetting();
        ASSERT_TRUE(panel);
        panel->SetCallTrace([this](const char* call) { trace.emplace_back(call); });
        names = ComboItems(panel->GetModelCombo());
        ASSERT_GE(names.size(), 5u);
    }

    void TearDown() override
    {
        if (panel) {
            panel->SetCallTrace(nullptr);
        }
        panel.reset();
        frame.reset();
        g_uiScale = m_previousScale;
    }

    // A database of its own in place of the shipped one: models named after
    // the first combo items, so that choosing those items loads them.
    void UseTestDatabase()
    {
        const std::string sql = std::string(kSchema) + "INSERT INTO newdata1 (name, strBM, strFBx, strFBy, FLtype) VALUES ("
            + Quoted(names[0]) + ", '1/2.8', '1920', '1080', '3'), (" + Quoted(names[1])
            + ", '1/2.8', '1920', '1080', '3'), (" + Quoted(names[2])
            + ", '1/2.7', '1920', '1080', '2'), (" + Quoted(names[4])
            + ", '1/2.8', '1920', '1080', '7');"
              "INSERT INTO newdata2 VALUES ("
            + Quoted(names[0]) + ", '1', '12', '30', '17'), (" + Quoted(names[0]) + ", '2', '2.8', '105', '55'), ("
            + Quoted(names[1]) + ", '1', '4', '1', '1'), (" + Quoted(names[1]) + ", '2', '6', '1', '1'), ("
            + Quoted(names[1]) + ", '3', '8', '1', '1'), (" + Quoted(names[2]) + ", '1', '4', '70', '40'), ("
            + Quoted(names[2]) + ", '2', '6', '50', '30'), (" + Quoted(names[2])
            + ", '3', '8', '38', '22');"
              "INSERT INTO newdata3 (Pixel, Target, Horizontal, Vertical, PixelSize) VALUES"
              " ('2.0MP', '1/2.8', '1920', '1080', '2.9'), ('2.0MP', '1/2.7', '1920', '1080', '3.0'),"
              " ('2.0MP', '1/2.8', '1280', '720', '2.9'), ('4.0MP', '1/3', '2560', '1440', '2.0');";
        const QString path = m_dir.path() + "/Product.db";
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
                  SQLITE_OK);
        sqlite3_key(db, "604281957", 9);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
        ASSERT_EQ(frame->GetDatabaseManager()->Open(path.toStdWString()), 1);
    }

    void ChooseModel(int index) { panel->SelectChanged(kIdModelCombo, index); }

    std::wstring DisplayedDensity() const { return TextOf(frame->GetDensityValue()); }

    boost::shared_ptr<CMainFrameEventImp> frame;
    boost::shared_ptr<CParameterSettingEventImp> panel;
    std::vector<std::wstring> names;
    Trace trace;

private:
    QTemporaryDir m_dir;
    float m_previousScale = 1.0f;
};

TEST_F(PanelInWindowTest, ModelComboListsTheBuiltInNamesInOrderAndShowsTheModelLoaded)
{
    std::vector<std::wstring> expected;
    for (const auto& entry : panel->GetModelTable()) {
        expected.push_back(entry.first);
    }
    EXPECT_EQ(expected.size(), 132u);
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(panel->GetModelCombo()->GetCurSel(), 0);
    EXPECT_EQ(panel->GetModelTable().at(names[0]), 1);
    EXPECT_EQ(panel->GetModelName(), names[0]);
    // Its record came from the shipped database.
    const ModelRecord& model = panel->GetModel();
    EXPECT_FALSE(model.PixelSize.empty());
    EXPECT_EQ(TextOf(panel->GetResolutionStatic()),
              QString::fromStdString(model.strFBx + "*" + model.strFBy).toStdWString());
    EXPECT_EQ(TextOf(panel->GetMegapixelStatic()), QString::fromStdString(model.Pixel).toStdWString());
}

TEST_F(PanelInWindowTest, VarifocalModelSetsTheSpinBoxSliderAndStatics)
{
    UseTestDatabase();
    ChooseModel(0);
    EXPECT_FALSE(panel->IsFixedFocal());
    double low = 0.0;
    double high = 0.0;
    panel->GetFocalSpin()->GetRange(low, high);
    EXPECT_DOUBLE_EQ(low, 2.8);
    EXPECT_DOUBLE_EQ(high, 12.0);
    EXPECT_DOUBLE_EQ(panel->GetFocalSpin()->GetCurrentNum(), 2.8);
    int sliderLow = 0;
    int sliderHigh = 0;
    panel->GetFocalSlider()->GetRange(sliderLow, sliderHigh);
    EXPECT_EQ(sliderLow, 280);
    EXPECT_EQ(sliderHigh, 1200);
    EXPECT_EQ(panel->GetFocalSlider()->GetPos(), 280);
    EXPECT_EQ(TextOf(panel->GetMinFocalStatic()), L"2.8mm");
    EXPECT_EQ(TextOf(panel->GetMaxFocalStatic()), L"12.0mm");
    EXPECT_EQ(TextOf(panel->GetMmStatic()), L"mm");
    EXPECT_TRUE(IsShown(panel->GetFocalSpin()));
    EXPECT_TRUE(IsShown(panel->GetFocalSlider()));
    EXPECT_TRUE(IsShown(panel->GetMinFocalStatic()));
    EXPECT_FALSE(IsShown(panel->GetFixedFocalCombo()));
    // 2.8 mm is listed: the record's angles, not the formula's.
    EXPECT_DOUBLE_EQ(panel->GetVerticalAngle(), 55.0);

    // Three focal lengths: the previous model's range stays.
    ChooseModel(1);
    EXPECT_FALSE(panel->IsFixedFocal());
    panel->GetFocalSpin()->GetRange(low, high);
    EXPECT_DOUBLE_EQ(low, 2.8);
    EXPECT_DOUBLE_EQ(high, 12.0);
    EXPECT_EQ(panel->GetFocalSlider()->GetPos(), 280);
    EXPECT_EQ(TextOf(panel->GetMaxFocalStatic()), L"12.0mm");
}

TEST_F(PanelInWindowTest, FixedFocalModelFillsTheComboAndHidesTheRange)
{
    UseTestDatabase();
    ChooseModel(0);
    trace.clear();
    ChooseModel(2);
    EXPECT_TRUE(panel->IsFixedFocal());
    EXPECT_EQ(ComboItems(panel->GetFixedFocalCombo()), (std::vector<std::wstring> {L"4", L"6", L"8"}));
    EXPECT_EQ(panel->GetFixedFocalCombo()->GetCurSel(), 0);
    EXPECT_TRUE(IsShown(panel->GetFixedFocalCombo()));
    EXPECT_FALSE(IsShown(panel->GetFocalSpin()));
    EXPECT_FALSE(IsShown(panel->GetFocalSlider()));
    EXPECT_FALSE(IsShown(panel->GetMinFocalStatic()));
    EXPECT_FALSE(IsShown(panel->GetMaxFocalStatic()));
    EXPECT_DOUBLE_EQ(panel->GetVerticalAngle(), 40.0);
    EXPECT_EQ(TextOf(panel->GetResolutionStatic()), L"1920*1080");
    EXPECT_EQ(ComboItems(panel->GetSensorFormatCombo()), (std::vector<std::wstring> {L"1/2.7"}));
    // The 3D picture first, then one calculation of each kind.
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.front(), "SetBgImageByName");
    EXPECT_EQ(CountOf(trace, "CalcViewAngles"), 1);
}

TEST_F(PanelInWindowTest, CameraModeListsEachSensorFormatOnce)
{
    UseTestDatabase();
    ChooseModel(0);
    ASSERT_EQ(TextOf(panel->GetMegapixelStatic()), L"2.0MP");
    panel->SelectChanged(kIdCameraModeCombo, 0);
    EXPECT_EQ(ComboItems(panel->GetSensorFormatCombo()), (std::vector<std::wstring> {L"1/2.8", L"1/2.7"}));
}

TEST_F(PanelInWindowTest, ModelUnknownToTheDatabaseKeepsTheFieldsAndShowsNoDensity)
{
    UseTestDatabase();
    ChooseModel(2);
    ChooseModel(3); // not in the test database
    EXPECT_EQ(panel->GetModelName(), names[3]);
    EXPECT_EQ(panel->GetModel().FLtype, "2");
    EXPECT_EQ(TextOf(panel->GetResolutionStatic()), L"1920*1080");
    EXPECT_EQ(panel->GetFixedFocalCombo()->GetCount(), 0);
    // No focal length to read: the angles are 0 and the density unknown, not 0.
    EXPECT_DOUBLE_EQ(panel->GetVerticalAngle(), 0.0);
    panel->SetTargetViewHeights(2.0, 0.0);
    panel->SetTargetHeight(1.7);
    EXPECT_EQ(DisplayedDensity(), L"N/A");
}

// A focal type that names no lens kind computes no angles, but the display
// must not keep the previous model's density as if it were this one's.
TEST_F(PanelInWindowTest, UnknownFocalTypeShowsNoDensityInsteadOfThePreviousOne)
{
    UseTestDatabase();
    ChooseModel(2);
    panel->SetTargetViewHeights(2.0, 0.0);
    panel->SetTargetHeight(1.7);
    ASSERT_NE(DisplayedDensity(), L"N/A");
    const double verticalAngle = panel->GetVerticalAngle();
    trace.clear();
    ChooseModel(4);
    EXPECT_EQ(panel->GetModel().FLtype, "7");
    EXPECT_EQ(DisplayedDensity(), L"N/A");
    // The views keep what they showed: no angles were pushed.
    EXPECT_EQ(CountOf(trace, "SetParam"), 0);
    EXPECT_DOUBLE_EQ(panel->GetVerticalAngle(), verticalAngle);
}

TEST_F(PanelInWindowTest, HandlersPushToTheViewsBeforeTheyCalculate)
{
    struct Row {
        UINT id;
        double value;
        Trace pushes;
    } rows[] = {
        {kIdInstallHeightSpin, 6.5, {"SetVirtualHeight"}},
        {kIdInstallAngleSpin, 50.0, {"SetInstAngle"}},
        {kIdDistanceSpin, 12.0, {"SetTarHDistance", "UpdateVisibleWidth"}},
        {kIdVDistanceSpin, 3.0, {}},
        {kIdFocalSpin, 6.0, {}},
    };
    for (const Row& row : rows) {
        trace.clear();
        panel->OnCurrentNumChanged(row.id, row.value);
        ASSERT_FALSE(trace.empty()) << row.id;
        // The pushes first and in order; what they make the side view report
        // back may run CalcPPM in between, but the handler's own two
        // calculations come after them, in this order.
        const long angles = FirstIndexOf(trace, "CalcViewAngles");
        long previous = -1;
        for (const std::string& push : row.pushes) {
            const long at = FirstIndexOf(trace, push, previous + 1);
            EXPECT_GT(at, previous) << row.id << " " << push;
            EXPECT_LT(at, angles) << row.id << " " << push;
            previous = at;
        }
        EXPECT_EQ(trace.front(), row.pushes.empty() ? "CalcViewAngles" : row.pushes.front()) << row.id;
        EXPECT_EQ(CountOf(trace, "CalcViewAngles"), 1) << row.id;
        EXPECT_GT(LastIndexOf(trace, "CalcPPM"), angles) << row.id;
        EXPECT_EQ(trace.back(), "SetPPMValue") << row.id;
    }
}

TEST_F(PanelInWindowTest, FisheyeToolGetsNoDensityFromThePanel)
{
    frame->SetToolMode(kToolModeFish);
    trace.clear();
    panel->OnCurrentNumChanged(kIdInstallHeightSpin, 6.0);
    EXPECT_EQ(CountOf(trace, "SetPPMValue"), 0);
    EXPECT_GE(CountOf(trace, "CalcPPM"), 1);
}

// The hidden radio's path to the model selection dialog, run modally.
class ModelDialogPathTest : public PanelInWindowTest {
protected:
    // Runs radio 115 with `during` inside the dialog's loop; a dialog that
    // `during` leaves open is closed after a while.
    void ClickModelRadio(const std::function<void(CModelSelectDlgEventImp&)>& during)
    {
        QTimer::singleShot(0, &m_guard, [this, during] {
            const boost::shared_ptr<CModelSelectDlgEventImp> dlg = panel->GetModelSelectDlg();
            ASSERT_TRUE(dlg);
            during(*dlg);
        });
        QTimer::singleShot(5000, &m_guard, [this] {
            if (const auto dlg = panel->GetModelSelectDlg()) {
                dlg->GetDlg()->MFCCancel();
            }
        });
        panel->RADIO_OnClicked(1, kIdModelSelectRadio, POINT {0, 0});
    }

private:
    QObject m_guard; // the timers go with the test
};

TEST_F(ModelDialogPathTest, CancelledDialogFallsBackToTheUserDefinedCamera)
{
    ClickModelRadio([](CModelSelectDlgEventImp& dlg) { dlg.OnClose(); });
    EXPECT_EQ(panel->GetUserDefinedRadio()->GetCheck(), 1);
    EXPECT_EQ(panel->GetModelSelectRadio()->GetCheck(), 0);
    EXPECT_TRUE(WidgetOf(panel->GetCameraModeCombo())->isEnabled());
    EXPECT_TRUE(panel->IsFixedFocal());
    EXPECT_EQ(DisplayedDensity(), L"N/A");
}

TEST_F(ModelDialogPathTest, ConfirmedModelIsLoadedAndNamedOnTheRadio)
{
    UseTestDatabase();
    ClickModelRadio([](CModelSelectDlgEventImp& dlg) {
        dlg.RADIO_OnClicked(0, static_cast<int>(kIdModelFirstRadio) + 2, POINT {0, 0});
        dlg.OnOK();
    });
    EXPECT_EQ(panel->GetModelName(), names[2]);
    EXPECT_EQ(RadioText(panel->GetModelSelectRadio()), L"  " + names[2]);
    EXPECT_FALSE(panel->HasDefaultModelLabel());
    EXPECT_EQ(panel->GetModelSelectRadio()->GetCheck(), 1);
    EXPECT_FALSE(WidgetOf(panel->GetCameraModeCombo())->isEnabled());
    EXPECT_EQ(ComboItems(panel->GetFixedFocalCombo()), (std::vector<std::wstring> {L"4", L"6", L"8"}));
    // The dialog is kept for the next run, centred on the main window.
    RECT mainRect {};
    RECT dialogRect {};
    frame->GetDlg()->GetDlgWindowRect(&mainRect);
    panel->GetModelSelectDlg()->GetDlg()->GetDlgWindowRect(&dialogRect);
    EXPECT_NEAR((dialogRect.left + dialogRect.right) / 2.0, (mainRect.left + mainRect.right) / 2.0, 1.0);
    EXPECT_NEAR((dialogRect.top + dialogRect.bottom) / 2.0, (mainRect.top + mainRect.bottom) / 2.0, 1.0);
}

} // namespace
