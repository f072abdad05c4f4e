// The pixel-density explanation dialog's grid and texts.

#include "app/PPMExplainLayout.h"

#include "tests/app/RectExpect.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PPMExplainLayout, TwoByTwoGridInTheDesignSize)
{
    const PPMExplainLayout layout = ComputePPMExplainLayout(794, 494, 1.0f);
    EXPECT_TRUE(SameRect(layout.close, { 752, 20, 771, 39 }));
    const ExpectedRect pictures[]
        = { { 30, 50, 180, 210 }, { 431, 50, 581, 210 }, { 30, 244, 180, 404 }, { 431, 244, 581, 404 } };
    for (int row = 0; row < kPPMExplainRowCount; ++row) {
        SCOPED_TRACE(row);
        EXPECT_TRUE(SameRect(layout.picture[row], pictures[row]));
        // Titles 16 right of their picture and 10 below its top; descriptions 10 below the title.
        EXPECT_EQ(layout.title[row].left, layout.picture[row].right + 16);
        EXPECT_EQ(layout.title[row].top, layout.picture[row].top + 10);
        EXPECT_EQ(layout.description[row].left, layout.title[row].left);
        EXPECT_EQ(layout.description[row].top, layout.title[row].bottom + 10);
        EXPECT_EQ(layout.description[row].Width(), 155);
        EXPECT_EQ(layout.description[row].Height(), 145);
    }
    EXPECT_TRUE(SameRect(layout.ok, { 684, 439, 764, 463 }));
}

TEST(PPMExplainTexts, TitlesInMetresOrFeetAndTheSecondDescriptionAfterRetranslation)
{
    const struct {
        const wchar_t* metric;
        const wchar_t* feet;
        const wchar_t* picture;
    } rows[] = {
        { L"Base real monitor 25PPM", L"Base real monitor 8PPF", L"25ppm_nor.png" },
        { L"Object sense 63PPM", L"Object sense 19PPF", L"63ppm_nor.png" },
        { L"Object discriminate 125PPM", L"Object discriminate 38PPF", L"125ppm_nor.png" },
        { L"Distinguish details 250PPM", L"Distinguish details 76PPF", L"250ppm_nor.png" },
    };
    for (int row = 0; row < kPPMExplainRowCount; ++row) {
        EXPECT_STREQ(PPMExplainTitleKey(row, true), rows[row].metric);
        EXPECT_STREQ(PPMExplainTitleKey(row, false), rows[row].feet);
        EXPECT_STREQ(PPMExplainPicture(row), rows[row].picture);
        if (row != 1) {
            EXPECT_STREQ(PPMExplainDescriptionKey(row, false), PPMExplainDescriptionKey(row, true));
        }
    }
    EXPECT_STREQ(PPMExplainDescriptionKey(1, false), L"Intelligent detection, plate number detection.");
    EXPECT_STREQ(PPMExplainDescriptionKey(1, true), L"Face detection, plate number detection.");
    EXPECT_STREQ(PPMExplainTitleKey(4, true), L"");
    EXPECT_STREQ(PPMExplainDescriptionKey(-1, false), L"");
}

} // namespace
