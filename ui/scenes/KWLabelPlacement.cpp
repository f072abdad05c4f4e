#include "ui/scenes/KWLabelPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
// against a side of the bounds or of an obstacle. The nearest clear place
// has each coordinate either unchanged or against such a side.
template <class Low, class High>
std::vector<double> EdgeShifts(double low, double high, double boundLow, double boundHigh,
    const std::vector<KWSceneBox>& obstacles, Low lowOf, High highOf)
{
    std::vector<double> shifts { 0.0, boundLow - low, boundHigh - high };
    for (const KWSceneBox& obstacle : obstacles) {
        shifts.push_back(lowOf(obstacle) - high);
        shifts.push_back(highOf(obstacle) - low);
    }
    // Only those that keep the span inside the bounds, the shortest first.
    shifts.erase(std::remove_if(shifts.begin(), shifts.end(),
                     [&](double shift) {
                         return low + shift < boundLow - kTouching || high + shift > boundHigh + kTouching;
                     }),
        shifts.end());
    std::sort(shifts.begin(), shifts.end(), [](double a, double b) { return std::abs(a) < std::abs(b); });
    return shifts;
}

bool IsClear(const KWSceneBox& box, const std::vector<KWSceneBox>& obstacles)
{
    return std::none_of(obstacles.begin(), obstacles.end(),
        [&box](const KWSceneBox& obstacle) { return KWBoxesOverlap(box, obstacle); });
}

std::vector<KWSceneBox> Joined(const std::vector<KWSceneBox>& a, const std::vector<KWSceneBox>& b)
{
    std::vector<KWSceneBox> both = a;
    both.insert(both.end(), b.begin(), b.end());
    return both;
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

KWScenePoint KWClearShift(const KWSceneBox& box, const KWSceneBox& bounds,
    const std::vector<KWSceneBox>& obstacles, const std::vector<KWSceneBox>& avoided, double avoidCost)
{
    const KWScenePoint inside { InsideShift(box.left, box.right, bounds.left, bounds.right),
        InsideShift(box.top, box.bottom, bounds.top, bounds.bottom) };
    if (box.IsEmpty() || (inside.x == 0.0 && inside.y == 0.0 && IsClear(box, obstacles))) {
        return {};
    }
    const std::vector<KWSceneBox> edges = Joined(obstacles, avoided);
    const std::vector<double> xs = EdgeShifts(
        box.left, box.right, bounds.left, bounds.right, edges, [](const KWSceneBox& o) { return o.left; },
        [](const KWSceneBox& o) { return o.right; });
    const std::vector<double> ys = EdgeShifts(
        box.top, box.bottom, bounds.top, bounds.bottom, edges, [](const KWSceneBox& o) { return o.top; },
        [](const KWSceneBox& o) { return o.bottom; });
    KWScenePoint best = inside;
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
            const double cost = std::sqrt(squared) + (IsClear(moved, avoided) ? 0.0 : avoidCost);
            if (cost < bestCost && IsClear(moved, obstacles)) {
                best = { dx, dy };
                bestCost = cost;
            }
        }
    }
    return best;
}
