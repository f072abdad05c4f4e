#pragma once
// A point over POINT with its arithmetic. Derives from POINT with nothing
// added, so a CKWPoint goes wherever a POINT or POINT* does.

#include "base/platform/KWWinTypes.h"

class CKWSize;
class CKWRect;

class CKWPoint : public POINT {
public:
    // Leaves the fields unset, like POINT.
    CKWPoint() { }
    CKWPoint(int initX, int initY)
    {
        x = initX;
        y = initY;
    }
    CKWPoint(POINT initPt)
    {
        x = initPt.x;
        y = initPt.y;
    }
    CKWPoint(SIZE initSize)
    {
        x = initSize.cx;
        y = initSize.cy;
    }
    // A packed message parameter: x in the signed low word, y in the signed
    // high word of its low 32 bits.
    explicit CKWPoint(LPARAM packed);

    void Offset(int dx, int dy)
    {
        x += dx;
        y += dy;
    }
    void Offset(POINT pt) { Offset(pt.x, pt.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }
    void SetPoint(int newX, int newY)
    {
        x = newX;
        y = newY;
    }

    bool operator==(POINT pt) const { return x == pt.x && y == pt.y; }
    bool operator!=(POINT pt) const { return !(*this == pt); }

    CKWPoint& operator+=(SIZE size)
    {
        Offset(size);
        return *this;
    }
    CKWPoint& operator-=(SIZE size)
    {
        Offset(-size.cx, -size.cy);
        return *this;
    }
    CKWPoint& operator+=(POINT pt)
    {
        Offset(pt);
        return *this;
    }
    CKWPoint& operator-=(POINT pt)
    {
        Offset(-pt.x, -pt.y);
        return *this;
    }

    CKWPoint operator+(SIZE size) const { return CKWPoint(x + size.cx, y + size.cy); }
    CKWPoint operator-(SIZE size) const { return CKWPoint(x - size.cx, y - size.cy); }
    CKWPoint operator-() const { return CKWPoint(-x, -y); }
    CKWPoint operator+(POINT pt) const { return CKWPoint(x + pt.x, y + pt.y); }
    // The distance between two points is a size.
    CKWSize operator-(POINT pt) const;

    // The rectangle moved by this point (or by its negation).
    CKWRect operator+(const RECT* rect) const;
    CKWRect operator-(const RECT* rect) const;
};

static_assert(sizeof(CKWPoint) == sizeof(POINT), "CKWPoint must keep the layout of POINT");

#include "ui/api/KWRect.h"
#include "ui/api/KWSize.h"
