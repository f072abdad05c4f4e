#include "ui/api/KWRect.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <type_traits>

static_assert(std::is_standard_layout<CKWRect>::value, "CKWRect must stay a plain RECT");
static_assert(offsetof(CKWRect, bottom) == offsetof(RECT, bottom), "CKWRect must keep the layout of RECT");
static_assert(!std::is_polymorphic<CKWRect>::value, "a vtable would break the RECT layout");

static std::ostream& operator<<(std::ostream& os, const CKWRect& r)
{
    return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

TEST(KWRect, NormalizeSwapsReversedSides)
{
    CKWRect r(10, 10, 0, 0);
    r.NormalizeRect();
    EXPECT_EQ(r, CKWRect(0, 0, 10, 10));
    CKWRect half(-5, 20, 5, 10);
    half.NormalizeRect();
    EXPECT_EQ(half, CKWRect(-5, 10, 5, 20));
}

TEST(KWRect, MulDivScalesEveryFieldWithRounding)
{
    EXPECT_EQ(CKWRect(1, 1, 3, 3).MulDiv(3, 2), CKWRect(2, 2, 5, 5));
    EXPECT_EQ(CKWRect(-1, -3, 3, 3).MulDiv(3, 2), CKWRect(-2, -5, 5, 5));
    EXPECT_EQ(CKWRect(1, 2, 3, 4).MulDiv(3, 0), CKWRect(-1, -1, -1, -1));
    EXPECT_EQ(CKWRect(0, 0, 0x40000000, 4).MulDiv(4, 1), CKWRect(0, 0, -1, 16))
        << "overflow flags only that field";
}

TEST(KWRect, CornersAreWritableViewsOfTheFields)
{
    CKWRect r(1, 2, 3, 4);
    r.TopLeft() = CKWPoint(-7, -8);
    r.BottomRight().x = 30;
    EXPECT_EQ(r, CKWRect(-7, -8, 30, 4));
    EXPECT_EQ(&r.TopLeft().y, &r.top);
    EXPECT_EQ(&r.BottomRight().y, &r.bottom);
}

TEST(KWRect, MeasuresTruncateTowardZero)
{
    const CKWRect r(-3, -3, 0, 4);
    EXPECT_EQ(r.Width(), 3);
    EXPECT_EQ(r.Height(), 7);
    EXPECT_EQ(r.Size(), CKWSize(3, 7));
    EXPECT_EQ(r.CenterPoint(), CKWPoint(-1, 0));
    EXPECT_EQ(CKWRect(0, 0, 10, 10).CenterPoint(), CKWPoint(5, 5));
}

TEST(KWRect, EmptyIsNotTheSameAsNull)
{
    EXPECT_TRUE(CKWRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_FALSE(CKWRect(5, 5, 5, 10).IsRectNull());
    EXPECT_TRUE(CKWRect(0, 0, 0, 0).IsRectNull());
    EXPECT_FALSE(CKWRect(-10, -10, -9, -9).IsRectEmpty());
    EXPECT_FALSE(CKWRect(0, 0, 10, 10).PtInRect(CKWPoint(10, 5)));
}

TEST(KWRect, InflateAndDeflateInAllForms)
{
    const RECT sides { 1, 2, 3, 4 };
    struct Row {
        const char* name;
        CKWRect result;
        CKWRect expected;
    };
    CKWRect a(10, 10, 20, 20), b(a), c(a), d(a), e(a), f(a), g(a), h(a);
    a.InflateRect(1, 2);
    b.InflateRect(CKWSize(1, 2));
    c.InflateRect(&sides);
    d.InflateRect(1, 2, 3, 4);
    e.DeflateRect(1, 2);
    f.DeflateRect(CKWSize(1, 2));
    g.DeflateRect(&sides);
    h.DeflateRect(1, 2, 3, 4);
    const Row rows[] = {
        { "inflate xy", a, { 9, 8, 21, 22 } },
        { "inflate size", b, { 9, 8, 21, 22 } },
        { "inflate rect", c, { 9, 8, 23, 24 } },
        { "inflate sides", d, { 9, 8, 23, 24 } },
        { "deflate xy", e, { 11, 12, 19, 18 } },
        { "deflate size", f, { 11, 12, 19, 18 } },
        { "deflate rect", g, { 11, 12, 17, 16 } },
        { "deflate sides", h, { 11, 12, 17, 16 } },
        { "+ rect inflates", CKWRect(10, 10, 20, 20) + &sides, { 9, 8, 23, 24 } },
        { "- rect deflates", CKWRect(10, 10, 20, 20) - &sides, { 11, 12, 17, 16 } },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.result, row.expected) << row.name;
    }
}

TEST(KWRect, MovesKeepTheSize)
{
    CKWRect r(10, 20, 15, 30);
    r.MoveToXY(-1, -2);
    EXPECT_EQ(r, CKWRect(-1, -2, 4, 8));
    r.MoveToX(0);
    r.MoveToY(100);
    EXPECT_EQ(r, CKWRect(0, 100, 5, 110));
    r.MoveToXY(CKWPoint(1, 1));
    EXPECT_EQ(r, CKWRect(1, 1, 6, 11));
    r.OffsetRect(CKWSize(2, 3));
    EXPECT_EQ(r, CKWRect(3, 4, 8, 14));
    EXPECT_EQ(r + CKWPoint(1, 1), CKWRect(4, 5, 9, 15));
    EXPECT_EQ(r - CKWSize(3, 4), CKWRect(0, 0, 5, 10));
    r -= CKWPoint(3, 4);
    EXPECT_EQ(r, CKWRect(0, 0, 5, 10));
    r.SwapLeftRight();
    EXPECT_EQ(r, CKWRect(5, 0, 0, 10));
}

TEST(KWRect, SetOperatorsFollowTheRectangleFunctions)
{
    const CKWRect a(0, 0, 10, 10);
    EXPECT_EQ(a & CKWRect(5, 5, 20, 20), CKWRect(5, 5, 10, 10));
    EXPECT_EQ(a & CKWRect(20, 20, 30, 30), CKWRect(0, 0, 0, 0));
    EXPECT_EQ(a | CKWRect(20, 20, 30, 30), CKWRect(0, 0, 30, 30));
    EXPECT_EQ(a | CKWRect(50, 50, 50, 50), a) << "an empty rectangle adds nothing to a union";

    CKWRect r(a);
    r &= r;
    EXPECT_EQ(r, a);
    r |= CKWRect(-5, -5, 0, 0);
    EXPECT_EQ(r, CKWRect(-5, -5, 10, 10));

    CKWRect s(1, 1, 1, 1);
    EXPECT_EQ(s.SubtractRect(&a, CKWRect(0, 0, 10, 5)), TRUE);
    EXPECT_EQ(s, CKWRect(0, 5, 10, 10));
    EXPECT_EQ(s.IntersectRect(&a, CKWRect(10, 0, 20, 10)), FALSE);
    EXPECT_TRUE(s.IsRectNull());
}

TEST(KWRect, ConstructionAndCopying)
{
    const RECT raw { 1, 2, 3, 4 };
    EXPECT_EQ(CKWRect(&raw), CKWRect(1, 2, 3, 4));
    EXPECT_TRUE(CKWRect(static_cast<const RECT*>(nullptr)).IsRectNull());
    EXPECT_EQ(CKWRect(CKWPoint(1, 2), CKWSize(10, 20)), CKWRect(1, 2, 11, 22));
    EXPECT_EQ(CKWRect(CKWPoint(1, 2), CKWPoint(10, 20)), CKWRect(1, 2, 10, 20));

    CKWRect r;
    r = raw;
    EXPECT_TRUE(r.EqualRect(&raw));
    r.SetRect(CKWPoint(0, 0), CKWPoint(5, 5));
    EXPECT_NE(r, raw);
    r.CopyRect(&raw);
    EXPECT_EQ(r, raw);
    r.SetRectEmpty();
    EXPECT_TRUE(r.IsRectNull());

    // Passing a CKWRect where a RECT* is expected hands over the object itself.
    RECT* asPointer = r;
    EXPECT_EQ(asPointer, static_cast<RECT*>(&r));
}

} // namespace
