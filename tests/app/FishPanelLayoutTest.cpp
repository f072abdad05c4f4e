// The fisheye panel's control positions at both UI scales: at 2.0 every size
// and offset of the 1.0 column is doubled before truncation, so the marker
// buttons (17s - 1) are 16 and 33 pixels square.

#include "app/calc/FishPanelLayout.h"

#include "tests/app/RectExpect.h"

#include <gtest/gtest.h>

namespace {

using L = FishPanelLayout;

struct Expected {
    const char* name;
    CKWRect (*of)(const L&);
    ExpectedRect at1;
    ExpectedRect at2;
};

TEST(FishPanelLayout, BothScaleColumns)
{
    const Expected rows[] = {
        { "title cap", [](const L& l) { return l.titleCap; }, { 0, 0, 15, 24 }, { 0, 0, 30, 48 } },
        { "title bar", [](const L& l) { return l.titleBar; }, { 15, 0, 521, 24 }, { 30, 0, 1042, 48 } },
        { "model label", [](const L& l) { return l.modelLabel; }, { 30, 30, 180, 52 }, { 60, 60, 360, 104 } },
        { "model combo", [](const L& l) { return l.modelCombo; }, { 185, 32, 319, 49 },
            { 370, 65, 638, 99 } },
        { "ceiling radio", [](const L& l) { return l.ceilingRadio; }, { 30, 69, 110, 91 },
            { 60, 139, 220, 183 } },
        { "ceiling picture", [](const L& l) { return l.ceilingPicture; }, { 110, 69, 129, 88 },
            { 220, 139, 258, 177 } },
        { "wall radio", [](const L& l) { return l.wallRadio; }, { 169, 69, 249, 91 },
            { 338, 139, 498, 183 } },
        { "wall picture", [](const L& l) { return l.wallPicture; }, { 249, 69, 268, 88 },
            { 498, 139, 536, 177 } },
        { "install label", [](const L& l) { return l.installHeight.label; }, { 30, 118, 180, 140 },
            { 60, 237, 360, 281 } },
        { "install spin", [](const L& l) { return l.installHeight.spin; }, { 185, 120, 285, 138 },
            { 370, 241, 570, 277 } },
        { "install unit", [](const L& l) { return l.installHeight.unit; }, { 290, 118, 315, 140 },
            { 580, 237, 630, 281 } },
        { "button 104", [](const L& l) { return l.installHeight.marker; }, { 315, 121, 331, 137 },
            { 630, 242, 663, 275 } },
        { "slider minimum", [](const L& l) { return l.sliderMinLabel; }, { 325, 118, 475, 140 },
            { 650, 237, 950, 281 } },
        { "slider", [](const L& l) { return l.slider; }, { 380, 120, 480, 138 }, { 760, 241, 960, 277 } },
        { "slider maximum", [](const L& l) { return l.sliderMaxLabel; }, { 485, 118, 635, 140 },
            { 970, 237, 1270, 281 } },
        { "object label", [](const L& l) { return l.objectHeight.label; }, { 30, 158, 180, 180 },
            { 60, 317, 360, 361 } },
        { "object spin", [](const L& l) { return l.objectHeight.spin; }, { 185, 160, 285, 178 },
            { 370, 321, 570, 357 } },
        { "object unit", [](const L& l) { return l.objectHeight.unit; }, { 290, 158, 315, 180 },
            { 580, 317, 630, 361 } },
        { "button 108", [](const L& l) { return l.objectHeight.marker; }, { 315, 161, 331, 177 },
            { 630, 322, 663, 355 } },
        { "distance label", [](const L& l) { return l.objectDistance.label; }, { 30, 198, 180, 220 },
            { 60, 397, 360, 441 } },
        { "distance spin", [](const L& l) { return l.objectDistance.spin; }, { 185, 200, 285, 218 },
            { 370, 401, 570, 437 } },
        { "distance unit", [](const L& l) { return l.objectDistance.unit; }, { 290, 198, 315, 220 },
            { 580, 397, 630, 441 } },
        { "button 125", [](const L& l) { return l.objectDistance.marker; }, { 315, 201, 331, 217 },
            { 630, 402, 663, 435 } },
    };
    const L at1 = ComputeFishPanelLayout(1.0f);
    const L at2 = ComputeFishPanelLayout(2.0f);
    for (const Expected& row : rows) {
        EXPECT_TRUE(SameRect(row.of(at1), row.at1)) << row.name << " at 1.0";
        EXPECT_TRUE(SameRect(row.of(at2), row.at2)) << row.name << " at 2.0";
    }
}

} // namespace
