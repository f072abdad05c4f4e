#pragma once
// Comparing a rectangle with its expected (left, top, right, bottom), with
// both shown when they differ.

#include "ui/api/KWRect.h"

#include <gtest/gtest.h>

struct ExpectedRect {
    int l, t, r, b;
};

inline ::testing::AssertionResult SameRect(const RECT& actual, ExpectedRect expected)
{
    if (actual.left == expected.l && actual.top == expected.t && actual.right == expected.r
        && actual.bottom == expected.b) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "(" << actual.left << ", " << actual.top << ", " << actual.right
                                         << ", " << actual.bottom << ") instead of (" << expected.l << ", "
                                         << expected.t << ", " << expected.r << ", " << expected.b << ")";
}
