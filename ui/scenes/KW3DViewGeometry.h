#pragma once
// Where the 3D picture puts its background, its person and its dimension
// markers. The picture is drawn for a 410 x 267 area; "design" points are in
// that area's pixels at scale 1 and become widget pixels through the area's
// origin and the UI scale (rect times).

#include "ui/scenes/KWSceneGeometry.h"

#include <array>
#include <vector>

constexpr double KW3D_DESIGN_WIDTH = 410.0;
constexpr double KW3D_DESIGN_HEIGHT = 267.0;
// The wall-mount picture is smaller than the others and is centred by its
// design size.
constexpr double KW3D_WALL_WIDTH = 280.0;
constexpr double KW3D_WALL_HEIGHT = 248.0;
constexpr double KW3D_DEFAULT_AXIS_MAX = 22.9133858;
constexpr double KW3D_DEFAULT_OBJECT_POS = 10.0;
// Where the person stands at the near end of its path, and at the far end.
constexpr KWScenePoint KW3D_PERSON_NEAR { 87.0, 172.0 };
constexpr KWScenePoint KW3D_PERSON_FAR { 173.0, 122.0 };

// The view's item slots. Some markers share slots (see KW3DMarkerParts).
enum KW3DSlot {
    KW3D_SLOT_INSTALL_HEIGHT_LINE,
    KW3D_SLOT_INSTALL_HEIGHT_ICON,
    KW3D_SLOT_ANGLE_ICON,
    KW3D_SLOT_RESOLUTION_LINE,
    KW3D_SLOT_VERTICAL_LINE,
    KW3D_SLOT_WIDTH_ICON,
    KW3D_SLOT_SECOND_HEIGHT_ICON,
    KW3D_SLOT_DISTANCE_LINE,
    KW3D_SLOT_DISTANCE_ICON,
    KW3D_SLOT_COUNT
};

// The five marker pictures, in the order the skin record gives them.
enum KW3DPicture {
    KW3D_PICTURE_HEIGHT,
    KW3D_PICTURE_DISTANCE,
    KW3D_PICTURE_ANGLE,
    KW3D_PICTURE_WIDTH,
    KW3D_PICTURE_SECOND_HEIGHT,
    KW3D_PICTURE_COUNT
};

enum class KW3DMarker { InstallHeight, Resolution, HDistance, InstAngle, ObjDistance, ObjHeight };

struct KW3DRgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

constexpr KW3DRgb KW3D_INSTALL_HEIGHT_COLOUR { 10, 202, 168 };
constexpr KW3DRgb KW3D_SIZE_COLOUR { 177, 54, 255 };
constexpr KW3DRgb KW3D_DISTANCE_COLOUR { 255, 152, 41 };

// One item of a marker: a dashed line in a colour, or a picture whose
// top-left corner stands at a point. Design coordinates.
struct KW3DMarkerPart {
    KW3DSlot slot = KW3D_SLOT_COUNT;
    bool isLine = false;
    KWSceneLine line;
    KW3DRgb colour;
    KW3DPicture picture = KW3D_PICTURE_COUNT;
    KWScenePoint topLeft;
};

// What the marker positions depend on.
struct KW3DMarkerMode {
    bool fisheye = false;
    bool ceiling = true;
    double position = KW3D_DEFAULT_OBJECT_POS;
    double axisMax = KW3D_DEFAULT_AXIS_MAX;
};

// How far along its path the person stands: position / axis maximum. An
// axis maximum at or below zero stands for no path at all (0), where the
// division would give an infinite or undefined place.
double KW3DPathFraction(double position, double axisMax);

// Top-left of the design area, centred in a widget of that size.
KWScenePoint KW3DOrigin(double widgetWidth, double widgetHeight, double rectTimes);
// A design point in widget pixels.
KWScenePoint KW3DToPixels(KWScenePoint origin, double rectTimes, KWScenePoint design);

// Where the background picture's top-left goes. The ceiling and model
// pictures are centred by their own pixel size: the 4K skin's pictures are
// already drawn at twice the size, so scaling them again would put them a
// whole picture off the markers. The wall picture is centred by its design
// size.
KWScenePoint KW3DBackgroundPos(double widgetWidth, double widgetHeight, double rectTimes, bool ceiling,
    double pictureWidth, double pictureHeight);

// Top-left of the 12 x 26 person picture in widget pixels, centred on the
// point of its path (from (93,185) to (179,135)) that the position stands for.
KWScenePoint KW3DPersonPos(KWScenePoint origin, double rectTimes, double position, double axisMax);

// The horizontal-distance line, from the camera's foot to the person.
KWSceneLine KW3DHDistanceLine(double position, double axisMax);

// The items one adding operation toggles, in the order it treats them.
std::vector<KW3DMarkerPart> KW3DMarkerParts(KW3DMarker marker, const KW3DMarkerMode& mode);

// The slots a new background picture empties; the angle icon, the
// resolution line and the width icon stay.
const std::array<KW3DSlot, 6>& KW3DSlotsClearedByPicture();
