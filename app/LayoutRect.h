#pragma once
// The rectangle arithmetic the application's layouts share, so that every
// window places a control by its corner and size, and centres one on
// another, the same way.

#include "ui/api/KWRect.h"

// A rectangle of the given size with its top-left corner at (x, y).
inline CKWRect RectAt(int x, int y, int width, int height)
{
    return CKWRect(x, y, x + width, y + height);
}

// The top of a control of the given height centred on the reference's
// height, in integer arithmetic: an odd pixel left over goes below it.
inline int CentredTop(const CKWRect& reference, int height)
{
    return reference.top + (reference.Height() - height) / 2;
}
