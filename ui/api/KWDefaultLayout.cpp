#include "ui/api/KWDefaultLayout.h"

#include <array>
#include <initializer_list>

namespace {

constexpr int kMaxGrid = 255;
constexpr int kCanvasWidth = 400;
constexpr int kCanvasHeight = 300;
constexpr int kBarHalfWidth = 5;
constexpr int kVerticalBarFlag = 0x10000;

struct DefaultLayoutSpec {
    int rows;
    int columns;
    std::vector<KWLayoutBlock> blocks;
};

std::string Join(const std::vector<std::string>& parts)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text += '-';
        }
        text += parts[i];
    }
    return text;
}

std::string Numbers(std::initializer_list<long long> values)
{
    std::string text;
    bool first = true;
    for (long long value : values) {
        if (!first) {
            text += ':';
        }
        first = false;
        text += std::to_string(value);
    }
    return text;
}

} // namespace

std::string KWBuildLayoutString(int rows, int columns, int width, int height, const std::vector<KWLayoutBlock>& blocks)
{
    if (rows < 1 || columns < 1 || rows > kMaxGrid || columns > kMaxGrid) {
        return {};
    }
    // owner[r][c]: the window a grid cell belongs to; blocks first, then
    // every free cell on its own.
    std::vector<std::vector<int>> owner(static_cast<std::size_t>(rows), std::vector<int>(static_cast<std::size_t>(columns), -1));
    struct Window {
        int row, column, rows, columns;
    };
    std::vector<Window> windows;
    for (const KWLayoutBlock& block : blocks) {
        if (block.rows < 1 || block.columns < 1 || block.row < 0 || block.column < 0 || block.row + block.rows > rows ||
            block.column + block.columns > columns) {
            return {};
        }
        const int index = static_cast<int>(windows.size());
        for (int r = block.row; r < block.row + block.rows; ++r) {
            for (int c = block.column; c < block.column + block.columns; ++c) {
                int& cell = owner[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                if (cell != -1) {
                    return {};
                }
                cell = index;
            }
        }
        windows.push_back({block.row, block.column, block.rows, block.columns});
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            int& cell = owner[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (cell == -1) {
                cell = static_cast<int>(windows.size());
                windows.push_back({r, c, 1, 1});
            }
        }
    }
    auto ownerOf = [&owner](int r, int c) { return owner[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; };

    const int cw = width / columns;
    const int ch = height / rows;

    std::vector<std::string> bars;
    for (int r = rows - 2; r >= 0; --r) {
        for (int c = columns - 1; c >= 0; --c) {
            const int id = r * 256 + c;
            const int flag = ownerOf(r, c) == ownerOf(r + 1, c) ? 0 : 1;
            const int y = (r + 1) * ch;
            bars.push_back(Numbers({id, flag, c * cw, y - kBarHalfWidth, (c + 1) * cw, y + kBarHalfWidth}));
        }
    }
    for (int r = rows - 1; r >= 0; --r) {
        for (int c = columns - 2; c >= 0; --c) {
            const int id = kVerticalBarFlag + r * 256 + c;
            const int flag = ownerOf(r, c) == ownerOf(r, c + 1) ? 0 : 1;
            const int x = (c + 1) * cw;
            bars.push_back(Numbers({id, flag, x - kBarHalfWidth, r * ch, x + kBarHalfWidth, (r + 1) * ch}));
        }
    }

    // Windows in reading order of their top-left cell, then written last first.
    std::vector<std::string> cells;
    for (int r = rows - 1; r >= 0; --r) {
        for (int c = columns - 1; c >= 0; --c) {
            const Window& window = windows[static_cast<std::size_t>(ownerOf(r, c))];
            if (window.row == r && window.column == c) {
                cells.push_back(Numbers({c * cw, r * ch, (c + window.columns) * cw, (r + window.rows) * ch}));
            }
        }
    }

    return std::to_string(rows) + '/' + std::to_string(columns) + '/' + std::to_string(windows.size()) + '/' +
           std::to_string(width) + ':' + std::to_string(height) + '/' + Join(bars) + '/' + Join(cells);
}

const char* KWDefaultLayoutString(int type)
{
    static const std::array<std::string, 10> strings = [] {
        const std::array<DefaultLayoutSpec, 10> specs = {{
            {1, 1, {}},
            {2, 2, {}},
            {3, 3, {{0, 0, 2, 2}}},
            {4, 4, {{0, 0, 3, 3}}},
            {3, 3, {}},
            {4, 4, {{1, 1, 2, 2}}},
            {4, 4, {}},
            {6, 6, {{0, 0, 3, 3}, {0, 3, 3, 3}}},
            {5, 5, {}},
            {6, 6, {}},
        }};
        std::array<std::string, 10> built;
        for (std::size_t i = 0; i < specs.size(); ++i) {
            built[i] = KWBuildLayoutString(specs[i].rows, specs[i].columns, kCanvasWidth, kCanvasHeight, specs[i].blocks);
        }
        return built;
    }();
    if (type < 0 || type >= static_cast<int>(strings.size())) {
        return nullptr;
    }
    return strings[static_cast<std::size_t>(type)].c_str();
}
