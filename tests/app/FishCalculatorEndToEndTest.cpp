// The whole program's fisheye tool, offscreen, on the data the build ships
// beside the executable (lens tables, skins, language files).

#include "app/DatabaseManager.h"
#include "app/MainFrameEventImp.h"
#include "app/calc/FishCalc.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "ui/api/KWStatic.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring TextOf(CKWStatic* label)
{
    wchar_t buffer[64] = {};
    label->GetStaticText(buffer, 64);
    return buffer;
}

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
