#pragma once
// Where a handle stands that steps aside across its travel: from the place
// its value gives it, just far enough to keep its distance from what stands
// in its way, and always to the side it was given of each. Distances are
// measured from the handle's round centre, so the step grows and shrinks
// smoothly as the two come near and part: a handle steps aside where another
// meets it and back where it leaves, and never leaps to the other side.
// Plain numbers, y down.

#include "ui/scenes/KWLabelPlacement.h"
#include "ui/scenes/KWSceneGeometry.h"

#include <vector>

// Half a handle's width and height (units of one pixel at scale 1): a
// handle is a square picture placed by its corner.
constexpr double KW_HANDLE_HALF = 13.0;
// How far a handle's centre keeps from a picture it must not stand on: half
// a handle and a gap.
constexpr double KW_HANDLE_OFF_PICTURE = KW_HANDLE_HALF + 2.0;
// How far a handle that makes room for another steps aside at most: its own
// width and the gap.
constexpr double KW_HANDLE_STEP = 2.0 * KW_HANDLE_HALF + 2.0;

// Which way a handle keeps from something across its travel.
enum class KWSide { Lower = -1, Higher = 1 };

// Something a handle's centre keeps at least `apart` from: a picture's box,
// or another handle's centre as a box of no size.
struct KWKeepOff {
    KWSceneBox box;
    double apart = 0.0;
    // The side of it the handle keeps to, across its travel: that of the
    // smaller or of the larger coordinates.
    KWSide side = KWSide::Higher;
};

// Another handle, centred at `centre`, as something a handle keeps off to
// `side` of it: the two stand box to box, and `room` more apart sideways.
KWKeepOff KWHandleKeepOff(const KWScenePoint& centre, double room, KWSide side);

// What a handle does about something it keeps off that reaches past the end
// of the range it may stand in.
enum class KWPastRange {
    // Keeps as far off as the range lets it while the two could meet there,
    // and asks nothing once the other could not: where the handle stands
    // follows from the values alone.
    HoldsAtTheEnd,
    // Steps back by as much as the other reaches past the end, and lets it
    // pass over: where the handle stands changes smoothly as the other
    // moves, and a handle that passes it neither carries it along nor makes
    // it leap back.
    StepsBack,
};

// The coordinate across its travel (x for a handle travelling up and down, y
// for one travelling sideways) of a handle whose centre stands at `centre`:
// its own there, moved by each of `keepOff` in turn as far as that one asks,
// so that of two asking opposite ways the later one wins; then held within
// `range`.
double KWAcrossClearOf(const KWScenePoint& centre, bool travelsVertically,
    const std::vector<KWKeepOff>& keepOff, const KWSceneRange& range,
    KWPastRange pastRange = KWPastRange::HoldsAtTheEnd);
