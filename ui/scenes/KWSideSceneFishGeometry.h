#pragma once
// The fisheye side view's drawing as numbers: where the camera, the floor,
// the person, the three handles and the three labels go for given values and
// scene size, and what a drag of each handle means. Scene pixels, y down;
// every margin is multiplied by the UI scale t.

#include "ui/scenes/KWSceneGeometry.h"

#include <array>

// Picture sizes the layout assumes, at scale 1.
constexpr double KW_FISH_PERSON_WIDTH = 104.0;
constexpr double KW_FISH_PERSON_HEIGHT = 254.0;
// A taller person is stretched in height only, so it does not grow wide.
constexpr double KW_FISH_PERSON_MAX_SCALE_X = 0.45;
// Beyond this the person's height label moves to its left on a wall mount:
// in pixels at scale 1 when dragged, in length units when set.
constexpr double KW_FISH_WALL_LABEL_SWITCH_PX = 200.0;
constexpr double KW_FISH_WALL_LABEL_SWITCH_LENGTH = 5.5;

// What the drawing depends on. Lengths in the current unit.
struct KWFishSideValues {
    double lengthMax = 10.0;
    double heightMax = 5.0;
    double installHeight = 3.0;
    double objectDistance = 2.0;
    double objectHeight = 1.7;
    double minInstallHeight = 0.3;
    double minObjectHeight = 0.1;
    bool ceiling = true;
    // Ceiling mount: the person stands right of the camera. Wall mount: the
    // height label stands right of the person.
    bool rightSide = true;
    double rectTimes = 1.0;
};

struct KWFishPerson {
    double scaleX = 0.0;
    double scaleY = 0.0;
    KWScenePoint pos; // top-left of the scaled picture
};

enum KWFishLineIndex {
    KW_FISH_LINE_ABOVE_CAMERA, // ceiling or wall top down to the camera
    KW_FISH_LINE_BELOW_CAMERA, // camera down to the floor
    KW_FISH_LINE_TO_PERSON, // floor from the axis to the person
    KW_FISH_LINE_BEYOND_PERSON,
    KW_FISH_LINE_LEFT_FLOOR, // floor left of the axis
    KW_FISH_LINE_COUNT
};

struct KWFishSideLayout {
    double originX = 0.0; // foot of the camera's axis on the floor
    double originY = 0.0;
    double axisWidth = 0.0;
    double axisHeight = 0.0;
    double cameraY = 0.0; // from the top margin down to the camera
    double objectPx = 0.0;
    double distancePx = 0.0;
    double objectX = 0.0; // the person's centre line
    std::array<KWSceneLine, KW_FISH_LINE_COUNT> lines {};
    KWScenePoint cameraLabel;
    KWScenePoint cameraHandle; // handle offsets: top-left of a 26 x 26 picture at scale 1
    KWSceneRange cameraRange;
    KWScenePoint cameraPicture; // both mount pictures
    KWFishPerson person;
    KWScenePoint objectHandle;
    KWSceneRange objectRange;
    KWScenePoint distanceHandle;
    KWSceneRange distanceRange;
    KWScenePoint distanceLabel;
    KWScenePoint heightLabel;
};

KWFishSideLayout KWFishSideLayoutFor(const KWFishSideValues& values, int sceneWidth, int sceneHeight);

// The pieces the object-height drag updates on their own, for a person
// objectPx tall.
// How low the camera may go: never below its minimum height, nor on a
// ceiling mount below the top of the person.
KWSceneRange KWFishCameraRange(
    const KWFishSideValues& values, const KWFishSideLayout& layout, double objectPx);
KWFishPerson KWFishPersonAt(const KWFishSideValues& values, const KWFishSideLayout& layout, double objectPx);
// The height label goes right of the person (+20t) or left of it (-60t);
// the other of the two is its place across the person.
double KWFishHeightLabelX(const KWFishSideValues& values, double objectX);
double KWFishHeightLabelAcrossX(const KWFishSideValues& values, double objectX);

// Drags. Each returns false, and changes nothing, while the axes have no
// length (the scene is smaller than its margins): the value would be a
// division by zero or point the wrong way. A dragged value is taken at the
// two decimals its field shows, before anything is computed from it.
// The camera (id 1) or person (id 4) handle's centre at y: the height it
// stands for.
bool KWFishHeightAtY(
    const KWFishSideValues& values, const KWFishSideLayout& layout, double y, double& height);
// Where a height stands on the height axis: the way back from a height taken
// at two decimals to the pixel that draws it.
double KWFishYAtHeight(const KWFishSideValues& values, const KWFishSideLayout& layout, double height);
// The distance handle's centre at x: the distance and the side flag.
bool KWFishDistanceAtX(const KWFishSideValues& values, const KWFishSideLayout& layout, double x,
    double& distance, bool& rightSide);

// The side flag a distance set from outside gives: only a wall mount and a
// distance other than 0 decide it, else the flag stays.
bool KWFishSideForDistance(const KWFishSideValues& values, double distance);
// The side flag after a change of mount (values.ceiling already the new
// one): a wall mount decides it by the stored distance, a ceiling mount
// keeps it.
bool KWFishSideForMount(const KWFishSideValues& values);
