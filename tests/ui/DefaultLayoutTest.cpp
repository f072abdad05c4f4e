#include "ui/api/KWDefaultLayout.h"
#include "ui/api/KWVideoWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator)) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back();
    }
    return parts;
}

std::vector<int> Numbers(const std::string& text)
{
    std::vector<int> values;
    for (const std::string& part : Split(text, ':')) {
        values.push_back(std::stoi(part));
    }
    return values;
}

struct Rect {
    int l, t, r, b;
    bool operator==(const Rect& o) const { return l == o.l && t == o.t && r == o.r && b == o.b; }
    bool operator<(const Rect& o) const { return std::tie(l, t, r, b) < std::tie(o.l, o.t, o.r, o.b); }
};

// What the layout engine will do with a string: read the grid and the bars,
// join the grid cells across every flag-0 bar, and derive the windows.
struct ParsedLayout {
    int rows = 0, columns = 0, count = 0, width = 0, height = 0;
    std::map<int, std::pair<int, Rect>> bars; // id -> {flag, rectangle}
    std::vector<Rect> cells;
    std::vector<Rect> rebuiltCells;
    bool duplicateBar = false;
};

ParsedLayout Parse(const std::string& text)
{
    ParsedLayout layout;
    const std::vector<std::string> fields = Split(text, '/');
    EXPECT_EQ(fields.size(), 6u) << text;
    if (fields.size() != 6) {
        return layout;
    }
    layout.rows = std::stoi(fields[0]);
    layout.columns = std::stoi(fields[1]);
    layout.count = std::stoi(fields[2]);
    const std::vector<int> canvas = Numbers(fields[3]);
    layout.width = canvas.at(0);
    layout.height = canvas.at(1);
    if (!fields[4].empty()) {
        for (const std::string& bar : Split(fields[4], '-')) {
            const std::vector<int> v = Numbers(bar);
            EXPECT_EQ(v.size(), 6u) << bar;
            layout.duplicateBar |= layout.bars.count(v.at(0)) != 0;
            layout.bars[v.at(0)] = {v.at(1), Rect{v.at(2), v.at(3), v.at(4), v.at(5)}};
        }
    }
    for (const std::string& cell : Split(fields[5], '-')) {
        const std::vector<int> v = Numbers(cell);
        EXPECT_EQ(v.size(), 4u) << cell;
        layout.cells.push_back(Rect{v.at(0), v.at(1), v.at(2), v.at(3)});
    }

    // Union-find over grid cells, joined across inactive bars.
    const int rows = layout.rows, columns = layout.columns;
    std::vector<int> parent(static_cast<std::size_t>(rows * columns));
    std::iota(parent.begin(), parent.end(), 0);
    std::function<int(int)> find = [&](int i) { return parent[i] == i ? i : parent[i] = find(parent[i]); };
    for (const auto& [id, bar] : layout.bars) {
        if (bar.first != 0) {
            continue;
        }
        const int r = (id >> 8) & 0xFF, c = id & 0xFF;
        const int other = (id & 0xFF0000) != 0 ? r * columns + c + 1 : (r + 1) * columns + c;
        parent[find(r * columns + c)] = find(other);
    }
    const int cw = layout.width / columns, ch = layout.height / rows;
    std::map<int, Rect> blocks;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const Rect cell{c * cw, r * ch, (c + 1) * cw, (r + 1) * ch};
            auto [it, inserted] = blocks.emplace(find(r * columns + c), cell);
            if (!inserted) {
                it->second.r = std::max(it->second.r, cell.r);
                it->second.b = std::max(it->second.b, cell.b);
            }
        }
    }
    for (const auto& [root, rect] : blocks) {
        layout.rebuiltCells.push_back(rect);
    }
    return layout;
}

struct LayoutCase {
    int type;
    int rows;
    int columns;
    int windows;
    std::vector<Rect> mergedBlocks; // in canvas units
};

TEST(DefaultLayout, TypesZeroAndOneAreTheDocumentedStrings)
{
    EXPECT_STREQ(CKWVideoWindow::GetDefaultLayout(LAYOUT_1), "1/1/1/400:300//0:0:400:300");
    EXPECT_STREQ(CKWVideoWindow::GetDefaultLayout(LAYOUT_4),
                 "2/2/4/400:300/1:1:200:145:400:155-0:1:0:145:200:155-65792:1:195:150:205:300-65536:1:195:0:205:150/"
                 "200:150:400:300-0:150:200:300-200:0:400:150-0:0:200:150");
}

TEST(DefaultLayout, EveryStringDescribesItsGridAndParsesBackToItsWindows)
{
    const std::vector<LayoutCase> cases = {
        {0, 1, 1, 1, {}},
        {1, 2, 2, 4, {}},
        {2, 3, 3, 6, {{0, 0, 266, 200}}},
        {3, 4, 4, 8, {{0, 0, 300, 225}}},
        {4, 3, 3, 9, {}},
        {5, 4, 4, 13, {{100, 75, 300, 225}}},
        {6, 4, 4, 16, {}},
        {7, 6, 6, 20, {{0, 0, 198, 150}, {198, 0, 396, 150}}},
        {8, 5, 5, 25, {}},
        {9, 6, 6, 36, {}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type));
        const char* text = CKWVideoWindow::GetDefaultLayout(static_cast<LAYOUT_TYPE>(c.type));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text, CKWVideoWindow::GetDefaultLayout(static_cast<LAYOUT_TYPE>(c.type))); // built once
        const ParsedLayout layout = Parse(text);
        EXPECT_EQ(layout.rows, c.rows);
        EXPECT_EQ(layout.columns, c.columns);
        EXPECT_EQ(layout.count, c.windows);
        EXPECT_EQ(layout.width, 400);
        EXPECT_EQ(layout.height, 300);
        EXPECT_FALSE(layout.duplicateBar);
        EXPECT_EQ(layout.bars.size(), static_cast<std::size_t>((c.rows - 1) * c.columns + c.rows * (c.columns - 1)));
        EXPECT_EQ(layout.cells.size(), static_cast<std::size_t>(c.windows));

        const int cw = 400 / c.columns, ch = 300 / c.rows;
        auto insideMerged = [&](const Rect& r) {
            for (const Rect& block : c.mergedBlocks) {
                if (r.l >= block.l && r.r <= block.r && r.t >= block.t && r.b <= block.b) {
                    return true;
                }
            }
            return false;
        };
        for (const auto& [id, bar] : layout.bars) {
            const int r = (id >> 8) & 0xFF, col = id & 0xFF;
            const bool vertical = (id & 0xFF0000) != 0;
            Rect expected{};
            Rect span{}; // the two cells the bar separates
            if (vertical) {
                ASSERT_LT(col, c.columns - 1);
                ASSERT_LT(r, c.rows);
                expected = {(col + 1) * cw - 5, r * ch, (col + 1) * cw + 5, (r + 1) * ch};
                span = {col * cw, r * ch, (col + 2) * cw, (r + 1) * ch};
            } else {
                ASSERT_LT(r, c.rows - 1);
                ASSERT_LT(col, c.columns);
                expected = {col * cw, (r + 1) * ch - 5, (col + 1) * cw, (r + 1) * ch + 5};
                span = {col * cw, r * ch, (col + 1) * cw, (r + 2) * ch};
            }
            EXPECT_EQ(bar.second, expected) << "bar " << id;
            EXPECT_EQ(bar.first, insideMerged(span) ? 0 : 1) << "bar " << id;
        }

        // The listed windows are the ones the bars imply.
        std::vector<Rect> listed = layout.cells;
        std::vector<Rect> rebuilt = layout.rebuiltCells;
        std::sort(listed.begin(), listed.end());
        std::sort(rebuilt.begin(), rebuilt.end());
        EXPECT_EQ(listed, rebuilt);
        // The last column and row end at count x step, not at the canvas edge.
        int right = 0, bottom = 0;
        for (const Rect& cell : layout.cells) {
            right = std::max(right, cell.r);
            bottom = std::max(bottom, cell.b);
        }
        EXPECT_EQ(right, c.columns * cw);
        EXPECT_EQ(bottom, c.rows * ch);
    }
}

TEST(DefaultLayout, TypesOutsideTheBuiltInRangeGiveNull)
{
    for (int type : {10, 11, 100, -1}) {
        EXPECT_EQ(CKWVideoWindow::GetDefaultLayout(static_cast<LAYOUT_TYPE>(type)), nullptr) << type;
    }
}

TEST(DefaultLayout, GeneratorRefusesGridsItCannotEncode)
{
    EXPECT_EQ(KWBuildLayoutString(0, 2, 400, 300, {}), "");
    EXPECT_EQ(KWBuildLayoutString(256, 1, 400, 300, {}), "");
    EXPECT_EQ(KWBuildLayoutString(2, 2, 400, 300, {{1, 1, 2, 1}}), "");                 // block past the grid
    EXPECT_EQ(KWBuildLayoutString(3, 3, 400, 300, {{0, 0, 2, 2}, {1, 1, 2, 2}}), ""); // overlapping blocks
    EXPECT_EQ(KWBuildLayoutString(1, 2, 400, 300, {{0, 0, 1, 2}}), "1/2/1/400:300/65536:0:195:0:205:300/0:0:400:300");
}

} // namespace
