#pragma once
// Converters of one decoded 4:2:0 picture, given as three packed planes (luma
// rows width bytes apart, chroma rows width / 2 apart, one chroma sample per
// 2 x 2 block), into the layouts the display path needs. Widths and heights
// are treated as even (half sizes by integer division).
//
// The three surface converters have the renderer's converter signature
// (KW_COLOR_CONVERT): (Y, U, V, destination, destination pitch in bytes,
// width, height); each destination row starts pitch bytes after the last.

#include "base/platform/KWWinTypes.h"

// Packed 4:2:2, per two pixels the bytes U, Y0, V, Y1.
void I420ToUYVY(BYTE* y, BYTE* u, BYTE* v, BYTE* dst, DWORD pitch, int width, int height);
// Packed 4:2:2, per two pixels the bytes Y0, U, Y1, V.
void I420ToYUY2(BYTE* y, BYTE* u, BYTE* v, BYTE* dst, DWORD pitch, int width, int height);
// Planar: the Y plane, then the V plane from pitch x height, then the U plane
// from pitch x height x 5 / 4; chroma rows pitch / 2 apart.
void I420ToYV12(BYTE* y, BYTE* u, BYTE* v, BYTE* dst, DWORD pitch, int width, int height);

// BT.601 studio range to 32-bit pixels (bytes blue, green, red, 0) in fixed
// point. dstStride counts pixels, the two source strides bytes. A negative
// height turns the picture upside down. Null planes or a destination are
// refused with the debugger line "yv12_to_rgb32_c_q exception\n".
void yv12_to_rgb32_c_q(BYTE* dst, int dstStride, const BYTE* y, const BYTE* u, const BYTE* v, int yStride, int uvStride,
                       int width, int height);
