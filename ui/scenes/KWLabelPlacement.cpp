#include "ui/scenes/KWLabelPlacement.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

namespace {

// A pixel shows what covers most of it: boxes overlapping by less than half
// a pixel touch, the soft outer edge of a halo passing unseen. It also keeps
// boxes put against each other by a computed shift touching whatever the
// rounding.
constexpr double kTouching = 0.5;

// The shift along one axis that brings [low, high] inside [boundLow,
// boundHigh]; a span longer than the bounds keeps its low end inside.
double InsideShift(double low, double high, double boundLow, double boundHigh)
{
    if (high - low > boundHigh - boundLow + 2.0 * kTouching || low < boundLow - kTouching) {
        return boundLow - low;
    }
    return high > boundHigh + kTouching ? boundHigh - high : 0.0;
}

// The shifts along one axis worth trying: none, and those that lay the span
// against a side of the bounds or of a box of the lists (grown by `apart`).
// The nearest clear place has each coordinate either unchanged or against
// such a side.
template <class Low, class High>
std::vector<double> EdgeShifts(double low, double high, double boundLow, double boundHigh,
    std::initializer_list<std::pair<const std::vector<KWSceneBox>*, double>> lists, Low lowOf, High highOf)
{
    std::vector<double> shifts { 0.0, boundLow - low, boundHigh - high };
    for (const auto& [boxes, apart] : lists) {
        if (boxes == nullptr) {
            continue;
        }
        for (const KWSceneBox& box : *boxes) {
            shifts.push_back(lowOf(box) - apart - high);
            shifts.push_back(highOf(box) + apart - low);
        }
    }
    // Only those that keep the span inside the bounds, the shortest first.
    shifts.erase(std::remove_if(shifts.begin(), shifts.end(),
                     [&](double shift) {
                         return low + shift < boundLow - kTouching || high + shift > boundHigh + kTouching;
                     }),
        shifts.end());
    std::sort(shifts.begin(), shifts.end(), [](double a, double b) { return std::abs(a) < std::abs(b); });
    // Boxes that share an edge give the same shift more than once: it is
    // tried where it first comes. Sorted by length, one tried already is
    // among the last ones kept, as long as it.
    auto kept = shifts.begin();
    for (const double shift : shifts) {
        auto earlier = kept;
        while (
            earlier != shifts.begin() && std::abs(earlier[-1]) == std::abs(shift) && earlier[-1] != shift) {
            --earlier;
        }
        if (earlier == shifts.begin() || earlier[-1] != shift) {
            *kept++ = shift;
        }
    }
    shifts.erase(kept, shifts.end());
    return shifts;
}

// Whether the box stands wholly inside the bounds, half a pixel counting as
// nothing. A box larger than its bounds never does, wherever its edges lie.
bool StandsInside(const KWSceneBox& box, const KWSceneBox& bounds)
{
    return box.left >= bounds.left - kTouching && box.right <= bounds.right + kTouching
        && box.top >= bounds.top - kTouching && box.bottom <= bounds.bottom + kTouching;
}

bool IsClear(const KWSceneBox& box, const std::vector<KWSceneBox>* obstacles)
{
    return obstacles == nullptr
        || std::none_of(obstacles->begin(), obstacles->end(),
            [&box](const KWSceneBox& obstacle) { return KWBoxesOverlap(box, obstacle); });
}

bool StandsNearer(const KWSceneBox& place, const KWShiftRules& rules)
{
    if (rules.nearer == nullptr || rules.farther == nullptr) {
        return true;
    }
    const double nearest = KWBoxesApart(place, *rules.nearer) + rules.lead;
    return std::all_of(rules.farther->begin(), rules.farther->end(), [&](const KWSceneBox& other) {
        return &other == rules.nearer || KWBoxesApart(place, other) >= nearest;
    });
}

} // namespace

bool KWBoxesOverlap(const KWSceneBox& a, const KWSceneBox& b)
{
    return !a.IsEmpty() && !b.IsEmpty() && a.left < b.right - kTouching && b.left < a.right - kTouching
        && a.top < b.bottom - kTouching && b.top < a.bottom - kTouching;
}

KWSceneBox KWBoxUnion(const KWSceneBox& a, const KWSceneBox& b)
{
    if (a.IsEmpty()) {
        return b;
    }
    if (b.IsEmpty()) {
        return a;
    }
    return { std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
        std::max(a.bottom, b.bottom) };
}

double KWBoxesApart(const KWSceneBox& a, const KWSceneBox& b)
{
    const double dx = std::max({ 0.0, b.left - a.right, a.left - b.right });
    const double dy = std::max({ 0.0, b.top - a.bottom, a.top - b.bottom });
    return std::sqrt(dx * dx + dy * dy);
}

KWScenePoint KWInsideShift(const KWSceneBox& box, const KWSceneBox& bounds)
{
    return { InsideShift(box.left, box.right, bounds.left, bounds.right),
        InsideShift(box.top, box.bottom, bounds.top, bounds.bottom) };
}

std::optional<KWScenePoint> KWFindClearShift(const KWSceneBox& box, const KWSceneBox& bounds,
    const std::vector<KWSceneBox>& obstacles, const KWShiftRules& rules)
{
    if (box.IsEmpty()) {
        return KWScenePoint {};
    }
    const bool avoidAlways = std::isinf(rules.avoidCost);
    const auto meets = [&](const KWSceneBox& place) {
        return IsClear(place, &obstacles) && (!avoidAlways || IsClear(place, rules.avoided))
            && StandsNearer(place, rules);
    };
    if (StandsInside(box, bounds) && meets(box)) {
        return KWScenePoint {};
    }
    // A place a lead off another box may lie against that box grown by it.
    const double lead = rules.nearer != nullptr ? rules.lead : 0.0;
    const auto lists = { std::pair(&obstacles, 0.0), std::pair(rules.avoided, 0.0),
        std::pair(rules.nearer != nullptr ? rules.farther : nullptr, lead) };
    const std::vector<double> xs = rules.keepX
        ? std::vector<double> { 0.0 }
        : EdgeShifts(
            box.left, box.right, bounds.left, bounds.right, lists, [](const KWSceneBox& o) { return o.left; },
            [](const KWSceneBox& o) { return o.right; });
    const std::vector<double> ys = rules.keepY
        ? std::vector<double> { 0.0 }
        : EdgeShifts(
            box.top, box.bottom, bounds.top, bounds.bottom, lists, [](const KWSceneBox& o) { return o.top; },
            [](const KWSceneBox& o) { return o.bottom; });
    std::optional<KWScenePoint> best;
    double bestCost = std::numeric_limits<double>::infinity();
    // Nearest first, so that places no nearer than the best one so far,
    // which cannot cost less, are left untried.
    for (double dx : xs) {
        if (dx * dx >= bestCost * bestCost) {
            break;
        }
        for (double dy : ys) {
            const double squared = dx * dx + dy * dy;
            if (squared >= bestCost * bestCost) {
                break;
            }
            const KWSceneBox moved = box.Shifted({ dx, dy });
            const double cost
                = std::sqrt(squared) + (avoidAlways || IsClear(moved, rules.avoided) ? 0.0 : rules.avoidCost);
            if (cost < bestCost && meets(moved)) {
                best = KWScenePoint { dx, dy };
                bestCost = cost;
            }
        }
    }
    return best;
}

KWScenePoint KWClearShift(const KWSceneBox& box, const KWSceneBox& bounds,
    const std::vector<KWSceneBox>& obstacles, const std::vector<KWSceneBox>& avoided, double avoidCost)
{
    KWShiftRules rules;
    rules.avoided = &avoided;
    rules.avoidCost = avoidCost;
    return KWFindClearShift(box, bounds, obstacles, rules).value_or(KWInsideShift(box, bounds));
}
