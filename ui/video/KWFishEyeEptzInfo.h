#pragma once
// What a play window reports while the user drags or turns the wheel over a
// fisheye picture: thirteen 32-bit values.

#include "base/platform/KWWinTypes.h"

#include <cstdint>

struct FISHEYE_EPTZ_INFO {
    int32_t nHandle = -2; // hovered handle: -1 the secondary square, >= 0 a region's box, -2 none
    int32_t nRegion = -2; // hovered region, -1 none
    int32_t nCenterX = 0; // centre of the secondary square (handle -1) or of the region's box
    int32_t nCenterY = 0;
    int32_t nPressX = 0;
    int32_t nPressY = 0;
    int32_t nCurrentX = 0;
    int32_t nCurrentY = 0;
    int32_t nDirection = 0; // 0 for drags; +1 / -1 for a wheel turn away from / towards the user
    RECT rcReference = {0, 0, 0, 0};
};
static_assert(sizeof(FISHEYE_EPTZ_INFO) == 13 * 4, "thirteen 32-bit values");
