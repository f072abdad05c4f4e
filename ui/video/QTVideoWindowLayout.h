#pragma once
// The geometry behind the multi-window video display: a canvas cut into a
// grid, one splitter bar on every inner edge between two grid cells, and the
// video cells that follow from which bars are active (an inactive bar joins
// the grid cells on its two sides). Reads and writes itself as a layout
// string (see ui/api/KWDefaultLayout.h for the format). Knows no widgets.
//
// Rectangles here are inclusive: a cell from left 0 to right 199 is 200
// units wide; an empty rectangle is {0, 0, -1, -1}. The geometry the layout
// works out itself is clamped to the canvas, so no coordinate it holds is
// negative: the layout string joins its entries with '-' and could not carry
// one.

#include "base/platform/KWWinTypes.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One splitter bar: flag 1 separates the cells on its sides, 0 lies inside a
// joined block.
struct KWSplitter {
    int32_t flag = 1;
    RECT rect = {0, 0, -1, -1};
};

class CQTVideoWindowLayout {
public:
    // Bar ids: horizontal bar under grid cell (r, c) is (r << 8) | c, the
    // vertical bar right of it 0x10000 | (r << 8) | c.
    static constexpr int32_t kVerticalBar = 0x10000;
    static constexpr int kMaxGrid = 255;

    // A regular grid: every bar active. A canvas side below 1 counts as 1.
    CQTVideoWindowLayout(int rows, int columns, int width, int height);
    virtual ~CQTVideoWindowLayout();
    CQTVideoWindowLayout(const CQTVideoWindowLayout&) = default;
    CQTVideoWindowLayout& operator=(const CQTVideoWindowLayout&) = default;

    // 1 read, 0 refused (the layout keeps its state), also for a text longer
    // than any layout of its grid can be and for a canvas side below 1.
    // Bars that are not of the grid are skipped, and cells beyond the grid's
    // number of grid cells are not read. Count and cells are taken as
    // written; callers refit and rebuild right afterwards.
    int Parse(const std::string& text);
    // Parsing the text gives back this layout: grid, count, canvas, bars and
    // cells, each cell under its number.
    int Serialize(std::string& out) const;

    // 1 changed, 0 refused (same value or below 1, or above 255). Joined
    // blocks survive where their bars still exist; new bars start active.
    int SetRows(int rows);
    int SetColumns(int columns);
    // 1 when the canvas changed; the bars are refitted, flags kept. 0, and
    // the canvas stays, for the same size or a side below 1.
    int Resize(int width, int height);
    void GetSize(int& width, int& height) const;
    // Takes the other layout's grid and bars and keeps this canvas; the
    // selection is not copied.
    void CopyFrom(const CQTVideoWindowLayout& other);
    // Count and cells from the bars; cells are numbered in the order their
    // top-left grid cell is met row by row.
    void RebuildCells();

    // Selects the bar under the point (edges included) and the line it
    // belongs to; 1 found, 0 none (the selection is cleared either way).
    int SelectSplitterAt(int x, int y);
    // Flips every selected bar that the grid still has and rebuilds; 0 when
    // nothing is selected. The selection stays.
    int ToggleSelection();

    int GetRows() const { return m_rows; }
    int GetColumns() const { return m_columns; }
    int GetCount() const { return m_count; }
    const std::map<int32_t, KWSplitter>& GetSplitters() const { return m_splitters; }
    const std::map<int32_t, RECT>& GetCells() const { return m_cells; }
    const std::map<int32_t, RECT>& GetSelection() const { return m_selection; }
    // False (rect untouched) when there is no cell of that number.
    bool GetCell(int index, RECT& rect) const;
    bool HasCell(int index) const { return m_cells.count(index) != 0; }

    // Grid geometry of a rows x columns grid on a width x height canvas (sides
    // of at least 1); the division remainders go to the last column and the
    // last row, and every edge is clamped to the canvas.
    static RECT GridCellRect(int r, int c, int rows, int columns, int width, int height);
    static RECT BarRect(int32_t id, int rows, int columns, int width, int height);
    static int32_t HorizontalId(int r, int c) { return (r << 8) | c; }
    static int32_t VerticalId(int r, int c) { return kVerticalBar | (r << 8) | c; }

private:
    // The bar of that id, added (active, at its place in the grid) when a
    // string left it out.
    KWSplitter& Bar(int32_t id);
    // Fits the bars to a grid of rows x columns on this canvas: bars of that
    // grid that exist get its geometry and keep their flag, missing ones are
    // made active, the others go; then the cells are rebuilt.
    void RefitGrid(int rows, int columns);
    void RefitBar(int32_t id, bool inGrid, int rows, int columns);
    // Where a bar's line meets the grid line across it: the two bars across
    // and the next bar along.
    struct Junction {
        int32_t a = 0;
        int32_t b = 0;
        int32_t continuation = 0;
    };
    // One step of the walk along a line: claim a bar (select it and go on
    // along its line), or look at a junction to see where the line goes.
    struct WalkStep {
        enum Kind { Claim, Extend } kind;
        int32_t bar;
        Junction junction;
        bool active;
    };

    bool IsSelected(int32_t id) const { return m_selection.count(id) != 0; }
    void Select(int32_t id);
    // Selects the bar and every bar its line reaches.
    void SelectLine(int32_t id, bool active);
    void PushJunctions(int32_t id, bool active, std::vector<WalkStep>& pending) const;
    void ExtendActive(const Junction& junction, std::vector<WalkStep>& pending);
    void ExtendInactive(const Junction& junction, std::vector<WalkStep>& pending);

    int32_t m_rows = 1;
    int32_t m_columns = 1;
    int32_t m_count = 1;
    int32_t m_width = 0;
    int32_t m_height = 0;
    std::map<int32_t, KWSplitter> m_splitters;
    std::map<int32_t, RECT> m_cells;
    std::map<int32_t, RECT> m_selection;
};
