#pragma once
// Number <-> text for stored settings and database cells. The process locale
// is never consulted: "2.8" reads as 2.8 whatever the user's locale says.

#include <string>

// Reads a decimal integer at the start of the text (leading blanks and a sign
// allowed, anything after the digits ignored, as scanf's %d does). Values out
// of range are clamped to int. False, with *value untouched, when no digit
// starts the text or the text is null.
bool ParseLeadingInt(const char* text, int* value);

// The same for a decimal floating-point number ("1.25", "-3e2", ".5"): after
// blanks and a sign, a digit or a point and a digit must start the text.
// "inf", "nan" and hexadecimal numbers are no numbers here ("0x10" reads as
// 0), and a number too large for a double is refused, so a true result is
// always finite.
bool ParseLeadingDouble(const char* text, double* value);

// The number as C-library atoi/atof would give it with the C locale, within
// the rules above: 0 when the text does not start with a number.
int TextToInt(const char* text);
double TextToDouble(const char* text);

// The shortest text that reads back as exactly the same double. Infinity and
// NaN have no such text: they are written as the empty text, which no reader
// takes for a number ("inf" would be infinity to strtod and TinyXML-2), so a
// setting saved with one reads back as its default.
std::string DoubleToText(double value);
