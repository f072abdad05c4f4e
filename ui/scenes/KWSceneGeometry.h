#pragma once
// Plain value types for the scene views' Qt-free geometry, so that their
// numbers can be computed and tested without a window.

// Metres to feet; the views convert every stored length by it when the unit
// changes.
constexpr double KW_FEET_PER_METRE = 3.2808399;

struct KWScenePoint {
    double x = 0.0;
    double y = 0.0;
};

struct KWSceneLine {
    KWScenePoint from;
    KWScenePoint to;
};

// The bounds a handle's centre may take, in scene coordinates.
struct KWSceneRange {
    double min = 0.0;
    double max = 0.0;
};
