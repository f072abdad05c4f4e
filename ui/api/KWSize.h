#pragma once
// A size over SIZE with its arithmetic. Derives from SIZE with nothing added,
// so a CKWSize goes wherever a SIZE or SIZE* does.

#include "base/platform/KWWinTypes.h"

class CKWPoint;
class CKWRect;

class CKWSize : public SIZE {
public:
    // Leaves the fields unset, like SIZE.
    CKWSize() { }
    CKWSize(int initCX, int initCY)
    {
        cx = initCX;
        cy = initCY;
    }
    CKWSize(SIZE initSize)
    {
        cx = initSize.cx;
        cy = initSize.cy;
    }
    CKWSize(POINT initPt)
    {
        cx = initPt.x;
        cy = initPt.y;
    }
    // A packed value: cx in the signed low word, cy in the signed high word.
    explicit CKWSize(DWORD packed);

    void SetSize(int newCX, int newCY)
    {
        cx = newCX;
        cy = newCY;
    }

    bool operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(SIZE size) const { return !(*this == size); }

    CKWSize& operator+=(SIZE size)
    {
        cx += size.cx;
        cy += size.cy;
        return *this;
    }
    CKWSize& operator-=(SIZE size)
    {
        cx -= size.cx;
        cy -= size.cy;
        return *this;
    }

    CKWSize operator+(SIZE size) const { return CKWSize(cx + size.cx, cy + size.cy); }
    CKWSize operator-(SIZE size) const { return CKWSize(cx - size.cx, cy - size.cy); }
    CKWSize operator-() const { return CKWSize(-cx, -cy); }

    CKWPoint operator+(POINT pt) const;
    CKWPoint operator-(POINT pt) const;

    // The rectangle moved by (cx, cy) (or by its negation).
    CKWRect operator+(const RECT* rect) const;
    CKWRect operator-(const RECT* rect) const;
};

static_assert(sizeof(CKWSize) == sizeof(SIZE), "CKWSize must keep the layout of SIZE");

#include "ui/api/KWPoint.h"
#include "ui/api/KWRect.h"
