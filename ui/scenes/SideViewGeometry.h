#pragma once
// The numbers behind the IPC side view, kept apart from Qt so that they can be
// checked exactly: the model the view keeps, how its setters, handles and axis
// boxes change it, and where every item of the drawing goes. The view's Redraw
// only copies a SideViewLayout into its scene items.
//
// Units: lengths in the view's length unit (metres, or feet after the unit
// switch), angles in degrees from the downward vertical, positions in scene
// pixels with y growing downwards. k is the UI scale: every pixel constant is
// written for k = 1.

#include "ui/scenes/KWSceneGeometry.h"

#include <array>

using SideViewPoint = KWScenePoint;

// What the view keeps between calls.
struct SideViewModel {
    double lengthMaximum = 22.9133858; // value at the right end of the length axis
    double heightMaximum = 10.0; // value at the top of the height axis
    double installAngle = 0.0; // optical axis from the downward vertical
    double installHeight = 7.0;
    double targetDistance = 10.0;
    double verticalAngle = 17.46; // the camera's vertical angle of view
    double blindDistance = 0.52; // where the lower edge of the view meets the ground
    // The blind distance the user last set (a typed tilt, a drag, an axis
    // that moved it), which a new mount height keeps: the tilt for the new
    // height is worked out from it, and never it from that tilt, which the
    // tilt field shows at two decimals. So a mount height and back gives
    // every number back.
    double keptBlindDistance = 0.52;
    double blindMinimum = 0.52; // ten scaled pixels of length, from the last redraw
    // The person's height: the user's value, which the axes only draw. Kept
    // in the length unit, never derived from pixels, so that a change of
    // either axis, a resize or pixel rounding never changes it.
    double targetHeight = 1.7;
    double handleMinimumHeight = 0.5;
    double handleMinimumTargetHeight = 0.1;
    bool metric = true;
    double scale = 1.0;
    double originX = 0.0;
    double originY = 0.0;
    double axisWidth = 0.0;
    double axisHeight = 0.0;
};

// ---- Angles ----------------------------------------------------------------
// The tilt whose lower edge meets the ground at blindDistance:
// atan(blindDistance / installHeight) + verticalAngle / 2.
double SideViewInstallAngle(double blindDistance, double installHeight, double verticalAngle);

// ---- Axes ------------------------------------------------------------------
// Origin and axis lengths from the size of the scene at the 1x look (each
// truncated), as every redraw sets them: at scale k every position is k times
// the 1x one, so that the bounds and proportions the axes give, and with them
// every number, are those of the 1x look.
void SideViewSetAxes(SideViewModel& model, double sceneWidth, double sceneHeight);
// The length at the 1x look of a side of a view that is size pixels long at
// scale. A view placed by a rectangle whose right and bottom are inclusive
// ends one pixel past its corners' span at every scale, while the layouts
// scale the corners (truncated): that last pixel stands for a whole 1x pixel,
// and a span a pixel short of scale times the 1x span is still that span. A
// view sized otherwise is scale times its 1x size, rounded up.
double SideViewOneTimesSize(double size, double scale, bool placedInclusive);
// Whether the axes have a length: before that no pixel maps to a length.
bool SideViewHasAxes(const SideViewModel& model);
// Whether a drawing can be made: axes with a length and positive maxima.
// Without them every division by them would report infinities or NaN.
bool SideViewCanLayOut(const SideViewModel& model);
// Ten scaled pixels of the length axis: the shortest blind and target
// distance the axis boxes allow.
double SideViewMinimumDistance(const SideViewModel& model);
// The person's height on screen, from the target height and the height axis.
double SideViewTargetHeightPixels(const SideViewModel& model);

// ---- Setters and handles -----------------------------------------------------
// Blind distance from the install angle, kept between the blind minimum and
// the length maximum; when either bound applies the install angle is
// recomputed from it. A lower edge at or above the horizontal sees the ground
// nowhere on the axis: it counts as beyond the far end.
void SideViewBlindFromAngle(SideViewModel& model);
void SideViewSetParam(SideViewModel& model, double verticalAngle, double targetDistance, double installHeight,
    double installAngle);
void SideViewSetInstAngle(SideViewModel& model, double installAngle);
// Keeps the blind distance the user last set; the tilt follows the new
// height, taken at two decimals.
void SideViewSetInstallHeight(SideViewModel& model, double installHeight);
// The blind distance as it stands becomes the one a new mount height keeps:
// wherever the user sets it, by a typed tilt, a drag, another angle of view
// or an axis that moved it.
void SideViewKeepBlindDistance(SideViewModel& model);
// A tilt the view set on its own (a drag, a bound, a blind distance kept for
// a new height, an axis) goes to the tilt field, which shows two decimals: it
// is taken at the nearest hundredth whose blind distance lies on the axis,
// and the blind distance follows from it as from a typed tilt. A tilt held
// at a bound is thus the hundredth inside it, and its blind distance lies
// between ten pixels and the end of the axis. Without axes there is no bound
// in pixels yet, and the tilt stays as it is.
void SideViewTakeTiltAtHundredths(SideViewModel& model);
// Handle centres (scene coordinates) into the model. A dragged value is
// taken at the two decimals its field or label shows, before anything is
// computed from it: the tilt a height or blind-distance drag gives as well,
// the blind distance then following from that tilt. A dragged blind
// distance is the one a new mount height keeps.
void SideViewDragHeight(SideViewModel& model, double y);
void SideViewDragBlindDistance(SideViewModel& model, double x);
void SideViewDragTargetDistance(SideViewModel& model, double x);
// A target distance that an axis box moved onto the axis, taken at the two
// decimals its field shows; a length maximum it then passes is raised to it.
// A distance the axes left where it was is not touched.
void SideViewTakeMovedDistance(SideViewModel& model, double distanceBefore);
// The target height the target-height handle's centre stands for, at two
// decimals.
double SideViewTargetHeightAt(const SideViewModel& model, double y);
// The lowest height maximum the axes may take: the camera and the target on
// the axis, the target inside its handle's travel (the lower half of the
// axis). A lower one would draw the target above the handle's reach or the
// scene, and cut the view's top at the target below the target's height.
double SideViewLowestHeightMaximum(const SideViewModel& model);

// ---- Axis boxes ----------------------------------------------------------------
// The typed maximum of one axis sets the other so that both keep one length
// per pixel; the height maximum never goes below SideViewLowestHeightMaximum,
// and the blind and target distances are brought back onto the axis. Each returns
// whether the typed value had to be raised (the box typed into then shows
// the value taken instead).
bool SideViewApplyLengthMaximum(SideViewModel& model, double value);
bool SideViewApplyHeightMaximum(SideViewModel& model, double value);

// ---- Unit switch -----------------------------------------------------------------
// Converts every stored length into feet (metric false) or back into metres,
// whatever the current unit: the callers always flip.
void SideViewChangeUnit(SideViewModel& model, bool metric);

// ---- Drawing -----------------------------------------------------------------------
// Where the upper edge of the field of view leaves the drawing.
enum class SideViewFovCase {
    Ground, // meets the ground inside the length axis
    RightBelow, // leaves through the right side, at or below the horizontal
    RightAbove, // through the right side, above the horizontal
    TopBackward, // through the top, pointing backwards
    Top, // through the top
};

// The person, the target-height handle and its label, placed for a person of
// targetHeightPixels standing at dPx from the origin.
struct SideViewTargetPlace {
    double personScale = 1.0;
    SideViewPoint personPos;
    SideViewPoint handleOffset;
    double handleMin = 0.0;
    double handleMax = 0.0;
    SideViewPoint labelPos;
};

struct SideViewLayout {
    double blindMinimum = 0.0;
    double cameraOffset = 0.0; // c: pixels from the top of the height axis down to the camera
    SideViewPoint camera;
    KWSceneLine axisTop;
    KWSceneLine pole;
    SideViewPoint installAngleLabel;
    SideViewPoint installHeightLabel;
    SideViewPoint heightHandleOffset;
    double heightHandleMin = 0.0;
    double heightHandleMax = 0.0;
    SideViewPoint cameraPos;
    SideViewPoint cameraPivot; // item point that sits on the camera point
    SideViewPoint verticalAngleLabel; // P
    double blindPixels = 0.0;
    SideViewPoint blindPoint;
    KWSceneLine nearGround;
    SideViewPoint blindHandleOffset;
    double blindHandleMin = 0.0;
    double blindHandleMax = 0.0;
    SideViewPoint blindLabel;
    KWSceneLine lowerEdge;
    double lowerAngle = 0.0; // pixel angles of the drawing
    double upperAngle = 0.0;
    double farCornerAngle = 0.0;
    SideViewFovCase fovCase = SideViewFovCase::Ground;
    KWSceneLine upperEdge;
    std::array<SideViewPoint, 5> polygon {};
    int polygonSize = 0;
    KWSceneLine coveredGround;
    KWSceneLine farGround;
    double targetPixels = 0.0; // dPx
    double targetHeight = 0.0; // reported, never below 0.01
    SideViewTargetPlace target;
    SideViewPoint targetDistanceLabel;
    SideViewPoint targetDistanceHandleOffset;
    double targetDistanceHandleMin = 0.0;
    double targetDistanceHandleMax = 0.0;
    double viewTop = 0.0; // heights of the field of view at the target distance
    double viewBottom = 0.0;
};

// The whole drawing for the model's current axes (SideViewHasAxes must hold).
SideViewLayout SideViewComputeLayout(const SideViewModel& model);
SideViewTargetPlace SideViewPlaceTarget(const SideViewModel& model, double targetPixels,
    const SideViewPoint& verticalAngleLabel, double targetHeightPixels);
// Heights of the field of view at the target distance, in the length unit:
// top below zero when the upper edge meets the ground before the target,
// bottom above zero when the target stands inside the blind zone.
void SideViewTargetViewHeights(const SideViewModel& model, double& top, double& bottom);

// The controls laid over the drawing, in widget coordinates (widget width and
// height W, H).
struct SideViewWidgetPlaces {
    int heightBoxX = 0, heightBoxY = 0, heightBoxWidth = 0, heightBoxHeight = 0;
    SideViewPoint heightUnitLabel;
    SideViewPoint heightTitle;
    double titleWidth = 0.0;
    int lengthBoxX = 0, lengthBoxY = 0, lengthBoxWidth = 0, lengthBoxHeight = 0;
    SideViewPoint lengthUnitLabel;
    SideViewPoint lengthTitle;
};
SideViewWidgetPlaces SideViewPlaceWidgets(double widgetWidth, double widgetHeight, double scale);
