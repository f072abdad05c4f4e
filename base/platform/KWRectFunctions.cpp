#include "base/platform/KWRectFunctions.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

bool Empty(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

void Zero(RECT* r)
{
    *r = RECT { 0, 0, 0, 0 };
}

} // namespace

BOOL KWIntersectRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (dst == nullptr || a == nullptr || b == nullptr) {
        return FALSE;
    }
    const RECT r { std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
        std::min(a->bottom, b->bottom) };
    if (Empty(*a) || Empty(*b) || Empty(r)) {
        Zero(dst);
        return FALSE;
    }
    *dst = r;
    return TRUE;
}

BOOL KWUnionRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (dst == nullptr || a == nullptr || b == nullptr) {
        return FALSE;
    }
    const bool aEmpty = Empty(*a);
    const bool bEmpty = Empty(*b);
    if (aEmpty && bEmpty) {
        Zero(dst);
        return FALSE;
    }
    if (aEmpty || bEmpty) {
        *dst = aEmpty ? *b : *a;
        return TRUE;
    }
    *dst = RECT { std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
        std::max(a->bottom, b->bottom) };
    return TRUE;
}

BOOL KWSubtractRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (dst == nullptr || a == nullptr || b == nullptr) {
        return FALSE;
    }
    RECT result = *a;
    if (Empty(result)) {
        Zero(dst);
        return FALSE;
    }
    RECT common {};
    if (KWIntersectRect(&common, a, b)) {
        const bool fullWidth = common.left == result.left && common.right == result.right;
        const bool fullHeight = common.top == result.top && common.bottom == result.bottom;
        if (fullWidth && fullHeight) {
            Zero(dst);
            return FALSE;
        }
        if (fullHeight) {
            if (common.left == result.left) {
                result.left = common.right;
            } else if (common.right == result.right) {
                result.right = common.left;
            }
        } else if (fullWidth) {
            if (common.top == result.top) {
                result.top = common.bottom;
            } else if (common.bottom == result.bottom) {
                result.bottom = common.top;
            }
        }
    }
    *dst = result;
    return TRUE;
}

BOOL KWPtInRect(const RECT* rect, POINT pt)
{
    if (rect == nullptr) {
        return FALSE;
    }
    return pt.x >= rect->left && pt.x < rect->right && pt.y >= rect->top && pt.y < rect->bottom ? TRUE
                                                                                                : FALSE;
}

BOOL KWInflateRect(RECT* rect, int dx, int dy)
{
    if (rect == nullptr) {
        return FALSE;
    }
    rect->left -= dx;
    rect->top -= dy;
    rect->right += dx;
    rect->bottom += dy;
    return TRUE;
}

BOOL KWOffsetRect(RECT* rect, int dx, int dy)
{
    if (rect == nullptr) {
        return FALSE;
    }
    rect->left += dx;
    rect->top += dy;
    rect->right += dx;
    rect->bottom += dy;
    return TRUE;
}

BOOL KWIsRectEmpty(const RECT* rect)
{
    return rect == nullptr || Empty(*rect) ? TRUE : FALSE;
}

BOOL KWEqualRect(const RECT* a, const RECT* b)
{
    if (a == nullptr || b == nullptr) {
        return FALSE;
    }
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom ? TRUE
                                                                                                    : FALSE;
}

BOOL KWSetRect(RECT* rect, int left, int top, int right, int bottom)
{
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = RECT { left, top, right, bottom };
    return TRUE;
}

BOOL KWSetRectEmpty(RECT* rect)
{
    if (rect == nullptr) {
        return FALSE;
    }
    Zero(rect);
    return TRUE;
}

BOOL KWCopyRect(RECT* dst, const RECT* src)
{
    if (dst == nullptr || src == nullptr) {
        return FALSE;
    }
    *dst = *src;
    return TRUE;
}

int KWMulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0) {
        return -1;
    }
    const int64_t product = static_cast<int64_t>(number) * numerator;
    const int64_t den = denominator;
    int64_t quotient = product / den;
    const int64_t remainder = product % den;
    // Halves away from zero: compare twice the remainder with the divisor.
    const int64_t twiceRemainder = remainder < 0 ? -2 * remainder : 2 * remainder;
    const int64_t absDen = den < 0 ? -den : den;
    if (twiceRemainder >= absDen) {
        quotient += (product < 0) == (den < 0) ? 1 : -1;
    }
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) {
        return -1;
    }
    return static_cast<int>(quotient);
}
