#pragma once
// The skinned slider's arithmetic, kept out of the widget so that it can be
// checked without a window: pointer position to value and to fraction, the
// handle's place for painting, and the tooltip's text.
//
// Every division here has a zero case that the widget can reach (a slider as
// long as its handle, a slider one pixel wide, an empty range); each one gives
// a defined answer instead of an undefined float turned into an int.

#include <QString>

// The value under pointer position p on a slider of length L (pixels along
// it) whose handle is n long: p is clamped to [n / 2, L - n / 2] (halves
// truncated), mapped linearly onto [minimum, maximum] and rounded half up
// (toward +infinity, also below zero), never above maximum. An empty range
// (maximum <= minimum) gives maximum; a slider no longer than its handle has
// one place only, the start: minimum.
int KWSliderValueFromPos(int p, int length, int handleLength, int minimum, int maximum);

// p / (length - 1) clamped to [0, 1]; 0 when the slider is at most one
// pixel long.
float KWSliderFraction(int p, int length);

// The centre of the handle along the slider, for value v on a slider of
// length L with a handle n long. An empty range puts it at L - n.
int KWSliderHandleCentre(int value, int minimum, int maximum, int length, int handleLength);

// Tooltip modes.
enum { KW_SLIDER_TIP_PERCENT = 0, KW_SLIDER_TIP_HUNDREDTHS = 1, KW_SLIDER_TIP_TIME = 2 };

// The tooltip's text; empty means no tooltip.
//   0: the value as a percentage of (maximum - minimum) in whole percent
//      ("30%"), counted down from maximum when reversed; the value is not
//      offset by minimum, so the text is only right for ranges from 0. An
//      empty range has no percentage: no tooltip.
//   1: value / 100 ("3", "12.34").
//   2: the time of day at fraction f between the start and end times in
//      seconds, "hh:mm:ss".
// Any other mode: no tooltip.
QString KWSliderTooltipText(
    int mode, bool reversed, int value, int minimum, int maximum, int startTime, int endTime, float fraction);
