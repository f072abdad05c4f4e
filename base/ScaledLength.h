#pragma once
// Design lengths become whole pixels by truncation toward zero, never by
// rounding: every layout of the program computes its rectangles this way, and
// two that rounded differently would leave one-pixel seams between controls.

#include "base/Globals.h"

// A length already multiplied out, cut to whole pixels.
inline int Trunc(double value)
{
    return static_cast<int>(value);
}

// A design length at the current UI scale, cut to whole pixels.
inline int Scaled(double value)
{
    return static_cast<int>(value * g_uiScale);
}
