#pragma once
// Plain value types for the scene views' Qt-free geometry, so that their
// numbers can be computed and tested without a window.

#include <charconv>
#include <cmath>
#include <system_error>

// Metres to feet; the views convert every stored length by it when the unit
// changes.
constexpr double KW_FEET_PER_METRE = 3.2808399;

// The ten-digit value of pi the drawings use; reported angles depend on it in
// their last digits.
constexpr double KW_SCENE_PI = 3.1415926535;

// Degrees to radians and back with that value of pi.
inline double KWSceneRadians(double degrees)
{
    return degrees * KW_SCENE_PI / 180.0;
}

inline double KWSceneDegrees(double radians)
{
    return radians * 180.0 / KW_SCENE_PI;
}

struct KWScenePoint {
    double x = 0.0;
    double y = 0.0;
};

inline bool operator==(const KWScenePoint& a, const KWScenePoint& b)
{
    return a.x == b.x && a.y == b.y;
}

struct KWSceneLine {
    KWScenePoint from;
    KWScenePoint to;
};

// The bounds a handle's centre may take, in scene coordinates.
struct KWSceneRange {
    double min = 0.0;
    double max = 0.0;
};

// Two decimals, as the fields and labels show a length or an angle, so that
// a value the views set is the one the text shows. Half a hundredth goes away
// from zero, as the fields' and labels' text does (2.625 shows as 2.63): a
// rounding of its own would make the same value two numbers. Only a multiple
// of an odd eighth lies exactly halfway between two hundredths; every other
// value is printed with two decimals and read back, in any locale.
inline double KWSceneRoundToHundredths(double value)
{
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
