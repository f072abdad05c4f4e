#include "ui/scenes/SideViewGeometry.h"

#include "base/KWRoundToHundredths.h"
#include "base/ScaledLength.h"

#include <algorithm>
#include <cmath>

namespace {

// Differences this small count as equal when telling the field-of-view cases
// apart, so that an edge exactly on a corner takes the simpler case.
constexpr double kCaseTolerance = 0.000001;

// The target-height handle travels the lower half of the height axis: the
// tallest target it can show is this share of the height maximum.
constexpr double kTargetHandleReach = 0.5;

// A bound this close to a hundredth is on it: worked out from a length that
// came from a tilt on a hundredth, it can come back a few units in the last
// place off it.
constexpr double kOnHundredth = 1e-9;

double TanDegrees(double degrees)
{
    return std::tan(KWSceneRadians(degrees));
}

// The first hundredth from a bound into the side the direction (+1 up, -1
// down) points to: the bound itself when it lies on one.
double HundredthInside(double bound, double direction)
{
    const double nearest = KWRoundToHundredths(bound);
    return (nearest - bound) * direction >= -kOnHundredth ? nearest
                                                          : KWRoundToHundredths(nearest + 0.01 * direction);
}

// The blind and target distances back onto a changed length axis, never
// shorter than ten scaled pixels; the tilt follows the blind distance.
void BringOntoLengthAxis(SideViewModel& model, bool keepHeightOnAxis)
{
    const double minimum = SideViewMinimumDistance(model);
    if (model.lengthMaximum < model.blindDistance) {
        model.blindDistance = model.lengthMaximum;
    }
    if (model.blindDistance < minimum) {
        model.blindDistance = minimum;
    }
    model.installAngle = SideViewInstallAngle(model.blindDistance, model.installHeight, model.verticalAngle);
    if (model.lengthMaximum < model.targetDistance) {
        model.targetDistance = model.lengthMaximum;
    }
    if (keepHeightOnAxis && model.heightMaximum < model.installHeight) {
        model.installHeight = model.heightMaximum;
    }
    if (model.targetDistance < minimum) {
        model.targetDistance = minimum;
    }
}

} // namespace

double SideViewInstallAngle(double blindDistance, double installHeight, double verticalAngle)
{
    return KWSceneDegrees(std::atan(blindDistance / installHeight)) + verticalAngle * 0.5;
}

void SideViewSetAxes(SideViewModel& model, double sceneWidth, double sceneHeight)
{
    const double k = model.scale;
    const double width = Trunc(sceneWidth);
    const double height = Trunc(sceneHeight);
    model.originX = 60.0 * k;
    model.originY = (height - 20.0) * k;
    model.axisWidth = (width - 100.0) * k;
    model.axisHeight = (height - 40.0) * k;
}

double SideViewOneTimesSize(double size, double scale, bool placedInclusive)
{
    if (!placedInclusive) {
        return std::ceil(size / scale);
    }
    return std::ceil((size - 1.0) / scale) + 1.0;
}

bool SideViewHasAxes(const SideViewModel& model)
{
    return model.axisWidth > 0.0 && model.axisHeight > 0.0;
}

bool SideViewCanLayOut(const SideViewModel& model)
{
    return SideViewHasAxes(model) && model.lengthMaximum > 0.0 && model.heightMaximum > 0.0;
}

double SideViewMinimumDistance(const SideViewModel& model)
{
    return 10.0 * model.scale * model.lengthMaximum / model.axisWidth;
}

double SideViewTargetHeightPixels(const SideViewModel& model)
{
    return model.targetHeight * model.axisHeight / model.heightMaximum;
}

void SideViewBlindFromAngle(SideViewModel& model)
{
    const double lowerEdge = model.installAngle - model.verticalAngle * 0.5;
    double blind = 0.0;
    bool bounded = true;
    if (lowerEdge >= 90.0) {
        // At or above the horizontal the tangent turns negative, which would
        // read as "just below the pole"; the edge meets the ground nowhere.
        blind = model.lengthMaximum;
    } else if (lowerEdge <= -90.0) {
        blind = model.blindMinimum;
    } else {
        blind = TanDegrees(lowerEdge) * model.installHeight;
        bounded = false;
        if (blind > model.lengthMaximum) {
            blind = model.lengthMaximum;
            bounded = true;
        } else if (blind < model.blindMinimum) {
            blind = model.blindMinimum;
            bounded = true;
        }
    }
    if (bounded) {
        model.installAngle = SideViewInstallAngle(blind, model.installHeight, model.verticalAngle);
    }
    model.blindDistance = blind;
}

void SideViewSetParam(SideViewModel& model, double verticalAngle, double targetDistance, double installHeight,
    double installAngle)
{
    model.installHeight = installHeight;
    model.targetDistance = targetDistance;
    model.verticalAngle = verticalAngle;
    model.installAngle = installAngle;
    SideViewBlindFromAngle(model);
}

void SideViewSetInstAngle(SideViewModel& model, double installAngle)
{
    model.installAngle = installAngle;
    SideViewBlindFromAngle(model);
}

void SideViewSetInstallHeight(SideViewModel& model, double installHeight)
{
    model.installHeight = installHeight;
    model.blindDistance = model.keptBlindDistance;
    model.installAngle = SideViewInstallAngle(model.blindDistance, model.installHeight, model.verticalAngle);
    SideViewTakeTiltAtHundredths(model);
}

void SideViewKeepBlindDistance(SideViewModel& model)
{
    model.keptBlindDistance = model.blindDistance;
}

void SideViewTakeTiltAtHundredths(SideViewModel& model)
{
    if (!SideViewHasAxes(model)) {
        return;
    }
    const double h = model.installHeight;
    const double v = model.verticalAngle;
    const double lowest = HundredthInside(SideViewInstallAngle(SideViewMinimumDistance(model), h, v), 1.0);
    const double highest
        = std::max(lowest, HundredthInside(SideViewInstallAngle(model.lengthMaximum, h, v), -1.0));
    // A tilt within half a hundredth of a bound's has its nearest hundredth
    // past the bound.
    model.installAngle = std::clamp(KWRoundToHundredths(model.installAngle), lowest, highest);
    model.blindDistance = TanDegrees(model.installAngle - v * 0.5) * h;
}

void SideViewDragHeight(SideViewModel& model, double y)
{
    SideViewSetInstallHeight(
        model, KWRoundToHundredths((model.originY - y) / model.axisHeight * model.heightMaximum));
}

void SideViewDragBlindDistance(SideViewModel& model, double x)
{
    model.blindDistance = (x - model.originX) / model.axisWidth * model.lengthMaximum;
    model.installAngle = SideViewInstallAngle(model.blindDistance, model.installHeight, model.verticalAngle);
    SideViewTakeTiltAtHundredths(model);
    SideViewKeepBlindDistance(model);
}

void SideViewDragTargetDistance(SideViewModel& model, double x)
{
    model.targetDistance = KWRoundToHundredths((x - model.originX) / model.axisWidth * model.lengthMaximum);
}

void SideViewTakeMovedDistance(SideViewModel& model, double distanceBefore)
{
    if (model.targetDistance == distanceBefore) {
        return;
    }
    model.targetDistance = KWRoundToHundredths(model.targetDistance);
    // Brought to the end of the axis and rounded up past it: the end is what
    // the Length box shows, and is taken at its two decimals as well.
    if (model.targetDistance > model.lengthMaximum) {
        model.lengthMaximum = model.targetDistance;
    }
}

double SideViewTargetHeightAt(const SideViewModel& model, double y)
{
    return KWRoundToHundredths((model.originY - y) / model.axisHeight * model.heightMaximum);
}

double SideViewLowestHeightMaximum(const SideViewModel& model)
{
    return std::max(model.installHeight, model.targetHeight / kTargetHandleReach);
}

bool SideViewApplyLengthMaximum(SideViewModel& model, double value)
{
    model.lengthMaximum = value;
    model.heightMaximum = model.axisHeight * value / model.axisWidth;
    bool raised = false;
    const double lowest = SideViewLowestHeightMaximum(model);
    if (model.heightMaximum < lowest) {
        model.heightMaximum = lowest;
        model.lengthMaximum = model.heightMaximum * model.axisWidth / model.axisHeight;
        raised = true;
    }
    BringOntoLengthAxis(model, false);
    return raised;
}

bool SideViewApplyHeightMaximum(SideViewModel& model, double value)
{
    model.heightMaximum = value;
    bool raised = false;
    const double lowest = SideViewLowestHeightMaximum(model);
    if (lowest > value) {
        model.heightMaximum = lowest;
        raised = true;
    }
    model.lengthMaximum = model.heightMaximum * model.axisWidth / model.axisHeight;
    BringOntoLengthAxis(model, true);
    return raised;
}

void SideViewChangeUnit(SideViewModel& model, bool metric)
{
    model.metric = metric;
    for (double* length : { &model.heightMaximum, &model.lengthMaximum, &model.blindMinimum,
             &model.targetDistance, &model.installHeight, &model.blindDistance, &model.keptBlindDistance,
             &model.targetHeight, &model.handleMinimumHeight, &model.handleMinimumTargetHeight }) {
        // Divided, not multiplied by the inverse, so that there and back
        // returns the stored values as closely as the division allows.
        *length = metric ? *length / KW_FEET_PER_METRE : *length * KW_FEET_PER_METRE;
    }
}

SideViewTargetPlace SideViewPlaceTarget(const SideViewModel& model, double targetPixels,
    const SideViewPoint& verticalAngleLabel, double targetHeightPixels)
{
    const double k = model.scale;
    const double ox = model.originX;
    const double oy = model.originY;
    const double tpx = targetHeightPixels;
    SideViewTargetPlace place;
    // The person picture is 104 x 254 at scale 1: scaled, it stands on the
    // ground centred on the target and is exactly tpx tall.
    place.personScale = tpx / (254.0 * k);
    const double s = place.personScale;
    place.personPos = { ox + targetPixels - 104.0 * k * s * 0.5, oy - tpx };
    place.handleOffset = { ox + targetPixels - 13.0 * k, oy - tpx - 13.0 * k };
    place.handleMin = 20.0 * k + model.axisHeight * (1.0 - kTargetHandleReach);
    place.handleMax = oy - model.handleMinimumTargetHeight * model.axisHeight / model.heightMaximum;

    double x = ox + targetPixels - 20.0 * k * s * 0.5 - 47.0 * k;
    if (s < 1.000001) {
        x -= 10.0 * k;
    }
    x += 52.0 * k;
    const double y = oy - tpx - 30.0 * k;
    const SideViewPoint& p = verticalAngleLabel;
    // On the vertical-angle label's line the two texts would overlap: step
    // aside to whichever side is nearer.
    if (p.y - 10.0 * k < y && y < p.y + 10.0 * k) {
        if (p.x - 50.0 * k < x && x < p.x) {
            x = p.x - 50.0 * k;
        } else if (p.x <= x && x < p.x + 50.0 * k) {
            x = p.x + 50.0 * k;
        }
    }
    place.labelPos = { x, y };
    return place;
}

void SideViewTargetViewHeights(const SideViewModel& model, double& top, double& bottom)
{
    // In lengths, not pixels: the two axes need not have the same length per
    // pixel (a window of another shape), and the reported heights must not
    // depend on the window.
    const double h = model.installHeight;
    const double d = model.targetDistance;
    const double upper = KWSceneDegrees(std::atan(model.blindDistance / h)) + model.verticalAngle;
    if (upper >= 180.0) {
        // Pointing up and backwards: everything above the lower edge is seen.
        top = model.heightMaximum;
    } else if (upper - 90.0 > kCaseTolerance) {
        top = TanDegrees(upper - 90.0) * d + h;
        if (top > model.heightMaximum) {
            top = model.heightMaximum;
        }
    } else {
        top = h - d / TanDegrees(upper);
    }
    bottom = d < model.blindDistance ? (model.blindDistance - d) * h / model.blindDistance : 0.0;
}

SideViewLayout SideViewComputeLayout(const SideViewModel& model)
{
    const double k = model.scale;
    const double ox = model.originX;
    const double oy = model.originY;
    const double aw = model.axisWidth;
    const double ah = model.axisHeight;
    const double top = 20.0 * k;
    SideViewLayout l;

    l.blindMinimum = 10.0 * k * model.lengthMaximum / aw;
    const double c = ah * (model.heightMaximum - model.installHeight) / model.heightMaximum;
    l.cameraOffset = c;
    const double camY = top + c;
    l.camera = { ox, camY };
    const SideViewPoint origin { ox, oy };
    l.axisTop = { { ox, top }, l.camera };
    l.pole = { l.camera, origin };
    l.installAngleLabel = { ox - 60.0 * k, camY - 31.0 * k };
    l.installHeightLabel = { ox - 60.0 * k, camY + 7.0 * k };
    l.heightHandleOffset = { ox - 45.0 * k, camY - 13.0 * k };
    l.heightHandleMin = top;
    l.heightHandleMax = oy - model.handleMinimumHeight * ah / model.heightMaximum;
    l.cameraPos = { ox - 10.0 * k, camY - 17.0 * k };
    l.cameraPivot = { 10.0 * k, 17.0 * k };
    l.verticalAngleLabel = { ox + 105.0 * k, camY - 19.0 * k };

    const double bPx = model.blindDistance / model.lengthMaximum * aw;
    l.blindPixels = bPx;
    l.blindPoint = { ox + bPx, oy };
    l.nearGround = { origin, l.blindPoint };
    l.blindHandleOffset = { ox + bPx - 13.0 * k, oy - 13.0 * k };
    l.blindHandleMin = ox + 10.0 * k;
    l.blindHandleMax = ox + aw;
    // The label goes to the left of the blind point once it nears the far
    // end, at the same place at every scale.
    l.blindLabel = bPx <= 260.0 * k ? SideViewPoint { ox + bPx + 10.0 * k, oy - 6.0 * k }
                                    : SideViewPoint { ox + bPx - 70.0 * k, oy - 6.0 * k };
    l.lowerEdge = { l.camera, l.blindPoint };

    // Drawn from pixel angles, so that the wedge meets the pictures exactly.
    const double hPx = ah - c;
    l.lowerAngle = KWSceneDegrees(std::atan(bPx / hPx));
    const double u = l.lowerAngle + model.verticalAngle;
    l.upperAngle = u;
    l.farCornerAngle = KWSceneDegrees(std::atan(aw / hPx));
    const SideViewPoint axisEnd { ox + aw, oy };
    const SideViewPoint topRight { ox + aw, top };
    if (u - l.farCornerAngle <= kCaseTolerance) {
        const SideViewPoint far { ox + hPx * TanDegrees(u), oy };
        l.fovCase = SideViewFovCase::Ground;
        l.upperEdge = { far, l.camera };
        l.polygon = { l.camera, far, l.blindPoint };
        l.polygonSize = 3;
        l.coveredGround = { l.blindPoint, far };
        l.farGround = { far, axisEnd };
    } else {
        SideViewPoint exit;
        if (u - 90.0 <= kCaseTolerance) {
            l.fovCase = SideViewFovCase::RightBelow;
            exit = { ox + aw, oy - (hPx - aw / TanDegrees(u)) };
        } else if (u <= KWSceneDegrees(std::atan(c / aw)) + 90.0) {
            l.fovCase = SideViewFovCase::RightAbove;
            exit = { ox + aw, oy - (TanDegrees(u - 90.0) * aw + hPx) };
        } else if (u >= 180.0) {
            l.fovCase = SideViewFovCase::TopBackward;
            exit = { ox - c * TanDegrees(u - 180.0), top };
        } else {
            l.fovCase = SideViewFovCase::Top;
            exit = { ox + c * TanDegrees(180.0 - u), top };
        }
        l.upperEdge = { exit, l.camera };
        if (l.fovCase == SideViewFovCase::RightBelow || l.fovCase == SideViewFovCase::RightAbove) {
            l.polygon = { l.camera, exit, axisEnd, l.blindPoint };
            l.polygonSize = 4;
        } else {
            l.polygon = { l.camera, exit, topRight, axisEnd, l.blindPoint };
            l.polygonSize = 5;
        }
        l.coveredGround = { l.blindPoint, axisEnd };
        l.farGround = { axisEnd, axisEnd };
    }

    const double dPx = model.targetDistance / model.lengthMaximum * aw;
    l.targetPixels = dPx;
    l.targetHeight = std::max(model.targetHeight, 0.01);
    l.target = SideViewPlaceTarget(model, dPx, l.verticalAngleLabel, SideViewTargetHeightPixels(model));
    l.targetDistanceLabel = { ox + dPx - 15.0 * k, oy + 4.0 * k };
    l.targetDistanceHandleOffset = { ox + dPx - 13.0 * k, oy - 13.0 * k };
    l.targetDistanceHandleMin = ox + 10.0 * k;
    l.targetDistanceHandleMax = ox + aw;
    SideViewTargetViewHeights(model, l.viewTop, l.viewBottom);
    return l;
}

SideViewWidgetPlaces SideViewPlaceWidgets(double widgetWidth, double widgetHeight, double scale)
{
    const double k = scale;
    SideViewWidgetPlaces w;
    w.heightBoxX = Trunc(70.0 * k);
    w.heightBoxY = Trunc(5.0 * k);
    w.heightBoxWidth = Trunc(90.0 * k);
    w.heightBoxHeight = Trunc(18.0 * k);
    w.heightUnitLabel = { 155.0 * k, -3.0 * k };
    w.heightTitle = { 170.0 * k, -3.0 * k };
    w.titleWidth = 90.0 * k;
    const double x0 = Trunc(widgetWidth - 140.0 * k);
    w.lengthBoxX = Trunc(x0 + 30.0 * k);
    w.lengthBoxY = Trunc(widgetHeight - 60.0 * k);
    w.lengthBoxWidth = Trunc(90.0 * k);
    w.lengthBoxHeight = Trunc(18.0 * k);
    w.lengthUnitLabel = { x0 + 115.0 * k, widgetHeight - 68.0 * k };
    w.lengthTitle = { x0 + 25.0 * k, widgetHeight - 90.0 * k };
    return w;
}
