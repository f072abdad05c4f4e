#include "app/StartupScale.h"

#include <gtest/gtest.h>

#include <string>

TEST(StartupScale, ScaleAndLookByAvailableScreenArea)
{
    const struct {
        const char* name;
        int width, height;
        float screenScale, uiScale;
        bool large;
    } cases[] = {
        { "design size", 1020, 720, 1.0f, 1.0f, false },
        { "offscreen 800x600: width decides", 800, 600, 800.0f / 1020.0f, 1.0f, false },
        { "800x560: height decides", 800, 560, 560.0f / 720.0f, 1.0f, false },
        { "1280x680 shrinks the window, not the fonts", 1280, 680, 680.0f / 720.0f, 1.0f, false },
        { "full HD", 1920, 1080, 1.0f, 1.0f, false },
        { "just short of twice the width", 2039, 1440, 1.0f, 1.0f, false },
        { "exactly twice counts as 4K", 2040, 1440, 2.0f, 2.0f, true },
        { "4K", 3840, 2160, 2.0f, 2.0f, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StartupScale s = ComputeStartupScale(c.width, c.height);
        EXPECT_FLOAT_EQ(s.screenScale, c.screenScale);
        EXPECT_FLOAT_EQ(s.uiScale, c.uiScale);
        EXPECT_EQ(std::wstring(s.styleSheet), c.large ? L"/Lumivane_Style_4K.css" : L"/Lumivane_Style.css");
        EXPECT_EQ(std::wstring(s.skinDir), c.large ? L"/Skin/4K/" : L"/Skin/");
    }
}
