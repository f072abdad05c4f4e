#include "base/KWRoundToHundredths.h"

#include <charconv>
#include <cmath>
#include <system_error>

double KWRoundToHundredths(double value)
{
    // Only a multiple of an odd eighth lies exactly halfway between two
    // hundredths; every other value is printed with two decimals and read
    // back, in any locale.
    const double eighths = value * 8.0;
    if (std::isfinite(eighths) && std::trunc(eighths) == eighths && std::fmod(eighths, 2.0) != 0.0) {
        // Exact: a hundred odd eighths is a whole number and a half.
        return std::round(value * 100.0) / 100.0;
    }
    char text[64];
    const std::to_chars_result printed
        = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    if (printed.ec != std::errc()) {
        return value;
    }
    double rounded = value;
    std::from_chars(text, printed.ptr, rounded);
    return rounded;
}
