// The message box's geometry by layout number, with the text size the label
// reports.

#include "app/MsgBoxLayout.h"

#include "tests/app/RectExpect.h"

#include <gtest/gtest.h>

namespace {

TEST(MsgBoxLayout, TextStartsBelowTheTitleBand)
{
    EXPECT_TRUE(SameRect(MsgBoxInitialTextRect(1.0f), { 20, 45, 300, 66 }));
    EXPECT_TRUE(SameRect(MsgBoxInitialTextRect(2.0f), { 40, 90, 600, 132 }));
}

TEST(MsgBoxLayout, ButtonsByLayoutNumberAtScaleOne)
{
    const struct {
        const char* name;
        int layout;
        bool showOK;
        bool showCancel;
        bool hideClose;
        ExpectedRect ok;
        ExpectedRect cancel;
        int dialogBottom;
    } rows[] = {
        { "OK alone, centred", 0, true, false, false, { 120, 85, 200, 109 }, { 0, 0, 0, 0 }, 129 },
        { "OK and Cancel 20 apart", 1, true, true, false, { 70, 85, 150, 109 }, { 170, 85, 250, 109 }, 129 },
        { "no button, 20 lower than OK alone", 5, false, false, true, { 0, 0, 0, 0 }, { 0, 0, 0, 0 }, 109 },
        { "unknown layout: nothing placed", 3, false, false, false, { 0, 0, 0, 0 }, { 0, 0, 0, 0 }, 44 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const MsgBoxLayout layout = ComputeMsgBoxLayout(row.layout, 200, 16, 1.0f);
        EXPECT_TRUE(SameRect(layout.text, { 20, 45, 220, 75 }));
        EXPECT_EQ(layout.showOK, row.showOK);
        EXPECT_EQ(layout.showCancel, row.showCancel);
        EXPECT_EQ(layout.hideClose, row.hideClose);
        if (row.showOK) {
            EXPECT_TRUE(SameRect(layout.ok, row.ok));
        }
        if (row.showCancel) {
            EXPECT_TRUE(SameRect(layout.cancel, row.cancel));
        }
        EXPECT_TRUE(SameRect(layout.dialog, { 0, 0, 320, row.dialogBottom }));
    }
}

TEST(MsgBoxLayout, TextHeightFollowsTheTextAboveAThirtyPixelFloor)
{
    // Two lines of text push the button down.
    const MsgBoxLayout tall = ComputeMsgBoxLayout(0, 250, 40, 1.0f);
    EXPECT_TRUE(SameRect(tall.text, { 20, 45, 270, 95 }));
    EXPECT_TRUE(SameRect(tall.ok, { 120, 105, 200, 129 }));
    // The floor is 30 pixels at 1.0 and grows with the scale.
    EXPECT_EQ(ComputeMsgBoxLayout(0, 0, 0, 1.0f).text.Height(), 30);
    EXPECT_EQ(ComputeMsgBoxLayout(0, 0, 0, 2.0f).text.Height(), 60);
}

} // namespace
