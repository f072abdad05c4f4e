#pragma once
// Where the fisheye top view puts its rings, legend and labels at a scale t,
// and which ring and label each entry of the density map becomes. Plain
// numbers, so the layout is checked without a window.
//
// Rings are numbered from the outside in (ring 1 is the outermost); the legend
// runs the other way: label 1 and dot 1 stand at the top and belong to the
// innermost ring, label 4 and dot 4 to the outermost.

#include "ui/scenes/KWTopViewGeometry.h"

#include <array>
#include <vector>

constexpr int KW_FISH_RING_COUNT = 4;
constexpr int KW_FISH_LABEL_COUNT = 5;

// The camera, and the centre of every ring.
KWScenePoint KWFishRingCentre(double t);
// The outermost ring's radius: it keeps this size whatever its key.
double KWFishOuterRadius(double t);
// The cross through the ring centre.
struct KWFishAxes {
    KWScenePoint horizontalFrom, horizontalTo;
    KWScenePoint verticalFrom, verticalTo;
};
KWFishAxes KWFishAxesAt(double t);
// Legend dot 1 to 4 (its centre), and the ceiling-mount label beside it.
KWScenePoint KWFishDotCentre(int dot, double t);
KWScenePoint KWFishCeilingLabelPos(int label, double t);
// Label 1 to 5 of the wall mount's list.
KWScenePoint KWFishWallLabelPos(int label, double t);

// The ceiling mount's rings for a map whose keys (ground radii) are given in
// ascending order. The four largest keys are drawn: the largest as ring 1,
// the next ones inwards, each scaled against the largest. A ring without a
// key has radius 0 and is not shown, nor are its dot and label.
struct KWFishCeilingRings {
    std::array<double, KW_FISH_RING_COUNT> radius; // rings 1 to 4
    std::array<int, KW_FISH_RING_COUNT> labelKey; // labels 1 to 4: index of their key, -1 when hidden
};

KWFishCeilingRings KWFishCeilingLayout(const std::vector<double>& ascendingKeys, double t);

// Legend dot d (and label d) belong to this ring.
inline int KWFishRingOfLabel(int label)
{
    return KW_FISH_RING_COUNT + 1 - label;
}
