#include "app/ToolBarLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolBarLayout, PlacesLogoNameAndButtonsByScale)
{
    struct Row {
        const char* name;
        float scale;
        int cx, cy;
        RECT logo, productName, close, min, setting, unitRadio;
    };
    // Bars as the main window gives them: 1000 x 62 at scale 1 and
    // 2000 x 124 at scale 2.
    const Row rows[] = {
        { "scale 1", 1.0f, 1000, 62, { 28, 17, 175, 45 }, { 190, 22, 440, 52 }, { 973, 18, 988, 33 },
            { 946, 18, 961, 33 }, { 919, 18, 934, 33 }, { 884, 16, 900, 32 } },
        { "scale 2", 2.0f, 2000, 124, { 56, 33, 351, 90 }, { 381, 38, 881, 98 }, { 1945, 36, 1976, 67 },
            { 1890, 36, 1921, 67 }, { 1835, 36, 1866, 67 }, { 1764, 32, 1797, 65 } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ToolBarLayout layout = ComputeToolBarLayout(row.cx, row.cy, row.scale);
        EXPECT_TRUE(layout.logo == row.logo);
        EXPECT_TRUE(layout.productName == row.productName);
        EXPECT_TRUE(layout.closeButton == row.close);
        EXPECT_TRUE(layout.minButton == row.min);
        EXPECT_TRUE(layout.settingButton == row.setting);
        EXPECT_TRUE(layout.unitRadio == row.unitRadio);
        EXPECT_TRUE(layout.bottomLine == RECT({ 0, row.cy - 1, row.cx, row.cy }));
    }
}

} // namespace
