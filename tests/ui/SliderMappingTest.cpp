#include "ui/qt/KWSliderMapping.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

TEST(SliderMapping, ValueFromPositionClampsToTheHandleTravelAndRoundsHalfUp)
{
    struct Row {
        const char* what;
        int p, length, handle, minimum, maximum;
        int expected;
    };
    const Row rows[] = {
        { "left of the travel", -20, 100, 16, 0, 100, 0 },
        { "start of the travel", 8, 100, 16, 0, 100, 0 },
        { "middle", 50, 100, 16, 0, 100, 50 },
        { "end of the travel", 92, 100, 16, 0, 100, 100 },
        { "right of the travel", 99, 100, 16, 0, 100, 100 },
        { "1.19 rounds down", 9, 100, 16, 0, 100, 1 },
        { "exactly half rounds up", 9, 20, 16, 0, 2, 1 },
        { "1.5 rounds up", 11, 20, 16, 0, 2, 2 },
        { "offset by the minimum", 50, 100, 16, 50, 10000, 5025 },
        { "negative exact value stays", 9, 20, 16, -10, 10, -5 },
        { "negative minimum is reachable", 8, 20, 16, -10, 10, -10 },
        { "negative half rounds up", 9, 36, 16, -10, 0, -9 },
        { "odd handle overshoots and is capped", 93, 100, 15, 0, 100, 100 },
        { "widest range, start", 0, 100, 16, INT_MIN, INT_MAX, INT_MIN },
        { "widest range, end", 100, 100, 16, INT_MIN, INT_MAX, INT_MAX },
        // The guarded cases: no division by zero, no undefined conversion.
        { "empty range", 50, 100, 16, 5, 5, 5 },
        { "inverted range gives the maximum", 50, 100, 16, 10, 5, 5 },
        { "slider as long as its handle", 12, 16, 16, 0, 100, 0 },
        { "slider shorter than its handle", 12, 10, 16, 20, 100, 20 },
        { "slider of no length", 0, 0, 16, 20, 100, 20 },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KWSliderValueFromPos(row.p, row.length, row.handle, row.minimum, row.maximum), row.expected)
            << row.what;
    }
}

TEST(SliderMapping, FractionIsClampedAndDefinedOnTinySliders)
{
    struct Row {
        int p, length;
        float expected;
    };
    const Row rows[] = {
        { 0, 100, 0.0f },
        { 99, 100, 1.0f },
        { 50, 101, 0.5f },
        { -5, 100, 0.0f },
        { 150, 100, 1.0f },
        { 0, 1, 0.0f },
        { 7, 1, 0.0f },
        { 3, 0, 0.0f },
        { 3, -4, 0.0f },
    };
    for (const Row& row : rows) {
        const float f = KWSliderFraction(row.p, row.length);
        EXPECT_TRUE(std::isfinite(f)) << row.p << " of " << row.length;
        EXPECT_FLOAT_EQ(f, row.expected) << row.p << " of " << row.length;
    }
}

TEST(SliderMapping, HandleCentreSpansTheTravel)
{
    EXPECT_EQ(KWSliderHandleCentre(0, 0, 100, 100, 16), 8);
    EXPECT_EQ(KWSliderHandleCentre(50, 0, 100, 100, 16), 50);
    EXPECT_EQ(KWSliderHandleCentre(100, 0, 100, 100, 16), 92);
    EXPECT_EQ(KWSliderHandleCentre(5025, 50, 10000, 100, 16), 50);
    EXPECT_EQ(KWSliderHandleCentre(5, 5, 5, 100, 16), 84);
}

TEST(SliderMapping, TooltipTextPerMode)
{
    struct Row {
        const char* what;
        int mode;
        bool reversed;
        int value, minimum, maximum, start, end;
        float f;
        const char* expected;
    };
    const Row rows[] = {
        { "percent", 0, false, 30, 0, 100, 0, 0, 0.0f, "30%" },
        { "percent reversed", 0, true, 30, 0, 100, 0, 0, 0.0f, "70%" },
        { "percent truncated", 0, false, 2, 0, 300, 0, 0, 0.0f, "0%" },
        { "percent ignores the minimum", 0, false, 5025, 50, 10000, 0, 0, 0.0f, "50%" },
        { "percent of an empty range: none", 0, false, 5, 5, 5, 0, 0, 0.0f, "" },
        { "hundredths", 1, false, 300, 50, 10000, 0, 0, 0.0f, "3" },
        { "hundredths with decimals", 1, false, 1234, 50, 10000, 0, 0, 0.0f, "12.34" },
        { "time at the right end", 2, false, 0, 0, 100, 0, 86399, 1.0f, "23:59:59" },
        { "time at the left end", 2, false, 0, 0, 100, 0, 86399, 0.0f, "00:00:00" },
        { "time in the middle", 2, false, 0, 0, 100, 0, 86399, 0.5f, "11:59:59" },
        { "time from a start", 2, false, 0, 0, 100, 3600, 7200, 0.25f, "01:15:00" },
        { "unknown mode: none", 3, false, 30, 0, 100, 0, 0, 0.0f, "" },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KWSliderTooltipText(
                      row.mode, row.reversed, row.value, row.minimum, row.maximum, row.start, row.end, row.f),
            QString::fromLatin1(row.expected))
            << row.what;
    }
}

} // namespace
