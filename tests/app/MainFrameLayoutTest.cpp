// The main window's layout and the density display's decisions, checked
// against the worked positions of the design at scales 1.0 and 2.0.

#include "app/MainFrameLayout.h"

#include "tests/app/RectExpect.h"

#include <gtest/gtest.h>

namespace {

TEST(MainFrameLayout, DesignWindowAtScaleOnePlacesEveryPart)
{
    const MainFrameLayout layout = ComputeMainFrameLayout(1020, 720, 1.0f);
    EXPECT_TRUE(SameRect(layout.toolBar, { 10, 10, 1009, 71 }));
    EXPECT_TRUE(SameRect(layout.chooser, { 10, 77, 1009, 709 }));
    EXPECT_TRUE(SameRect(layout.ipcButton, { 170, 223, 450, 503 }));
    EXPECT_TRUE(SameRect(layout.fishButton, { 550, 223, 830, 503 }));
    EXPECT_TRUE(SameRect(layout.ipcTitle, { 170, 533, 450, 553 }));
    EXPECT_TRUE(SameRect(layout.fishTitle, { 550, 533, 830, 553 }));
    EXPECT_TRUE(SameRect(layout.panel, { 10, 77, 530, 377 }));
    EXPECT_TRUE(SameRect(layout.view3D, { 535, 77, 1009, 377 }));
    EXPECT_TRUE(SameRect(layout.ipcSide, { 10, 382, 700, 709 }));
    EXPECT_TRUE(SameRect(layout.fishSide, { 10, 382, 420, 709 }));
    EXPECT_TRUE(SameRect(layout.ipcTop, { 705, 382, 1009, 587 }));
    EXPECT_TRUE(SameRect(layout.fishTop, { 425, 382, 1009, 709 }));
    EXPECT_TRUE(SameRect(layout.ppmArea, { 705, 592, 1009, 709 }));
}

TEST(MainFrameLayout, ScaleTwoDoublesAllButTheFixedMargins)
{
    // The 4K window: 1000 x 2 + 20 by 700 x 2 + 20. Inside the 10-pixel
    // shadow margin it is the normal window at twice the size.
    const MainFrameLayout layout = ComputeMainFrameLayout(2020, 1420, 2.0f);
    EXPECT_TRUE(SameRect(layout.toolBar, { 10, 10, 2009, 133 }));
    EXPECT_TRUE(SameRect(layout.chooser, { 10, 144, 2009, 1409 }));
    EXPECT_TRUE(SameRect(layout.ipcButton, { 330, 436, 890, 996 }));
    EXPECT_TRUE(SameRect(layout.fishButton, { 1090, 436, 1650, 996 }));
    EXPECT_TRUE(SameRect(layout.ipcTitle, { 330, 1056, 890, 1096 }));
    EXPECT_TRUE(SameRect(layout.panel, { 10, 144, 1050, 744 }));
    EXPECT_TRUE(SameRect(layout.view3D, { 1060, 144, 2008, 744 }));
    EXPECT_TRUE(SameRect(layout.ipcSide, { 10, 754, 1390, 1409 }));
    EXPECT_TRUE(SameRect(layout.fishSide, { 10, 754, 830, 1409 }));
    EXPECT_TRUE(SameRect(layout.ipcTop, { 1400, 754, 2008, 1164 }));
    EXPECT_TRUE(SameRect(layout.fishTop, { 840, 754, 2008, 1409 }));
    EXPECT_TRUE(SameRect(layout.ppmArea, { 1400, 1174, 2008, 1408 }));
}

// The chooser's buttons and titles at x = int(((w - 2 * 280) - 100) / 2.0)
// for every window width, and at twice that inside the margin at 4K.
TEST(MainFrameLayout, ChooserButtonsFollowTheDesignFormulaAtEveryWidth)
{
    for (int width = 300; width <= 1100; ++width) {
        const int w = width - 20;
        const int x = static_cast<int>(((w - 2 * 280) - 100) / 2.0);
        const MainFrameLayout one = ComputeMainFrameLayout(width, 720, 1.0f);
        const MainFrameLayout two = ComputeMainFrameLayout(2 * w + 20, 1420, 2.0f);
        ASSERT_EQ(one.ipcButton.left, x) << "width " << width;
        ASSERT_EQ(one.ipcTitle.left, x) << "width " << width;
        ASSERT_EQ(one.fishButton.left, x + 380) << "width " << width;
        ASSERT_EQ(two.ipcButton.left, 10 + 2 * (x - 10)) << "width " << width;
        ASSERT_EQ(two.fishTitle.left, 10 + 2 * (x + 380 - 10)) << "width " << width;
    }
}

TEST(MainFrameLayout, MainWindowSizeFollowsTheScreenScale)
{
    const struct {
        float screenScale;
        int width;
        int height;
    } rows[] = {
        { 1.0f, 1020, 720 }, // design screen
        { 0.9444444f, 964, 681 }, // 1280 x 680
        { 0.7777778f, 797, 564 }, // 800 x 560
        { 2.0f, 2020, 1420 }, // 4K
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MainWindowWidth(row.screenScale), row.width) << row.screenScale;
        EXPECT_EQ(MainWindowHeight(row.screenScale), row.height) << row.screenScale;
    }
}

TEST(PPMAreaLayout, WorkedPositionsAtScaleOne)
{
    const PPMAreaLayout layout = ComputePPMAreaLayout(CKWRect(705, 592, 1009, 709), 1.0f);
    EXPECT_TRUE(SameRect(layout.pixelCountCaption, { 715, 597, 808, 617 }));
    EXPECT_TRUE(SameRect(layout.pixelCountValue, { 715, 617, 805, 637 }));
    EXPECT_TRUE(SameRect(layout.display.densityCaption, { 715, 642, 867, 662 }));
    EXPECT_TRUE(SameRect(layout.display.densityValue, { 715, 665, 805, 685 }));
    EXPECT_TRUE(SameRect(layout.display.unitCaption, { 806, 670, 846, 685 }));
    EXPECT_TRUE(SameRect(layout.display.picture, { 851, 600, 951, 700 }));
    EXPECT_TRUE(SameRect(layout.display.explainButton, { 735, 685, 855, 709 }));
    EXPECT_EQ(layout.areaLeft, 705);
    EXPECT_EQ(layout.densityCaptionTop, 640);
    EXPECT_EQ(layout.pictureTop, 600);
}

TEST(PPMAreaLayout, EveryWidthAndGapDoublesAtScaleTwo)
{
    const PPMAreaLayout one = ComputePPMAreaLayout(CKWRect(705, 592, 1009, 709), 1.0f);
    const PPMAreaLayout two = ComputePPMAreaLayout(ComputeMainFrameLayout(2020, 1420, 2.0f).ppmArea, 2.0f);
    EXPECT_EQ(one.pixelCountValue.Width(), 90);
    EXPECT_EQ(two.pixelCountValue.Width(), 180) << "a centred count would stand off its caption";
    EXPECT_EQ(one.display.densityValue.Width(), 90);
    EXPECT_EQ(two.display.densityValue.Width(), 180);
    EXPECT_EQ(one.densityCaptionTop - one.pixelCountValue.bottom, 3);
    EXPECT_EQ(two.densityCaptionTop - two.pixelCountValue.bottom, 6);
    EXPECT_EQ(one.display.densityCaption.top - one.pixelCountValue.bottom, 5);
    EXPECT_EQ(two.display.densityCaption.top - two.pixelCountValue.bottom, 10);
}

TEST(PPMAreaLayout, StandardRelayoutPutsTheCaptionTwoPixelsHigherAndNearerTheEdge)
{
    const PPMAreaLayout area = ComputePPMAreaLayout(CKWRect(705, 592, 1009, 709), 1.0f);
    const PPMDisplayLayout again
        = ComputeStandardPPMLayout(area.areaLeft, area.densityCaptionTop, area.pictureTop, 1.0f);
    EXPECT_TRUE(SameRect(again.densityCaption, { 713, 640, 865, 660 }));
    EXPECT_TRUE(SameRect(again.densityValue, { 715, 663, 805, 683 }));
    EXPECT_TRUE(SameRect(again.unitCaption, { 806, 668, 846, 683 }));
    EXPECT_TRUE(SameRect(again.picture, { 851, 600, 951, 700 }));
    EXPECT_TRUE(SameRect(again.explainButton, { 735, 683, 855, 707 }));
}

TEST(PPMAreaLayout, FixedLayoutForTheWallMount)
{
    const PPMDisplayLayout one = ComputeFixedPPMLayout(1.0f);
    EXPECT_TRUE(SameRect(one.densityCaption, { 810, 457, 962, 477 }));
    EXPECT_TRUE(SameRect(one.densityValue, { 810, 482, 895, 502 }));
    EXPECT_TRUE(SameRect(one.unitCaption, { 896, 487, 951, 507 }));
    EXPECT_TRUE(SameRect(one.explainButton, { 815, 512, 945, 536 }));
    EXPECT_TRUE(SameRect(one.picture, { 835, 546, 935, 646 }));

    // Inside the 10-pixel shadow margin everything doubles.
    const PPMDisplayLayout two = ComputeFixedPPMLayout(2.0f);
    const auto doubled = [](const CKWRect& r) {
        return ExpectedRect { 10 + 2 * (r.left - 10), 10 + 2 * (r.top - 10), 10 + 2 * (r.right - 10),
            10 + 2 * (r.bottom - 10) };
    };
    EXPECT_TRUE(SameRect(two.densityCaption, doubled(one.densityCaption)));
    EXPECT_TRUE(SameRect(two.densityValue, doubled(one.densityValue)));
    EXPECT_TRUE(SameRect(two.unitCaption, doubled(one.unitCaption)));
    EXPECT_TRUE(SameRect(two.explainButton, doubled(one.explainButton)));
    EXPECT_TRUE(SameRect(two.picture, doubled(one.picture)));
}

TEST(PpmPicture, ChosenByDensityThresholds)
{
    const struct {
        int value;
        bool metric;
        const wchar_t* picture;
    } rows[] = {
        { 251, true, L"ppmpic250_nor100.png" },
        { 250, true, L"ppmpic125_nor100.png" },
        { 126, true, L"ppmpic125_nor100.png" },
        { 125, true, L"ppmpic63_nor100.png" },
        { 64, true, L"ppmpic63_nor100.png" },
        { 63, true, L"ppmpic25_nor100.png" },
        { 26, true, L"ppmpic25_nor100.png" },
        { 25, true, L"ppmpic15_nor.png" },
        { 0, true, L"ppmpic15_nor.png" },
        { -1, true, L"ppmpic15_nor.png" },
        { 77, false, L"ppmpic250_nor100.png" },
        { 76, false, L"ppmpic125_nor100.png" },
        { 39, false, L"ppmpic125_nor100.png" },
        { 38, false, L"ppmpic63_nor100.png" },
        { 20, false, L"ppmpic63_nor100.png" },
        { 19, false, L"ppmpic25_nor100.png" },
        { 9, false, L"ppmpic25_nor100.png" },
        { 8, false, L"ppmpic15_nor.png" },
        { -1, false, L"ppmpic15_nor.png" },
    };
    for (const auto& row : rows) {
        EXPECT_STREQ(PpmPictureFor(row.value, row.metric), row.picture)
            << row.value << (row.metric ? " PPM" : " PPF");
    }
}

TEST(PpmValueText, NegativeIsNotAvailableAndLargeNumbersAreWhole)
{
    EXPECT_EQ(PpmValueText(-1), L"N/A");
    EXPECT_EQ(PpmValueText(-2147483647 - 1), L"N/A");
    EXPECT_EQ(PpmValueText(0), L"0");
    EXPECT_EQ(PpmValueText(169), L"169");
    // Ten digits: a fixed ten-character buffer would have no room for the terminator.
    EXPECT_EQ(PpmValueText(2147483647), L"2147483647");
}

} // namespace
