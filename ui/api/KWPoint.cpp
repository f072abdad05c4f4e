#include "ui/api/KWPoint.h"

#include <cstdint>

CKWPoint::CKWPoint(LPARAM packed)
{
    // Only the low 32 bits carry the point, also where LPARAM is 64-bit.
    const uint32_t bits = static_cast<uint32_t>(packed);
    x = static_cast<int16_t>(bits & 0xFFFF);
    y = static_cast<int16_t>(bits >> 16);
}

CKWSize CKWPoint::operator-(POINT pt) const
{
    return CKWSize(x - pt.x, y - pt.y);
}

CKWRect CKWPoint::operator+(const RECT* rect) const
{
    return CKWRect(rect) + *this;
}

CKWRect CKWPoint::operator-(const RECT* rect) const
{
    return CKWRect(rect) - *this;
}
