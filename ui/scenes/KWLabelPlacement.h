#pragma once
// Where a label of a scene may stand: wholly inside what its view shows and
// clear of the boxes, handles and other labels around it, as near as it can
// to the place its drawing gives it. Plain numbers, scene pixels, y down.

#include "ui/scenes/KWSceneGeometry.h"

#include <optional>
#include <vector>

// An axis-aligned rectangle by its edges; right and bottom are the far
// edges, so a box 10 wide from 0 has right 10.
struct KWSceneBox {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    bool IsEmpty() const { return !(right > left && bottom > top); }
    KWSceneBox Shifted(const KWScenePoint& shift) const
    {
        return { left + shift.x, top + shift.y, right + shift.x, bottom + shift.y };
    }
};

// Whether the boxes share any area: boxes that only touch do not, nor do
// boxes that overlap by less than half a pixel (what a pixel shows is what
// covers most of it); an empty box meets nothing.
bool KWBoxesOverlap(const KWSceneBox& a, const KWSceneBox& b);

// The smallest box holding both; an empty box adds nothing.
KWSceneBox KWBoxUnion(const KWSceneBox& a, const KWSceneBox& b);

// How far apart two boxes stand, corner to corner where they stand
// diagonally; 0 where they touch or overlap.
double KWBoxesApart(const KWSceneBox& a, const KWSceneBox& b);

// What a shifted box must meet besides standing inside its bounds, clear of
// its obstacles. The lists are the caller's, read while the shift is sought.
struct KWShiftRules {
    // A place over one of these counts as avoidCost farther than it is; an
    // infinite cost keeps the box off them as off an obstacle.
    const std::vector<KWSceneBox>* avoided = nullptr;
    double avoidCost = 0.0;
    // The box keeps its place along that axis: only the other one is tried.
    bool keepX = false;
    bool keepY = false;
    // Where set, a place stands at least `lead` nearer to `nearer` than to
    // every other box of `farther` (which may hold `nearer` itself).
    const KWSceneBox* nearer = nullptr;
    const std::vector<KWSceneBox>* farther = nullptr;
    double lead = 0.0;
};

// The shortest shift that brings box wholly inside bounds, clear of every
// obstacle (half a pixel counting as nothing, as for KWBoxesOverlap) and
// meeting the rules: none when it already stands so, nothing where no place
// inside bounds does.
std::optional<KWScenePoint> KWFindClearShift(const KWSceneBox& box, const KWSceneBox& bounds,
    const std::vector<KWSceneBox>& obstacles, const KWShiftRules& rules);

// The shift that brings box inside bounds alone; a box larger than bounds
// keeps its top-left corner inside them.
KWScenePoint KWInsideShift(const KWSceneBox& box, const KWSceneBox& bounds);

// KWFindClearShift with pictures to avoid, or where no place inside bounds
// is clear, the shortest shift that brings it inside bounds alone.
KWScenePoint KWClearShift(const KWSceneBox& box, const KWSceneBox& bounds,
    const std::vector<KWSceneBox>& obstacles, const std::vector<KWSceneBox>& avoided = {},
    double avoidCost = 0.0);
