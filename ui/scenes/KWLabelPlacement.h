#pragma once
// Where a label of a scene may stand: wholly inside what its view shows and
// clear of the boxes, handles and other labels around it, as near as it can
// to the place its drawing gives it. Plain numbers, scene pixels, y down.

#include "ui/scenes/KWSceneGeometry.h"

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

// The shortest shift that brings box wholly inside bounds and clear of every
// obstacle, half a pixel counting as nothing as for KWBoxesOverlap: none
// when it already stands so. Where no place inside bounds is clear, the
// shortest shift that brings it inside bounds alone; a box larger than
// bounds keeps its top-left corner inside them.
//
// A box that must move would also rather not cover what is in `avoided` (the
// pictures of a drawing): a place over one of those counts as avoidCost
// farther than it is.
KWScenePoint KWClearShift(const KWSceneBox& box, const KWSceneBox& bounds,
    const std::vector<KWSceneBox>& obstacles, const std::vector<KWSceneBox>& avoided = {},
    double avoidCost = 0.0);
