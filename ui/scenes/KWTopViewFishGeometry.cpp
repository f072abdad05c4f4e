#include "ui/scenes/KWTopViewFishGeometry.h"

#include <algorithm>

namespace {

// Rows of the legend and of the wall list are this far apart.
constexpr double kRowStep = 30.0;

} // namespace

KWScenePoint KWFishRingCentre(double t)
{
    return KWScenePoint { 140.0 * t, 140.0 * t };
}

double KWFishOuterRadius(double t)
{
    return 125.0 * t;
}

KWFishAxes KWFishAxesAt(double t)
{
    return KWFishAxes { { 10.0 * t, 140.0 * t }, { 270.0 * t, 140.0 * t }, { 140.0 * t, 10.0 * t },
        { 140.0 * t, 270.0 * t } };
}

KWScenePoint KWFishDotCentre(int dot, double t)
{
    return KWScenePoint { 325.0 * t, (40.0 + kRowStep * (dot - 1)) * t };
}

KWScenePoint KWFishCeilingLabelPos(int label, double t)
{
    return KWScenePoint { 345.0 * t, (28.0 + kRowStep * (label - 1)) * t };
}

KWScenePoint KWFishWallLabelPos(int label, double t)
{
    return KWScenePoint { 67.0 * t, (61.0 + kRowStep * (label - 1)) * t };
}

KWFishCeilingRings KWFishCeilingLayout(const std::vector<double>& ascendingKeys, double t)
{
    KWFishCeilingRings rings {};
    rings.labelKey.fill(-1);
    const int count = static_cast<int>(ascendingKeys.size());
    if (count < 1) {
        return rings;
    }
    const double outer = KWFishOuterRadius(t);
    const double largest = ascendingKeys.back();
    for (int label = 1; label <= KW_FISH_RING_COUNT; ++label) {
        const int key = count - 1 - (KW_FISH_RING_COUNT - label);
        if (key < 0) {
            continue;
        }
        rings.labelKey[label - 1] = key;
        double radius = outer;
        if (key != count - 1) {
            // A largest key of zero or below scales nothing: such rings get
            // no size rather than a NaN one, and no key draws a ring inside
            // out.
            radius = largest > 0.0 ? std::max(0.0, outer * ascendingKeys[key] / largest) : 0.0;
        }
        rings.radius[KWFishRingOfLabel(label) - 1] = radius;
    }
    return rings;
}
