#include "ui/api/KWRect.h"

#include "base/platform/KWRectFunctions.h"

#include <cstddef>
#include <utility>

// TopLeft and BottomRight alias the fields as points, which holds only while
// both layouts stay two 32-bit fields in a row.
static_assert(offsetof(RECT, top) == offsetof(RECT, left) + sizeof(LONG), "RECT fields must be contiguous");
static_assert(
    offsetof(RECT, bottom) == offsetof(RECT, right) + sizeof(LONG), "RECT fields must be contiguous");
static_assert(offsetof(POINT, y) == offsetof(POINT, x) + sizeof(LONG), "POINT fields must be contiguous");
static_assert(sizeof(CKWPoint) == 2 * sizeof(LONG), "CKWPoint must be two LONGs");

CKWRect::CKWRect(const RECT* src)
{
    if (src != nullptr) {
        *this = *src;
    } else {
        SetRectEmpty();
    }
}

CKWRect::CKWRect(POINT topLeft, SIZE size)
{
    left = topLeft.x;
    top = topLeft.y;
    right = topLeft.x + size.cx;
    bottom = topLeft.y + size.cy;
}

CKWRect::CKWRect(POINT topLeft, POINT bottomRight)
{
    left = topLeft.x;
    top = topLeft.y;
    right = bottomRight.x;
    bottom = bottomRight.y;
}

CKWSize CKWRect::Size() const
{
    return CKWSize(right - left, bottom - top);
}

CKWPoint& CKWRect::TopLeft()
{
    return *reinterpret_cast<CKWPoint*>(&left);
}

CKWPoint& CKWRect::BottomRight()
{
    return *reinterpret_cast<CKWPoint*>(&right);
}

const CKWPoint& CKWRect::TopLeft() const
{
    return *reinterpret_cast<const CKWPoint*>(&left);
}

const CKWPoint& CKWRect::BottomRight() const
{
    return *reinterpret_cast<const CKWPoint*>(&right);
}

CKWPoint CKWRect::CenterPoint() const
{
    return CKWPoint((left + right) / 2, (top + bottom) / 2);
}

void CKWRect::SwapLeftRight(RECT* rect)
{
    if (rect != nullptr) {
        std::swap(rect->left, rect->right);
    }
}

BOOL CKWRect::IsRectEmpty() const
{
    return KWIsRectEmpty(this);
}

BOOL CKWRect::IsRectNull() const
{
    return left == 0 && top == 0 && right == 0 && bottom == 0 ? TRUE : FALSE;
}

BOOL CKWRect::PtInRect(POINT point) const
{
    return KWPtInRect(this, point);
}

void CKWRect::SetRect(int x1, int y1, int x2, int y2)
{
    KWSetRect(this, x1, y1, x2, y2);
}

void CKWRect::SetRect(POINT topLeft, POINT bottomRight)
{
    KWSetRect(this, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

void CKWRect::SetRectEmpty()
{
    KWSetRectEmpty(this);
}

void CKWRect::CopyRect(const RECT* src)
{
    KWCopyRect(this, src);
}

BOOL CKWRect::EqualRect(const RECT* rect) const
{
    return KWEqualRect(this, rect);
}

void CKWRect::InflateRect(int x, int y)
{
    KWInflateRect(this, x, y);
}

void CKWRect::InflateRect(SIZE size)
{
    KWInflateRect(this, size.cx, size.cy);
}

void CKWRect::InflateRect(const RECT* rect)
{
    if (rect != nullptr) {
        InflateRect(rect->left, rect->top, rect->right, rect->bottom);
    }
}

void CKWRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CKWRect::DeflateRect(int x, int y)
{
    KWInflateRect(this, -x, -y);
}

void CKWRect::DeflateRect(SIZE size)
{
    KWInflateRect(this, -size.cx, -size.cy);
}

void CKWRect::DeflateRect(const RECT* rect)
{
    if (rect != nullptr) {
        DeflateRect(rect->left, rect->top, rect->right, rect->bottom);
    }
}

void CKWRect::DeflateRect(int l, int t, int r, int b)
{
    left += l;
    top += t;
    right -= r;
    bottom -= b;
}

void CKWRect::OffsetRect(int x, int y)
{
    KWOffsetRect(this, x, y);
}

void CKWRect::OffsetRect(POINT point)
{
    KWOffsetRect(this, point.x, point.y);
}

void CKWRect::OffsetRect(SIZE size)
{
    KWOffsetRect(this, size.cx, size.cy);
}

void CKWRect::MoveToY(int y)
{
    bottom = Height() + y;
    top = y;
}

void CKWRect::MoveToX(int x)
{
    right = Width() + x;
    left = x;
}

void CKWRect::MoveToXY(int x, int y)
{
    MoveToX(x);
    MoveToY(y);
}

void CKWRect::MoveToXY(POINT point)
{
    MoveToXY(point.x, point.y);
}

void CKWRect::NormalizeRect()
{
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
}

BOOL CKWRect::IntersectRect(const RECT* a, const RECT* b)
{
    return KWIntersectRect(this, a, b);
}

BOOL CKWRect::UnionRect(const RECT* a, const RECT* b)
{
    return KWUnionRect(this, a, b);
}

BOOL CKWRect::SubtractRect(const RECT* a, const RECT* b)
{
    return KWSubtractRect(this, a, b);
}

CKWRect CKWRect::MulDiv(int num, int den) const
{
    return CKWRect(KWMulDiv(left, num, den), KWMulDiv(top, num, den), KWMulDiv(right, num, den),
        KWMulDiv(bottom, num, den));
}

CKWRect& CKWRect::operator=(const RECT& src)
{
    KWCopyRect(this, &src);
    return *this;
}

bool CKWRect::operator==(const RECT& rect) const
{
    return KWEqualRect(this, &rect) != FALSE;
}

bool CKWRect::operator!=(const RECT& rect) const
{
    return !(*this == rect);
}

CKWRect& CKWRect::operator+=(POINT point)
{
    OffsetRect(point);
    return *this;
}

CKWRect& CKWRect::operator+=(SIZE size)
{
    OffsetRect(size);
    return *this;
}

CKWRect& CKWRect::operator+=(const RECT* rect)
{
    InflateRect(rect);
    return *this;
}

CKWRect& CKWRect::operator-=(POINT point)
{
    OffsetRect(-point.x, -point.y);
    return *this;
}

CKWRect& CKWRect::operator-=(SIZE size)
{
    OffsetRect(-size.cx, -size.cy);
    return *this;
}

CKWRect& CKWRect::operator-=(const RECT* rect)
{
    DeflateRect(rect);
    return *this;
}

CKWRect& CKWRect::operator&=(const RECT& rect)
{
    // Copy first: rect may be this very object.
    const CKWRect self(*this);
    KWIntersectRect(this, &self, &rect);
    return *this;
}

CKWRect& CKWRect::operator|=(const RECT& rect)
{
    const CKWRect self(*this);
    KWUnionRect(this, &self, &rect);
    return *this;
}

CKWRect CKWRect::operator+(POINT point) const
{
    CKWRect r(*this);
    r += point;
    return r;
}

CKWRect CKWRect::operator-(POINT point) const
{
    CKWRect r(*this);
    r -= point;
    return r;
}

CKWRect CKWRect::operator+(SIZE size) const
{
    CKWRect r(*this);
    r += size;
    return r;
}

CKWRect CKWRect::operator-(SIZE size) const
{
    CKWRect r(*this);
    r -= size;
    return r;
}

CKWRect CKWRect::operator+(const RECT* rect) const
{
    CKWRect r(*this);
    r += rect;
    return r;
}

CKWRect CKWRect::operator-(const RECT* rect) const
{
    CKWRect r(*this);
    r -= rect;
    return r;
}

CKWRect CKWRect::operator&(const RECT& rect) const
{
    CKWRect r;
    KWIntersectRect(&r, this, &rect);
    return r;
}

CKWRect CKWRect::operator|(const RECT& rect) const
{
    CKWRect r;
    KWUnionRect(&r, this, &rect);
    return r;
}
