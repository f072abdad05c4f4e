#pragma once
// Plain value types for the scene views' Qt-free geometry, so that their
// numbers can be computed and tested without a window.

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

