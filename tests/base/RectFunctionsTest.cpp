#include "base/platform/KWRectFunctions.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

static std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

static bool operator==(const RECT& a, const RECT& b)
{
    return KWEqualRect(&a, &b) != FALSE;
}

namespace {

TEST(RectFunctions, MulDivRoundsHalvesAwayFromZeroAndFlagsWhatItCannotCompute)
{
    struct Row {
        int number, numerator, denominator, expected;
    };
    const Row rows[] = {
        { 1, 3, 2, 2 }, // 1.5
        { 3, 3, 2, 5 }, // 4.5
        { -1, 3, 2, -2 }, // -1.5
        { 1, 3, -2, -2 }, // sign from the denominator
        { -1, 3, -2, 2 },
        { 5, 1, 3, 2 }, // 1.67
        { 4, 1, 3, 1 }, // 1.33
        { -4, 1, 3, -1 },
        { 100000, 100000, 100000, 100000 }, // the product needs 64 bits
        { INT_MIN, 1, 1, INT_MIN },
        { INT_MIN, -1, 1, -1 }, // 2^31 does not fit
        { INT_MAX, 2, 1, -1 },
        { 7, 1, 0, -1 }, // no denominator
        { 0, 5, 7, 0 },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KWMulDiv(row.number, row.numerator, row.denominator), row.expected)
            << row.number << "*" << row.numerator << "/" << row.denominator;
    }
}

TEST(RectFunctions, SetOperationsMatchTheWindowSystem)
{
    enum Op { Intersect, Union, Subtract };
    struct Row {
        const char* name;
        Op op;
        RECT a, b, expected;
        BOOL result;
    };
    const Row rows[] = {
        { "overlap", Intersect, { 0, 0, 10, 10 }, { 5, 5, 15, 15 }, { 5, 5, 10, 10 }, TRUE },
        { "disjoint", Intersect, { 0, 0, 10, 10 }, { 20, 20, 30, 30 }, { 0, 0, 0, 0 }, FALSE },
        { "touching edges share nothing", Intersect, { 0, 0, 10, 10 }, { 10, 0, 20, 10 }, { 0, 0, 0, 0 },
            FALSE },
        { "inverted input", Intersect, { 10, 10, 0, 0 }, { 0, 0, 10, 10 }, { 0, 0, 0, 0 }, FALSE },
        { "negative coordinates", Intersect, { -10, -10, 0, 0 }, { -5, -20, 5, -5 }, { -5, -10, 0, -5 },
            TRUE },
        { "union", Union, { 0, 0, 5, 5 }, { 10, 10, 20, 20 }, { 0, 0, 20, 20 }, TRUE },
        { "union ignores empty", Union, { 0, 0, 0, 50 }, { 10, 10, 20, 20 }, { 10, 10, 20, 20 }, TRUE },
        { "union ignores inverted", Union, { 10, 10, 20, 20 }, { 50, 50, -50, -50 }, { 10, 10, 20, 20 },
            TRUE },
        { "union of empties", Union, { 0, 0, 0, 0 }, { 5, 5, 5, 9 }, { 0, 0, 0, 0 }, FALSE },
        { "top strip", Subtract, { 0, 0, 10, 10 }, { 0, 0, 10, 5 }, { 0, 5, 10, 10 }, TRUE },
        { "bottom strip reaching past", Subtract, { 0, 0, 10, 10 }, { -5, 6, 15, 20 }, { 0, 0, 10, 6 },
            TRUE },
        { "left strip", Subtract, { 0, 0, 10, 10 }, { -1, -1, 3, 11 }, { 3, 0, 10, 10 }, TRUE },
        { "right strip", Subtract, { 0, 0, 10, 10 }, { 7, 0, 10, 10 }, { 0, 0, 7, 10 }, TRUE },
        { "hole", Subtract, { 0, 0, 10, 10 }, { 2, 2, 5, 5 }, { 0, 0, 10, 10 }, TRUE },
        { "middle band", Subtract, { 0, 0, 10, 10 }, { 0, 3, 10, 6 }, { 0, 0, 10, 10 }, TRUE },
        { "corner", Subtract, { 0, 0, 10, 10 }, { 5, 5, 20, 20 }, { 0, 0, 10, 10 }, TRUE },
        { "covered", Subtract, { 0, 0, 10, 10 }, { -1, -1, 11, 11 }, { 0, 0, 0, 0 }, FALSE },
        { "empty minuend", Subtract, { 5, 5, 5, 10 }, { 0, 0, 1, 1 }, { 0, 0, 0, 0 }, FALSE },
    };
    for (const Row& row : rows) {
        RECT dst { 99, 99, 99, 99 };
        BOOL result = FALSE;
        switch (row.op) {
        case Intersect:
            result = KWIntersectRect(&dst, &row.a, &row.b);
            break;
        case Union:
            result = KWUnionRect(&dst, &row.a, &row.b);
            break;
        case Subtract:
            result = KWSubtractRect(&dst, &row.a, &row.b);
            break;
        }
        EXPECT_EQ(dst, row.expected) << row.name;
        EXPECT_EQ(result, row.result) << row.name;
    }
}

TEST(RectFunctions, PointsOnTheRightAndBottomEdgesLieOutside)
{
    const RECT r { 0, 0, 10, 10 };
    EXPECT_TRUE(KWPtInRect(&r, POINT { 0, 0 }));
    EXPECT_TRUE(KWPtInRect(&r, POINT { 9, 9 }));
    EXPECT_FALSE(KWPtInRect(&r, POINT { 10, 5 }));
    EXPECT_FALSE(KWPtInRect(&r, POINT { 5, 10 }));
    EXPECT_FALSE(KWPtInRect(&r, POINT { -1, 5 }));
    EXPECT_FALSE(KWPtInRect(nullptr, POINT { 0, 0 }));
}

TEST(RectFunctions, NullPointersAreRefused)
{
    RECT r { 1, 2, 3, 4 };
    EXPECT_EQ(KWIsRectEmpty(nullptr), TRUE);
    EXPECT_EQ(KWEqualRect(&r, nullptr), FALSE);
    EXPECT_EQ(KWIntersectRect(nullptr, &r, &r), FALSE);
    EXPECT_EQ(KWUnionRect(&r, nullptr, &r), FALSE);
    EXPECT_EQ(KWSubtractRect(&r, &r, nullptr), FALSE);
    EXPECT_EQ(KWCopyRect(&r, nullptr), FALSE);
    EXPECT_EQ(KWOffsetRect(nullptr, 1, 1), FALSE);
    EXPECT_EQ(r, (RECT { 1, 2, 3, 4 }));
}

} // namespace
