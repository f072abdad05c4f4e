#include "ui/video/QTVideoWindowLayout.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <vector>

namespace {

constexpr int kBarHalf = 5;

// The fields of a text between one separator character, taken one at a
// time without copying.
class FieldReader {
public:
    FieldReader(std::string_view text, char separator)
        : m_rest(text)
        , m_separator(separator)
    {
    }

    bool Next(std::string_view& field)
    {
        if (m_done) {
            return false;
        }
        const std::size_t end = m_rest.find(m_separator);
        if (end == std::string_view::npos) {
            field = m_rest;
            m_done = true;
        } else {
            field = m_rest.substr(0, end);
            m_rest.remove_prefix(end + 1);
        }
        return true;
    }

private:
    std::string_view m_rest;
    char m_separator;
    bool m_done = false;
};

// Decimal integer; anything that is not wholly a number reads as 0.
int32_t ToInt(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return 0;
    }
    return value;
}

bool IsVertical(int32_t id)
{
    return (id & 0xFF0000) != 0;
}

int RowOf(int32_t id)
{
    return (id >> 8) & 0xFF;
}

int ColumnOf(int32_t id)
{
    return id & 0xFF;
}

bool InGridRange(int value)
{
    return value >= 1 && value <= CQTVideoWindowLayout::kMaxGrid;
}

// Every positive side keeps the grid arithmetic within int: no edge it works
// out lies beyond the side plus half a bar, and a side of 1 still leaves room
// for a coordinate that is not negative. Numbers beyond int read as 0 and are
// refused with the rest.
bool InCanvasRange(int32_t value)
{
    return value >= 1;
}

// The rectangle moved inside a width x height canvas, edge by edge. Bars of
// narrow grid cells reach past the canvas, and a grid with more cells than
// canvas units has cells that end before they begin; clamped, no coordinate
// is negative, which the layout string could not write (it joins entries
// with '-').
RECT ClampedToCanvas(const RECT& rect, int width, int height)
{
    const auto clamp = [](int32_t value, int side) { return std::max(0, std::min(value, side - 1)); };
    return {clamp(rect.left, width), clamp(rect.top, height), clamp(rect.right, width), clamp(rect.bottom, height)};
}

// Reads the first numbers of a ':'-separated entry into `numbers`; how many
// the entry had, at most `count`. Parts beyond those are not looked at.
std::size_t ReadNumbers(std::string_view entry, int32_t* numbers, std::size_t count)
{
    FieldReader parts(entry, ':');
    std::size_t read = 0;
    std::string_view part;
    while (read < count && parts.Next(part)) {
        numbers[read++] = ToInt(part);
    }
    return read;
}

// Whether the id names a bar of a rows x columns grid.
bool IsGridBar(int32_t id, int rows, int columns)
{
    if ((id & ~(CQTVideoWindowLayout::kVerticalBar | 0xFFFF)) != 0) {
        return false;
    }
    return IsVertical(id) ? RowOf(id) < rows && ColumnOf(id) < columns - 1 : RowOf(id) < rows - 1 && ColumnOf(id) < columns;
}

// The longest text a layout of a rows x columns grid can have: every number
// at its widest ("-2147483648"), every bar and every cell listed once.
std::size_t MaxTextLength(int rows, int columns)
{
    constexpr std::size_t kNumber = 11;
    constexpr std::size_t kBarEntry = 6 * kNumber + 6;
    constexpr std::size_t kCellEntry = 4 * kNumber + 4;
    const auto bars = static_cast<std::size_t>((rows - 1) * columns + rows * (columns - 1));
    const auto cells = static_cast<std::size_t>(rows * columns);
    return 5 * kNumber + 6 + bars * kBarEntry + cells * kCellEntry;
}

} // namespace

CQTVideoWindowLayout::CQTVideoWindowLayout(int rows, int columns, int width, int height)
    : m_rows(std::clamp(rows, 1, kMaxGrid))
    , m_columns(std::clamp(columns, 1, kMaxGrid))
    , m_count(m_rows * m_columns)
    , m_width(std::max(width, 1))
    , m_height(std::max(height, 1))
{
    RefitGrid(m_rows, m_columns);
}

CQTVideoWindowLayout::~CQTVideoWindowLayout()
{
    m_splitters.clear();
}

RECT CQTVideoWindowLayout::GridCellRect(int r, int c, int rows, int columns, int width, int height)
{
    const int cw = width / columns;
    const int ch = height / rows;
    RECT rect;
    rect.left = c * cw;
    rect.right = (c + 1) * cw - 1 + (c == columns - 1 ? width % columns : 0);
    rect.top = r * ch;
    rect.bottom = (r + 1) * ch - 1 + (r == rows - 1 ? height % rows : 0);
    return ClampedToCanvas(rect, width, height);
}

RECT CQTVideoWindowLayout::BarRect(int32_t id, int rows, int columns, int width, int height)
{
    const int r = RowOf(id);
    const int c = ColumnOf(id);
    const int cw = width / columns;
    const int ch = height / rows;
    RECT rect;
    if (IsVertical(id)) {
        rect.left = (c + 1) * cw - kBarHalf;
        rect.right = (c + 1) * cw + kBarHalf - 1;
        rect.top = r * ch;
        rect.bottom = (r + 1) * ch - 1 + (r == rows - 1 ? height % rows : 0);
    } else {
        rect.left = c * cw;
        rect.right = (c + 1) * cw - 1 + (c == columns - 1 ? width % columns : 0);
        rect.top = (r + 1) * ch - kBarHalf;
        rect.bottom = (r + 1) * ch + kBarHalf - 1;
    }
    return ClampedToCanvas(rect, width, height);
}

int CQTVideoWindowLayout::Parse(const std::string& text)
{
    std::string_view parts[6];
    FieldReader fields(text, '/');
    std::size_t count = 0;
    for (std::string_view field; fields.Next(field);) {
        if (count == 6) {
            return 0; // a seventh field
        }
        parts[count++] = field;
    }
    int32_t canvas[2] = {0, 0};
    if (count != 6 || ReadNumbers(parts[3], canvas, 2) < 2) {
        return 0;
    }
    const int32_t rows = ToInt(parts[0]);
    const int32_t columns = ToInt(parts[1]);
    // The grid arithmetic divides by both counts and the bar ids hold eight
    // bits of each, so a grid outside 1..255 cannot be represented. A text
    // longer than any layout of its grid is refused before it is read, so
    // that reading takes a time the grid bounds.
    if (!InGridRange(rows) || !InGridRange(columns) || text.size() > MaxTextLength(rows, columns)) {
        return 0;
    }
    // A canvas side below 1 has no cells to give, and the most negative one
    // overflows the cell arithmetic.
    if (!InCanvasRange(canvas[0]) || !InCanvasRange(canvas[1])) {
        return 0;
    }
    m_rows = rows;
    m_columns = columns;
    m_count = ToInt(parts[2]);
    m_width = canvas[0];
    m_height = canvas[1];
    m_splitters.clear();
    m_cells.clear();

    if (!parts[4].empty()) {
        FieldReader entries(parts[4], '-');
        for (std::string_view entry; entries.Next(entry);) {
            int32_t n[6];
            // An entry short of numbers (a doubled or trailing '-') is
            // skipped, and so is one that names no bar of this grid: it
            // could never be drawn, and its geometry would lie off the canvas.
            if (ReadNumbers(entry, n, 6) < 6 || !IsGridBar(n[0], rows, columns)) {
                continue;
            }
            m_splitters[n[0]] = {n[1], {n[2], n[3], n[4], n[5]}};
        }
    }
    if (!parts[5].empty()) {
        // A grid has no more cells than grid cells: what follows is not read.
        const int32_t gridCells = rows * columns;
        FieldReader entries(parts[5], '-');
        int32_t index = 0;
        for (std::string_view entry; index < gridCells && entries.Next(entry); ++index) {
            int32_t n[4];
            if (ReadNumbers(entry, n, 4) == 4) {
                m_cells[index] = {n[0], n[1], n[2], n[3]};
            }
        }
    }
    return 1;
}

int CQTVideoWindowLayout::Serialize(std::string& out) const
{
    out = std::to_string(m_rows) + '/' + std::to_string(m_columns) + '/' + std::to_string(m_count) + '/' +
          std::to_string(m_width) + ':' + std::to_string(m_height) + '/';
    if (m_splitters.empty()) {
        out += '/';
    } else {
        std::size_t written = 0;
        for (const auto& [id, bar] : m_splitters) {
            out += std::to_string(id) + ':' + std::to_string(bar.flag) + ':' + std::to_string(bar.rect.left) + ':' +
                   std::to_string(bar.rect.top) + ':' + std::to_string(bar.rect.right) + ':' +
                   std::to_string(bar.rect.bottom);
            out += ++written < m_splitters.size() ? '-' : '/';
        }
    }
    // A cell is numbered by its place in the list; a number a text left out
    // (an entry that was skipped) is written as an empty entry, which is
    // skipped again, so every cell keeps its number.
    int32_t separators = 0;
    for (const auto& [index, rect] : m_cells) {
        for (; separators < index; ++separators) {
            out += '-';
        }
        out += std::to_string(rect.left) + ':' + std::to_string(rect.top) + ':' + std::to_string(rect.right) + ':' +
               std::to_string(rect.bottom);
    }
    return 1;
}

KWSplitter& CQTVideoWindowLayout::Bar(int32_t id)
{
    const auto found = m_splitters.find(id);
    if (found != m_splitters.end()) {
        return found->second;
    }
    return m_splitters[id] = {1, BarRect(id, m_rows, m_columns, m_width, m_height)};
}

void CQTVideoWindowLayout::RebuildCells()
{
    struct GridCell {
        RECT rect;
        int label;
        int32_t right; // vertical bar to the right, -1 none
        int32_t below; // horizontal bar below, -1 none
    };
    const int rows = m_rows;
    const int columns = m_columns;
    std::vector<GridCell> grid(static_cast<std::size_t>(rows * columns));
    auto at = [&grid, columns](int r, int c) -> GridCell& { return grid[static_cast<std::size_t>(r * columns + c)]; };
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            at(r, c) = {GridCellRect(r, c, rows, columns, m_width, m_height), -1, c < columns - 1 ? VerticalId(r, c) : -1,
                        r < rows - 1 ? HorizontalId(r, c) : -1};
        }
    }
    auto join = [](GridCell& self, GridCell& neighbour) {
        if (neighbour.label == -1 || neighbour.label > self.label) {
            neighbour.label = self.label;
        } else {
            self.label = neighbour.label;
        }
    };
    int next = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            GridCell& cell = at(r, c);
            if (cell.label == -1) {
                cell.label = next++;
            }
            if (cell.right != -1 && Bar(cell.right).flag == 0) {
                join(cell, at(r, c + 1));
            }
            if (cell.below != -1 && Bar(cell.below).flag == 0) {
                join(cell, at(r + 1, c));
            }
        }
    }
    // A join that hands a cell an earlier label can leave a label unused
    // (shapes that are not rectangles); numbering the labels in order of
    // first appearance keeps count equal to the cells that exist. For
    // rectangular blocks this is the numbering as labelled.
    std::vector<int> renumber(static_cast<std::size_t>(next), -1);
    int count = 0;
    m_cells.clear();
    for (const GridCell& cell : grid) {
        int& number = renumber[static_cast<std::size_t>(cell.label)];
        if (number == -1) {
            number = count++;
            m_cells[number] = cell.rect;
        } else {
            RECT& block = m_cells[number];
            block.right = cell.rect.right;
            block.bottom = cell.rect.bottom;
        }
    }
    m_count = count;
}

int CQTVideoWindowLayout::SetRows(int rows)
{
    if (rows == m_rows || !InGridRange(rows)) {
        return 0;
    }
    RefitGrid(rows, m_columns);
    return 1;
}

int CQTVideoWindowLayout::SetColumns(int columns)
{
    if (columns == m_columns || !InGridRange(columns)) {
        return 0;
    }
    RefitGrid(m_rows, columns);
    return 1;
}

void CQTVideoWindowLayout::RefitGrid(int rows, int columns)
{
    const int uptoRows = std::max(rows, m_rows);
    const int uptoColumns = std::max(columns, m_columns);
    for (int r = 0; r < uptoRows; ++r) {
        for (int c = 0; c < uptoColumns; ++c) {
            RefitBar(VerticalId(r, c), r < rows && c < columns - 1, rows, columns);
            RefitBar(HorizontalId(r, c), r < rows - 1 && c < columns, rows, columns);
        }
    }
    m_rows = rows;
    m_columns = columns;
    RebuildCells();
}

void CQTVideoWindowLayout::RefitBar(int32_t id, bool inGrid, int rows, int columns)
{
    const auto found = m_splitters.find(id);
    if (!inGrid) {
        if (found != m_splitters.end()) {
            m_splitters.erase(found);
        }
        return;
    }
    const RECT rect = BarRect(id, rows, columns, m_width, m_height);
    if (found != m_splitters.end()) {
        found->second.rect = rect;
    } else {
        m_splitters[id] = {1, rect};
    }
}

int CQTVideoWindowLayout::Resize(int width, int height)
{
    if ((width == m_width && height == m_height) || !InCanvasRange(width) || !InCanvasRange(height)) {
        return 0;
    }
    for (auto& [id, bar] : m_splitters) {
        bar.rect = BarRect(id, m_rows, m_columns, width, height);
    }
    m_width = width;
    m_height = height;
    RebuildCells();
    return 1;
}

void CQTVideoWindowLayout::GetSize(int& width, int& height) const
{
    width = m_width;
    height = m_height;
}

void CQTVideoWindowLayout::CopyFrom(const CQTVideoWindowLayout& other)
{
    const int width = m_width;
    const int height = m_height;
    m_rows = other.m_rows;
    m_columns = other.m_columns;
    m_count = other.m_count;
    m_width = other.m_width;
    m_height = other.m_height;
    m_cells.clear();
    m_splitters = other.m_splitters;
    if (Resize(width, height) == 0) {
        RebuildCells();
    }
}

bool CQTVideoWindowLayout::GetCell(int index, RECT& rect) const
{
    const auto found = m_cells.find(index);
    if (found == m_cells.end()) {
        return false;
    }
    rect = found->second;
    return true;
}

void CQTVideoWindowLayout::Select(int32_t id)
{
    m_selection[id] = Bar(id).rect;
}

int CQTVideoWindowLayout::SelectSplitterAt(int x, int y)
{
    m_selection.clear();
    for (const auto& [id, bar] : m_splitters) {
        if (x >= bar.rect.left && x <= bar.rect.right && y >= bar.rect.top && y <= bar.rect.bottom) {
            SelectLine(id, bar.flag != 0);
            return 1;
        }
    }
    return 0;
}

// The walk along a line can pass every bar of the grid, so it keeps its own
// stack of steps rather than recursing once per bar. Steps are taken last in,
// first out, which keeps the order of a depth-first walk: the whole line of a
// claimed bar is followed before the next step of the junction that led to it.
void CQTVideoWindowLayout::SelectLine(int32_t id, bool active)
{
    std::vector<WalkStep> pending {{WalkStep::Claim, id, {}, active}};
    while (!pending.empty()) {
        const WalkStep step = pending.back();
        pending.pop_back();
        if (step.kind == WalkStep::Claim) {
            if (!IsSelected(step.bar)) {
                Select(step.bar);
                PushJunctions(step.bar, step.active, pending);
            }
        } else if (step.active) {
            ExtendActive(step.junction, pending);
        } else {
            ExtendInactive(step.junction, pending);
        }
    }
}

void CQTVideoWindowLayout::PushJunctions(int32_t id, bool active, std::vector<WalkStep>& pending) const
{
    const int r = RowOf(id);
    const int c = ColumnOf(id);
    // The left or top end is looked at first, so it is pushed last.
    if (IsVertical(id)) {
        if (r < m_rows - 1) {
            pending.push_back({WalkStep::Extend, 0, {HorizontalId(r, c), HorizontalId(r, c + 1), VerticalId(r + 1, c)}, active});
        }
        if (r > 0) {
            pending.push_back(
                {WalkStep::Extend, 0, {HorizontalId(r - 1, c), HorizontalId(r - 1, c + 1), VerticalId(r - 1, c)}, active});
        }
    } else {
        if (c < m_columns - 1) {
            pending.push_back({WalkStep::Extend, 0, {VerticalId(r, c), VerticalId(r + 1, c), HorizontalId(r, c + 1)}, active});
        }
        if (c > 0) {
            pending.push_back(
                {WalkStep::Extend, 0, {VerticalId(r, c - 1), VerticalId(r + 1, c - 1), HorizontalId(r, c - 1)}, active});
        }
    }
}

void CQTVideoWindowLayout::ExtendActive(const Junction& junction, std::vector<WalkStep>& pending)
{
    const int fa = IsSelected(junction.a) ? 0 : Bar(junction.a).flag;
    const int fb = IsSelected(junction.b) ? 0 : Bar(junction.b).flag;
    const int fc = IsSelected(junction.continuation) ? 0 : Bar(junction.continuation).flag;
    if (fa != 0 && fb != 0) {
        return; // the line meets a crossing line
    }
    if (fa != 0 || fb != 0) {
        // The continuation, then the active crossing bar; each is claimed
        // only when the walks before it have left it unselected.
        if (fb != 0) {
            pending.push_back({WalkStep::Claim, junction.b, {}, true});
        }
        if (fa != 0) {
            pending.push_back({WalkStep::Claim, junction.a, {}, true});
        }
        pending.push_back({WalkStep::Claim, junction.continuation, {}, true});
    } else if (fc != 0) {
        pending.push_back({WalkStep::Claim, junction.continuation, {}, true});
    }
}

void CQTVideoWindowLayout::ExtendInactive(const Junction& junction, std::vector<WalkStep>& pending)
{
    if (Bar(junction.a).flag == 0 && Bar(junction.b).flag == 0 && Bar(junction.continuation).flag == 0) {
        pending.push_back({WalkStep::Claim, junction.continuation, {}, false});
    }
}

int CQTVideoWindowLayout::ToggleSelection()
{
    if (m_selection.empty()) {
        return 0;
    }
    // A selected bar that a change of the grid or a new layout string has
    // removed since is not brought back: it would lie outside the grid.
    for (const auto& entry : m_selection) {
        const auto found = m_splitters.find(entry.first);
        if (found != m_splitters.end()) {
            found->second.flag = found->second.flag == 0 ? 1 : 0;
        }
    }
    RebuildCells();
    return 1;
}
