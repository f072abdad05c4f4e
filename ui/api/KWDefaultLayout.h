#pragma once
// The video window's built-in layout strings. A layout string has six
// '/'-separated fields: rows, columns, window count, the canvas "W:H", the
// splitter bars "id:flag:l:t:r:b" joined by '-', and the window cells
// "l:t:r:b" joined by '-'. The default strings are generated from a grid and
// its merged blocks by one rule, which the layout engine shares.

#include <string>
#include <vector>

// A window that covers rows x columns grid cells from (row, column).
struct KWLayoutBlock {
    int row;
    int column;
    int rows;
    int columns;
};

// The layout string of a rows x columns grid on a width x height canvas in
// which the given blocks are merged windows and every other cell is a window
// of its own. Column step width / columns and row step height / rows
// (integer division), so the last column ends at columns x step. Every bar
// between two neighbouring cells is listed: a horizontal bar under cell
// (r, c) has id r * 256 + c, a vertical bar right of it 65536 + r * 256 + c;
// flag 0 when both cells lie in one merged window, 1 otherwise. Bars are
// listed horizontal first, each group by descending id, and cells in reverse
// reading order of their top-left grid cell. Returns an empty string for a
// grid below 1 x 1 or above 255 in either direction (ids hold 8 bits each),
// for a block outside the grid, and for overlapping blocks.
std::string KWBuildLayoutString(int rows, int columns, int width, int height, const std::vector<KWLayoutBlock>& blocks);

// The built-in string of layout type 0 to 9 on a 400 x 300 canvas; null for
// any other type. The strings are built once and live until the program ends.
const char* KWDefaultLayoutString(int type);
