#include "ui/api/KWSize.h"

#include <cstdint>

CKWSize::CKWSize(DWORD packed)
{
    cx = static_cast<int16_t>(packed & 0xFFFF);
    cy = static_cast<int16_t>(packed >> 16);
}

CKWPoint CKWSize::operator+(POINT pt) const
{
    return CKWPoint(cx + pt.x, cy + pt.y);
}

CKWPoint CKWSize::operator-(POINT pt) const
{
    return CKWPoint(cx - pt.x, cy - pt.y);
}

CKWRect CKWSize::operator+(const RECT* rect) const
{
    return CKWRect(rect) + *this;
}

CKWRect CKWSize::operator-(const RECT* rect) const
{
    return CKWRect(rect) - *this;
}
