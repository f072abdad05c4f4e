#pragma once
// Types of the video window's interface: layout kinds, window modes, the
// pictures and fisheye regions that the owner hands to the play windows.

#include "base/platform/KWWinTypes.h"

#include <cstdint>
#include <vector>

// Built-in layouts, named by their window count; LAYOUT_CUSTOM takes the
// caller's own layout string.
enum LAYOUT_TYPE : int32_t {
    LAYOUT_1 = 0,
    LAYOUT_4 = 1,
    LAYOUT_6 = 2,
    LAYOUT_8 = 3,
    LAYOUT_9 = 4,
    LAYOUT_13 = 5,
    LAYOUT_16 = 6,
    LAYOUT_20 = 7,
    LAYOUT_25 = 8,
    LAYOUT_36 = 9,
    LAYOUT_CUSTOM = 10,
};

enum VIDEOWINDOWMODE : int32_t {
    VIDEOWINDOW_MODE_VIDEO = 0,  // sub-windows show pictures
    VIDEOWINDOW_MODE_LAYOUT = 1, // the layout's bars are edited
};

// Kind of the data given to RenderSubWin; the window does not pass it on.
enum RENDER_DATA_TYPE : int32_t {};

// How a play window divides one fisheye picture into panes.
enum INNER_SPLIT_MODE : int32_t {
    INNER_SPLIT_NONE = 0,
    INNER_SPLIT_FOUR = 1,
    INNER_SPLIT_SIX = 2,
};

// Which cut mark a position report of the playback timeline moved.
enum VIDEOCUT_TYPE : int32_t {
    VIDEOCUT_FIRST = 0,
    VIDEOCUT_OTHER = 1, // the second mark, or an ordinary position change
};

// One I420 picture: Y plane at pData, U at width x height, V at
// width x height x 5 / 4.
struct RENDER_VIDEOINFO {
    BYTE* pData = nullptr;
    int32_t nWidth = 0;
    int32_t nHeight = 0;
    int32_t nPlacement = 0; // where a secondary picture goes (read by the play window)
};

// One fisheye region in source coordinates. A point (0, 0) after the first
// repeats the previous one; a first point with x = -1 means no outline.
struct FISHEYE_REGION {
    COLORREF clrColor = 0;
    int32_t nReserved = 0;
    RECT rcBound = {0, 0, 0, 0};
    POINT ptOutline[160] = {};
};
static_assert(sizeof(FISHEYE_REGION) == 1304, "a fisheye region keeps its 1304-byte layout");

// The fisheye regions handed to a play window.
struct FISHEYE_VIDEO_REGION {
    int32_t nPlacement = 0; // 0 whole widget, 1 secondary square at the bottom centre, 2 at the centre
    int32_t nSourceWidth = 0;
    int32_t nSourceHeight = 0;
    int32_t nValue1 = 0; // carried unchanged
    int32_t nValue2 = 0;
    int32_t nValue3 = 0;
    int32_t nCurrentRegion = -1; // -1 none
    std::vector<FISHEYE_REGION> regions;
};

// Electronic pan-tilt-zoom details that a play window reports for a fisheye
// picture; defined with the video component that produces them.
struct FISHEYE_EPTZ_INFO;

// The renderer's converter: (Y, U, V, destination, destination pitch in
// bytes, width, height).
using KW_COLOR_CONVERT = void (*)(BYTE*, BYTE*, BYTE*, BYTE*, DWORD, int, int);
