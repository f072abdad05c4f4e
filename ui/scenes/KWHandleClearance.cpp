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
    const std::vector<KWKeepOff>& keepOff, const KWSceneRange& range)
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
        // Where the handle could not meet it anywhere it may stand, it asks
        // nothing: it has passed, or is yet to come.
        if (to <= range.min || from >= range.max) {
            continue;
        }
        across = k.side == KWSide::Higher ? std::max(across, to) : std::min(across, from);
    }
    return std::min(std::max(across, range.min), range.max);
}
