#include "ui/api/KWPoint.h"
#include "ui/api/KWSize.h"

#include <gtest/gtest.h>

#include <type_traits>

static_assert(std::is_standard_layout<CKWPoint>::value && sizeof(CKWPoint) == sizeof(POINT), "POINT layout");
static_assert(std::is_standard_layout<CKWSize>::value && sizeof(CKWSize) == sizeof(SIZE), "SIZE layout");

namespace {

TEST(KWPointSize, PackedValuesCarrySignedSixteenBitHalves)
{
    struct Row {
        uint32_t packed;
        int x, y;
    };
    const Row rows[]
        = { { 0xFFFF0001u, 1, -1 }, { 0x00020003u, 3, 2 }, { 0x8000FFFFu, -1, -32768 }, { 0, 0, 0 } };
    for (const Row& row : rows) {
        EXPECT_EQ(CKWSize(static_cast<DWORD>(row.packed)), CKWSize(row.x, row.y)) << std::hex << row.packed;
        EXPECT_EQ(CKWPoint(static_cast<LPARAM>(row.packed)), CKWPoint(row.x, row.y))
            << std::hex << row.packed;
    }
    // Bits above the low 32 of a 64-bit parameter carry nothing.
    EXPECT_EQ(CKWPoint(static_cast<LPARAM>(0x7FFF12340000FFFELL)), CKWPoint(-2, 0));
}

TEST(KWPointSize, DifferenceOfTwoPointsIsASize)
{
    const CKWPoint p(10, 20);
    EXPECT_EQ(p - CKWPoint(4, 5), CKWSize(6, 15));
    EXPECT_EQ(p - CKWSize(4, 5), CKWPoint(6, 15));
    EXPECT_EQ(CKWSize(1, 2) - CKWPoint(1, 1), CKWPoint(0, 1));
    CKWPoint q(p);
    q -= CKWPoint(10, 20);
    q += CKWSize(-1, 1);
    EXPECT_EQ(q, CKWPoint(-1, 1));
}

TEST(KWPointSize, AddingToARectangleMovesIt)
{
    const CKWRect r(0, 0, 5, 5);
    EXPECT_EQ(CKWPoint(1, 2) + static_cast<const RECT*>(r), CKWRect(1, 2, 6, 7));
    EXPECT_EQ(CKWPoint(1, 2) - static_cast<const RECT*>(r), CKWRect(-1, -2, 4, 3));
    EXPECT_EQ(CKWSize(1, 2) + static_cast<const RECT*>(r), CKWRect(1, 2, 6, 7));
    EXPECT_EQ(CKWSize(1, 2) - static_cast<const RECT*>(r), CKWRect(-1, -2, 4, 3));
}

} // namespace
