#pragma once
// The play window's arithmetic, kept apart from the widget so that it can be
// checked without one. Rectangles are inclusive (right and bottom inside)
// unless said otherwise; trunc() drops the fraction toward zero, as every
// conversion from floating point here does.

#include "base/platform/KWWinTypes.h"

#include <vector>

// Divides both by their greatest common divisor; a pair with a 0 stays.
void KWReduceProportion(int& width, int& height);

// The base rectangle letterboxed to pw:ph and centred; unchanged with no
// proportion (either part 0).
RECT KWFitRectToProportion(const RECT& base, int pw, int ph);

// The base rectangle fitted to the aspect of the source rectangle sw x sh
// (fisheye pictures), centred.
RECT KWFitRectToSource(const RECT& base, int sw, int sh);

// Digital zoom by a rubber band (x1, y1)-(x2, y2) in widget pixels: the new
// source rectangle, or false when the band or its frame part is under 10
// pixels. pw:ph is the wanted proportion (0 = the source's aspect).
bool KWZoomByRect(int x1, int y1, int x2, int y2, int widgetWidth, int widgetHeight, const RECT& source, int frameWidth,
                  int frameHeight, int pw, int ph, RECT& result);

enum KWWheelZoomResult {
    KWWheelIgnored = 0, // nothing changes
    KWWheelZoomed = 1,  // result is a part of the frame
    KWWheelWhole = 2,   // result is the whole frame, zoom ends
};
// One wheel step at (x, y) of the widget: delta < 1 zooms out, > 0 in.
KWWheelZoomResult KWZoomByWheel(int delta, int x, int y, int widgetWidth, int widgetHeight, const RECT& source, int frameWidth,
                                int frameHeight, int pw, int ph, RECT& result);

// Moves r by whole pixels so that it lies inside 0..maxX, 0..maxY where it
// fits.
void KWShiftInside(RECT& r, int minX, int minY, int maxX, int maxY);

// Panes of the inner split modes for a widget of w x h: the overview pane
// and the small panes (3 in mode 1, 5 in mode 2).
struct KWSplitLayout {
    RECT overview = {0, 0, -1, -1};
    std::vector<RECT> panes;
    std::vector<RECT> regions; // parts of the overview the panes show
};
KWSplitLayout KWMakeSplitLayout(int mode, int w, int h);
// Regions scaled from the old overview to the new one; false (unchanged)
// when either overview is empty.
bool KWRescaleSplitRegions(std::vector<RECT>& regions, const RECT& oldOverview, const RECT& newOverview);
// Regions in frame pixels, clamped to the frame.
RECT KWSplitRegionToFrame(const RECT& region, const RECT& overview, int frameWidth, int frameHeight);

// A fisheye region's outline of count points cut into its pieces: at a break
// (a 0, 0 point after the first) and where it jumps across the seam of a
// panorama, from left of low to right of high or back. Pieces may be empty.
std::vector<std::vector<POINT>> KWOutlinePieces(const POINT* outline, int count, int low, int high);

// Odd-even test of a point against a polygon.
bool KWPointInPolygon(const std::vector<POINT>& polygon, int x, int y);
