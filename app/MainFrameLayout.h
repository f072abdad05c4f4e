#pragma once
// The main window's geometry and the pixel-density display's decisions as
// plain functions, so that the numbers can be checked without a window.
// scale is the UI scale; every product with it is truncated toward zero.
// Rectangles are (left, top, right, bottom) in main-window coordinates.

#include "ui/api/KWRect.h"

#include <string>

// Where OnDlgSize puts everything for a window of width x height.
struct MainFrameLayout {
    CKWRect toolBar;
    CKWRect chooser;
    CKWRect ipcButton;
    CKWRect fishButton;
    CKWRect ipcTitle;
    CKWRect fishTitle;
    CKWRect panel; // both parameter panels
    CKWRect view3D; // both 3D views
    CKWRect ipcSide;
    CKWRect fishSide;
    CKWRect ipcTop;
    CKWRect fishTop;
    CKWRect ppmArea;
};

MainFrameLayout ComputeMainFrameLayout(int width, int height, float scale);

// The five controls that LayoutPPMArea moves.
struct PPMDisplayLayout {
    CKWRect densityCaption;
    CKWRect densityValue;
    CKWRect unitCaption;
    CKWRect picture;
    CKWRect explainButton;
};

// The whole display inside its area, as the window layout places it, with
// the values LayoutPPMArea(true) works from later.
struct PPMAreaLayout {
    CKWRect pixelCountCaption;
    CKWRect pixelCountValue;
    PPMDisplayLayout display;
    int areaLeft = 0;
    int densityCaptionTop = 0; // the pixel-count value's bottom + 3 s
    int pictureTop = 0;
};

PPMAreaLayout ComputePPMAreaLayout(const CKWRect& area, float scale);
// LayoutPPMArea(true): back inside the area from the stored values; the
// density caption sits 8 (not 10) from the area's left and 2 pixels higher.
PPMDisplayLayout ComputeStandardPPMLayout(int areaLeft, int densityCaptionTop, int pictureTop, float scale);
// LayoutPPMArea(false): fixed places in the main window (the fisheye wall mount).
PPMDisplayLayout ComputeFixedPPMLayout(float scale);

// The skin picture that illustrates a density in pixels per metre (metric)
// or per foot.
const wchar_t* PpmPictureFor(int value, bool metric);
// "N/A" for a density that cannot be computed (negative), else the number.
std::wstring PpmValueText(int value);

// The main window's size for a screen scale: (1000 s + 20) x (700 s + 20).
int MainWindowWidth(float screenScale);
int MainWindowHeight(float screenScale);
