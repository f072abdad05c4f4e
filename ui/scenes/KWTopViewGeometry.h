#pragma once
// Where the top view puts its sector, edges and width line, as plain numbers:
// the view only copies these into its items, so every placement can be checked
// without a window. Scene coordinates are the view's own, y growing downwards;
// angles are in degrees.

#include "ui/scenes/KWSceneGeometry.h"

#include <vector>

// The frame every drawing starts from: the view's size, the margin kept free
// on all four sides, and the apex (the top edge of the camera picture,
// horizontally centred), where the sector starts.
struct KWTopViewFrame {
    double width;
    double height;
    double margin; // 10 x RectTimes
    double apexY; // height - camera picture height

    double ApexX() const { return width / 2.0; }
};

KWTopViewFrame KWMakeTopViewFrame(int width, int height, int cameraHeight, double rectTimes);

// The width the camera sees at the distance: 2 x distance x tan(angle / 2).
// No angle is refused: towards 180 degrees the width grows without bound.
double KWTopViewVisibleWidth(double angle, double distance);

// The horizontal line across the sector at the target distance. The line is
// cut to the side margins when the sector is wider than the space between
// them; the label beside it still tells the full width.
struct KWTopViewWidthLine {
    bool placed; // false: no positive axis maximum, so no distance has a place
    double y;
    double x1;
    double x2;
};

KWTopViewWidthLine KWTopViewWidthLineAt(
    const KWTopViewFrame& frame, double angle, double distance, double axisMaximum);

// The sector of the angle of view. Wide angles leave the margin box through
// its sides (five corners: apex, both side exits and the two top corners);
// narrower ones end on the top margin (a triangle).
struct KWTopViewSector {
    bool throughSides;
    KWScenePoint leftEnd; // the left edge runs from here to the apex
    KWScenePoint rightEnd; // the right edge runs from here to the apex
    std::vector<KWScenePoint> outline; // from the apex round to the last corner; closing returns to the apex
};

KWTopViewSector KWTopViewSectorFor(const KWTopViewFrame& frame, double angle);
