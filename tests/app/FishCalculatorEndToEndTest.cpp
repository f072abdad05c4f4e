// The whole program's fisheye tool, offscreen, on the data the build ships
// beside the executable (lens tables, skins, language files).

#include "app/DatabaseManager.h"
#include "app/MainFrameEventImp.h"
#include "app/calc/FishCalc.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "app/calc/FishTopViewEventImp.h"
#include "base/Globals.h"
#include "tests/app/ShownText.h"
#include "tests/common/KWTestKit.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/scenes/KWQTTopViewFish.h"

#include <gtest/gtest.h>

#include <QGraphicsPathItem>
#include <QGraphicsTextItem>
#include <QTemporaryDir>

#include <string>

namespace {

} // namespace

TEST(FishCalculatorEndToEndTest, ChoosingTheFisheyeToolShowsTheDensityOfTheShippedLensTable)
{
    CDatabaseManager database;
    FishLensTable table;
    database.GetDistortionTable(0, &table);
    ASSERT_FALSE(table.empty());
    const int expected = FishTargetPPM(FishInputs(), table);
    ASSERT_GT(expected, 0);

    boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
    ASSERT_TRUE(frame);
    frame->OnFishToolClicked();
    EXPECT_EQ(frame->GetToolMode(), kToolModeFish);
    ASSERT_NE(frame->GetDensityValue(), nullptr);
    EXPECT_EQ(TextOf(frame->GetDensityValue()), std::to_wstring(expected));

    // Wall mount: still the pure function's value, now for the wall.
    boost::shared_ptr<CFishParameterSettingEventImp> panel = frame->GetFishParameterSetting();
    ASSERT_TRUE(panel);
    panel->RADIO_OnClicked(1, kFishIdWallRadio, POINT {});
    FishInputs wall;
    wall.ceiling = false;
    EXPECT_EQ(TextOf(frame->GetDensityValue()), std::to_wstring(FishTargetPPM(wall, table)));

    // Back on the IPC tool the fisheye panel leaves the display alone.
    frame->OnIPCToolClicked();
    const std::wstring ipc = TextOf(frame->GetDensityValue());
    panel->SelectChanged(kFishIdModelCombo, 0);
    EXPECT_EQ(TextOf(frame->GetDensityValue()), ipc);
    frame.reset();
}

TEST(FishCalculatorEndToEndTest, WithoutLensTablesNoDensityRingOrLegendIsShownAndTheFileIsNamed)
{
    const float savedScale = g_uiScale;
    const int savedLanguage = g_languageIndex;
    g_uiScale = 1.0f;
    g_languageIndex = 0;
    QTemporaryDir noTables;
    // With its pictures: a missing one would be named too.
    SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
    boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
    ASSERT_TRUE(frame);
    KWWarningCatcher catcher;
    frame->GetDatabaseManager()->SetDataDir(noTables.path().toStdWString());
    int width = 1020;
    int height = 720;
    frame->OnDlgSize(0, width, height);
    frame->OnFishToolClicked();
    const boost::shared_ptr<CFishParameterSettingEventImp> panel = frame->GetFishParameterSetting();
    const auto* scene = dynamic_cast<CKWQTTopViewFish*>(frame->GetFishTopView()->GetScene());
    ASSERT_NE(scene, nullptr);
    for (UINT mount : { kFishIdWallRadio, kFishIdCeilingRadio }) {
        panel->RADIO_OnClicked(1, mount, POINT {});
        SCOPED_TRACE(mount);
        EXPECT_EQ(TextOf(frame->GetDensityValue()), L"N/A");
        for (int i = 1; i <= 4; ++i) {
            EXPECT_FALSE(scene->GetRing(i)->isVisible()) << "ring " << i;
            EXPECT_FALSE(scene->GetDot(i)->isVisible()) << "dot " << i;
        }
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(scene->GetLabel(i)->toPlainText(), QString()) << "label " << i;
        }
    }
    // Asked for at every calculation, named once.
    ASSERT_EQ(catcher.Warnings().size(), 1) << catcher.Warnings().join("; ").toStdString();
    EXPECT_TRUE(catcher.Warnings().front().contains(noTables.path() + "/disdate-FL13-B.csv"))
        << catcher.Warnings().front().toStdString();
    frame.reset();
    g_uiScale = savedScale;
    g_languageIndex = savedLanguage;
}
