#pragma once
// The window system's rectangle functions and MulDiv, with the same results:
// rectangles are half-open (right and bottom lie outside), a rectangle with
// right <= left or bottom <= top is empty, and every function that takes a
// pointer answers FALSE to a null one.

#include "base/platform/KWWinTypes.h"

// Intersection of a and b; when it is empty, dst becomes all zero and the
// result is FALSE.
BOOL KWIntersectRect(RECT* dst, const RECT* a, const RECT* b);
// Smallest rectangle holding a and b; an empty input is left out. FALSE (and
// dst all zero) when both are empty.
BOOL KWUnionRect(RECT* dst, const RECT* a, const RECT* b);
// a without b, which only shrinks a when b covers a whole strip along one of
// a's sides; otherwise dst = a. FALSE (and dst all zero) when nothing is left.
BOOL KWSubtractRect(RECT* dst, const RECT* a, const RECT* b);
BOOL KWPtInRect(const RECT* rect, POINT pt);
BOOL KWInflateRect(RECT* rect, int dx, int dy);
BOOL KWOffsetRect(RECT* rect, int dx, int dy);
// TRUE for a null rectangle as well.
BOOL KWIsRectEmpty(const RECT* rect);
BOOL KWEqualRect(const RECT* a, const RECT* b);
BOOL KWSetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL KWSetRectEmpty(RECT* rect);
BOOL KWCopyRect(RECT* dst, const RECT* src);

// number * numerator / denominator through a 64-bit intermediate, rounded to
// the nearest integer with halves away from zero; -1 for a zero denominator
// or a result that does not fit in 32 bits.
int KWMulDiv(int number, int numerator, int denominator);
