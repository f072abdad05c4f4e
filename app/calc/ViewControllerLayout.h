#pragma once
// The numbers behind the view controllers, kept apart from the widgets so
// that they can be checked without a window: where the title line and the
// scene go inside a container, and which picture shows a camera model.

#include "ui/api/KWRect.h"
#include "ui/api/KWSkinRecords.h"

#include <string>

// The title line for a UI scale: 200 x 22 design pixels at (5, 1), every
// product with the scale truncated.
CKWRect ViewTitleRect(double scale);

// Text size of the title line: 14 design pixels.
int ViewTitleTextSize(double scale);

// The scene below the title, across the whole width of a cx x cy container,
// one scaled pixel below the title. Side views keep one scaled pixel free at
// the bottom as well, so that the axis captions do not touch the edge.
CKWRect ViewSceneRect(const CKWRect& title, int cx, int cy, double scale, bool keepBottomMargin);

// The 3D picture of a model: every blank of the name becomes '_' and ".png"
// is appended, so "Two Words" shows Two_Words.png. A null name is empty.
std::wstring ModelPictureName(const wchar_t* modelName);

// The marker buttons of both 3D views: height, distance, angle, width and
// the second height.
Image3DViewBtnStyle MarkerButtonStyle3D();

// The drag handles and the person of both side views; each side view adds
// its own mount and camera pictures.
ImageVericalStyle SideViewHandleStyle();
