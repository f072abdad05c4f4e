#pragma once
// A rectangle over RECT with the window system's rectangle semantics: right and
// bottom lie outside (a point is inside when left <= x < right and
// top <= y < bottom), and a rectangle with right <= left or bottom <= top is
// empty. Derives from RECT with nothing added, so a CKWRect goes wherever a
// RECT or RECT* does.

#include "base/platform/KWWinTypes.h"

#include <cstddef>

class CKWPoint;
class CKWSize;

class CKWRect : public RECT {
public:
    // Leaves the fields unset, like RECT.
    CKWRect() { }
    CKWRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    CKWRect(const RECT& src)
    {
        left = src.left;
        top = src.top;
        right = src.right;
        bottom = src.bottom;
    }
    CKWRect(const RECT* src);
    CKWRect(POINT topLeft, SIZE size);
    CKWRect(POINT topLeft, POINT bottomRight);

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CKWSize Size() const;
    // Views of the two corners: writing through them moves left/top or
    // right/bottom.
    CKWPoint& TopLeft();
    CKWPoint& BottomRight();
    const CKWPoint& TopLeft() const;
    const CKWPoint& BottomRight() const;
    // Truncates toward zero.
    CKWPoint CenterPoint() const;
    void SwapLeftRight() { SwapLeftRight(this); }
    static void SwapLeftRight(RECT* rect);

    operator RECT*() { return this; }
    operator const RECT*() const { return this; }

    BOOL IsRectEmpty() const;
    // All four fields are zero.
    BOOL IsRectNull() const;
    BOOL PtInRect(POINT point) const;

    void SetRect(int x1, int y1, int x2, int y2);
    void SetRect(POINT topLeft, POINT bottomRight);
    void SetRectEmpty();
    void CopyRect(const RECT* src);
    BOOL EqualRect(const RECT* rect) const;

    // Moves each side outward (Inflate) or inward (Deflate). The RECT forms
    // take a separate amount per side.
    void InflateRect(int x, int y);
    void InflateRect(SIZE size);
    void InflateRect(const RECT* rect);
    void InflateRect(int l, int t, int r, int b);
    void DeflateRect(int x, int y);
    void DeflateRect(SIZE size);
    void DeflateRect(const RECT* rect);
    void DeflateRect(int l, int t, int r, int b);

    void OffsetRect(int x, int y);
    void OffsetRect(POINT point);
    void OffsetRect(SIZE size);
    // Move keeping width and height.
    void MoveToY(int y);
    void MoveToX(int x);
    void MoveToXY(int x, int y);
    void MoveToXY(POINT point);
    // Swaps left/right and top/bottom where they are reversed.
    void NormalizeRect();

    // Each returns 0 when the result is empty; an empty intersection, union
    // or difference leaves all four fields zero.
    BOOL IntersectRect(const RECT* a, const RECT* b);
    // Empty inputs are left out.
    BOOL UnionRect(const RECT* a, const RECT* b);
    // a, shrunk only when b covers a whole strip along one of its sides.
    BOOL SubtractRect(const RECT* a, const RECT* b);

    // Each field scaled by num / den, rounded halves away from zero; a field
    // whose result cannot be computed (den 0, overflow) becomes -1.
    CKWRect MulDiv(int num, int den) const;

    CKWRect& operator=(const RECT& src);
    bool operator==(const RECT& rect) const;
    bool operator!=(const RECT& rect) const;
    CKWRect& operator+=(POINT point);
    CKWRect& operator+=(SIZE size);
    // Inflates by the four fields of rect.
    CKWRect& operator+=(const RECT* rect);
    CKWRect& operator-=(POINT point);
    CKWRect& operator-=(SIZE size);
    // Deflates by the four fields of rect.
    CKWRect& operator-=(const RECT* rect);
    CKWRect& operator&=(const RECT& rect);
    CKWRect& operator|=(const RECT& rect);

    CKWRect operator+(POINT point) const;
    CKWRect operator-(POINT point) const;
    CKWRect operator+(SIZE size) const;
    CKWRect operator-(SIZE size) const;
    CKWRect operator+(const RECT* rect) const;
    CKWRect operator-(const RECT* rect) const;
    CKWRect operator&(const RECT& rect) const;
    CKWRect operator|(const RECT& rect) const;
};

static_assert(sizeof(CKWRect) == sizeof(RECT), "CKWRect must keep the layout of RECT");

#include "ui/api/KWPoint.h"
#include "ui/api/KWSize.h"
