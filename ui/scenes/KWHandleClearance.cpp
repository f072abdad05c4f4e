#include "ui/scenes/KWHandleClearance.h"

#include <algorithm>
#include <cmath>

KWKeepOff KWHandleKeepOff(const KWScenePoint& centre, double room, KWSide side)
{
    const double across = KW_HANDLE_HALF + room;
    return { { centre.x - across, centre.y - KW_HANDLE_HALF, centre.x + across, centre.y + KW_HANDLE_HALF },
        KW_HANDLE_HALF, side };
}

double KWAcrossClearOf(const KWScenePoint& centre, bool travelsVertically,
    const std::vector<KWKeepOff>& keepOff, const KWSceneRange& range, KWPastRange pastRange)
{
    const double along = travelsVertically ? centre.y : centre.x;
    double across = travelsVertically ? centre.x : centre.y;
    for (const KWKeepOff& k : keepOff) {
        const double alongLow = travelsVertically ? k.box.top : k.box.left;
        const double alongHigh = travelsVertically ? k.box.bottom : k.box.right;
        const double off = std::max({ 0.0, alongLow - along, along - alongHigh });
        if (off >= k.apart) {
            continue;
        }
        // Round about the box: the nearer the handle passes along its travel,
        // the farther across it keeps.
        const double reach = std::sqrt(k.apart * k.apart - off * off);
        const double from = (travelsVertically ? k.box.left : k.box.top) - reach;
        const double to = (travelsVertically ? k.box.right : k.box.bottom) + reach;
        if (pastRange == KWPastRange::StepsBack) {
            // Past the end of `range` the handle cannot keep to its side: it
            // steps back by as much as the other reaches past.
            across = k.side == KWSide::Higher
                ? std::max(across, to <= range.max ? to : 2.0 * range.max - to)
                : std::min(across, from >= range.min ? from : 2.0 * range.min - from);
        } else if (to > range.min && from < range.max) {
            across = k.side == KWSide::Higher ? std::max(across, to) : std::min(across, from);
        }
    }
    return std::min(std::max(across, range.min), range.max);
}
