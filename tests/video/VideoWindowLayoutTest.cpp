#include "ui/video/QTVideoWindowLayout.h"

#include "tests/common/KWTestKit.h"
#include "ui/api/KWVideoWindow.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

struct R {
    int l, t, r, b;
};

void ExpectRect(const RECT& actual, const R& expected, const std::string& what)
{
    EXPECT_EQ(actual.left, expected.l) << what;
    EXPECT_EQ(actual.top, expected.t) << what;
    EXPECT_EQ(actual.right, expected.r) << what;
    EXPECT_EQ(actual.bottom, expected.b) << what;
}

// A default layout as the video window applies it: parse, refit to its own
// canvas, rebuild.
CQTVideoWindowLayout Applied(LAYOUT_TYPE type, int width = 400, int height = 300)
{
    CQTVideoWindowLayout layout(1, 1, width, height);
    EXPECT_EQ(layout.Parse(CKWVideoWindow::GetDefaultLayout(type)), 1);
    if (layout.Resize(width, height) == 0) {
        layout.RebuildCells();
    }
    return layout;
}

std::string Text(const CQTVideoWindowLayout& layout)
{
    std::string text;
    layout.Serialize(text);
    return text;
}

// Parses a 255 x 255 layout whose active bars form one snake: every other
// inner horizontal line, from the second column boundary to the last but
// one, each joined to the next by a two-row connector at alternate ends. A
// walk along it has to follow it bar by bar. Returns the snake's bars.
std::set<int32_t> ParseSnake(CQTVideoWindowLayout& layout)
{
    using L = CQTVideoWindowLayout;
    const int n = L::kMaxGrid;
    std::set<int32_t> snake;
    for (int line = 1; line < n - 1; line += 2) {
        for (int c = 1; c < n - 1; ++c) {
            snake.insert(L::HorizontalId(line - 1, c));
        }
        if (line + 2 < n) {
            const int c = (line / 2) % 2 == 0 ? n - 2 : 0;
            snake.insert(L::VerticalId(line, c));
            snake.insert(L::VerticalId(line + 1, c));
        }
    }
    const int size = n * 10;
    std::string text = std::to_string(n) + '/' + std::to_string(n) + "/1/" + std::to_string(size) + ':' + std::to_string(size) + '/';
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            for (const int32_t id : {r < n - 1 ? L::HorizontalId(r, c) : -1, c < n - 1 ? L::VerticalId(r, c) : -1}) {
                if (id != -1) {
                    const RECT bar = L::BarRect(id, n, n, size, size);
                    text += std::to_string(id) + ':' + (snake.count(id) != 0 ? '1' : '0') + ':' + std::to_string(bar.left) + ':' +
                            std::to_string(bar.top) + ':' + std::to_string(bar.right) + ':' + std::to_string(bar.bottom) + '-';
                }
            }
        }
    }
    text.back() = '/';
    EXPECT_EQ(layout.Parse(text), 1);
    return snake;
}

// Everything a layout holds, in a form that compares and prints: grid,
// count and canvas, then one line per bar (0), cell (1) and selected bar (2).
std::vector<std::vector<int32_t>> Contents(const CQTVideoWindowLayout& layout)
{
    int width = 0;
    int height = 0;
    layout.GetSize(width, height);
    std::vector<std::vector<int32_t>> all {{layout.GetRows(), layout.GetColumns(), layout.GetCount(), width, height}};
    for (const auto& [id, bar] : layout.GetSplitters()) {
        all.push_back({0, id, bar.flag, bar.rect.left, bar.rect.top, bar.rect.right, bar.rect.bottom});
    }
    for (const auto& [index, rect] : layout.GetCells()) {
        all.push_back({1, index, rect.left, rect.top, rect.right, rect.bottom});
    }
    for (const auto& [id, rect] : layout.GetSelection()) {
        all.push_back({2, id, rect.left, rect.top, rect.right, rect.bottom});
    }
    return all;
}

// The layout read back from its own text must be the layout, and the
// selection it keeps must toggle the same bars.
void ExpectSurvivesItsText(const CQTVideoWindowLayout& layout, const std::string& what)
{
    CQTVideoWindowLayout again = layout;
    const std::string text = Text(layout);
    ASSERT_EQ(again.Parse(text), 1) << what << ": " << text;
    ASSERT_EQ(Contents(again), Contents(layout)) << what << ": " << text;
    CQTVideoWindowLayout toggled = layout;
    toggled.ToggleSelection();
    again.ToggleSelection();
    EXPECT_EQ(Contents(again), Contents(toggled)) << what << ": " << text;
}

// The text with one entry of its bar or cell field emptied, as a text that
// leaves out a bar or a cell number reads.
std::string WithEntryLeftOut(const std::string& text, std::mt19937& random)
{
    const std::size_t fieldStart = text.find('/', text.find(':')) + 1; // after the canvas
    const std::size_t cellsStart = text.find('/', fieldStart) + 1;
    const bool bars = random() % 2 == 0;
    const std::size_t begin = bars ? fieldStart : cellsStart;
    const std::size_t end = bars ? cellsStart - 1 : text.size();
    std::vector<std::size_t> starts {begin};
    for (std::size_t at = text.find('-', begin); at < end; at = text.find('-', at + 1)) {
        starts.push_back(at + 1);
    }
    const std::size_t pick = random() % starts.size();
    const std::size_t stop = pick + 1 < starts.size() ? starts[pick + 1] - 1 : end;
    return text.substr(0, starts[pick]) + text.substr(stop);
}

} // namespace

TEST(VideoWindowLayoutTest, FreshSingleCellWritesAnEmptySplitterField)
{
    CQTVideoWindowLayout layout(1, 1, 400, 300);
    EXPECT_EQ(Text(layout), "1/1/1/400:300//0:0:399:299");
}

TEST(VideoWindowLayoutTest, RemaindersGoToTheLastColumnAndRow)
{
    CQTVideoWindowLayout layout(7, 3, 400, 300);
    ASSERT_EQ(layout.GetCount(), 21);
    RECT cell;
    ASSERT_TRUE(layout.GetCell(0, cell));
    ExpectRect(cell, {0, 0, 132, 41}, "first cell");
    ASSERT_TRUE(layout.GetCell(20, cell));
    ExpectRect(cell, {266, 252, 399, 299}, "last cell takes both remainders");
    const auto& bars = layout.GetSplitters();
    EXPECT_EQ(bars.size(), 6u * 3u + 7u * 2u);
    ExpectRect(bars.at(CQTVideoWindowLayout::VerticalId(0, 0)).rect, {128, 0, 137, 41}, "vertical bar");
    ExpectRect(bars.at(CQTVideoWindowLayout::HorizontalId(5, 2)).rect, {266, 247, 399, 256}, "horizontal bar");
}

TEST(VideoWindowLayoutTest, EveryDefaultLayoutRebuildsToItsWindowCount)
{
    const struct {
        LAYOUT_TYPE type;
        int rows, columns, count;
    } rows[] = {
        {LAYOUT_1, 1, 1, 1},   {LAYOUT_4, 2, 2, 4},   {LAYOUT_6, 3, 3, 6},   {LAYOUT_8, 4, 4, 8},
        {LAYOUT_9, 3, 3, 9},   {LAYOUT_13, 4, 4, 13}, {LAYOUT_16, 4, 4, 16}, {LAYOUT_20, 6, 6, 20},
        {LAYOUT_25, 5, 5, 25}, {LAYOUT_36, 6, 6, 36},
    };
    for (const auto& row : rows) {
        const CQTVideoWindowLayout layout = Applied(row.type);
        EXPECT_EQ(layout.GetRows(), row.rows) << row.type;
        EXPECT_EQ(layout.GetColumns(), row.columns) << row.type;
        EXPECT_EQ(layout.GetCount(), row.count) << row.type;
        EXPECT_EQ(static_cast<int>(layout.GetCells().size()), row.count) << row.type;
    }
}

TEST(VideoWindowLayoutTest, SixWindowLayoutNumbersTheBlockFirstThenReadingOrder)
{
    const CQTVideoWindowLayout layout = Applied(LAYOUT_6);
    const std::vector<R> expected = {
        {0, 0, 265, 199}, {266, 0, 399, 99}, {266, 100, 399, 199}, {0, 200, 132, 299}, {133, 200, 265, 299}, {266, 200, 399, 299},
    };
    for (int i = 0; i < 6; ++i) {
        RECT cell;
        ASSERT_TRUE(layout.GetCell(i, cell));
        ExpectRect(cell, expected[static_cast<std::size_t>(i)], "cell " + std::to_string(i));
    }
}

TEST(VideoWindowLayoutTest, SerializeAfterParseListsBarsByAscendingId)
{
    CQTVideoWindowLayout layout(1, 1, 400, 300);
    ASSERT_EQ(layout.Parse(CKWVideoWindow::GetDefaultLayout(LAYOUT_4)), 1);
    EXPECT_EQ(Text(layout), "2/2/4/400:300/0:1:0:145:200:155-1:1:200:145:400:155-65536:1:195:0:205:150-"
                            "65792:1:195:150:205:300/200:150:400:300-0:150:200:300-200:0:400:150-0:0:200:150");
    layout.RebuildCells();
    CQTVideoWindowLayout again(1, 1, 1, 1);
    ASSERT_EQ(again.Parse(Text(layout)), 1);
    EXPECT_EQ(Text(again), Text(layout));
}

TEST(VideoWindowLayoutTest, ParseRefusesMalformedTextAndKeepsItsState)
{
    const char* refused[] = {
        "",
        "1/1/1/400:300/",            // five fields
        "1/1/1/400:300///",          // seven fields
        "0/1/1/400:300//",           // no rows: the grid cannot be divided
        "1/256/1/400:300//",         // a column count the bar ids cannot hold
        "1/1/1/400//",               // canvas without its height
        "2/2/4/-2147483648:200//",   // a side below 0 would overflow the grid arithmetic
        "2/2/4/200:0//",             // nor is an empty canvas one
        "2/2/4/2147483648:200//",    // beyond int
    };
    for (const char* text : refused) {
        CQTVideoWindowLayout layout(2, 2, 400, 300);
        const std::string before = Text(layout);
        EXPECT_EQ(layout.Parse(text), 0) << text;
        EXPECT_EQ(Text(layout), before) << text;
    }
}

TEST(VideoWindowLayoutTest, ParseSkipsShortEntriesAndReadsJunkAsZero)
{
    CQTVideoWindowLayout layout(1, 1, 400, 300);
    ASSERT_EQ(layout.Parse("2/2/x/400:300/65536:1:195:0:205-65536:0:195:0:205:300--/0:0:1:1--2:2:3:3"), 1);
    EXPECT_EQ(layout.GetCount(), 0);
    ASSERT_EQ(layout.GetSplitters().size(), 1u);
    EXPECT_EQ(layout.GetSplitters().at(0x10000).flag, 0);
    EXPECT_EQ(layout.GetCells().size(), 2u);
    EXPECT_TRUE(layout.HasCell(2));
    layout.RebuildCells();
    EXPECT_EQ(layout.GetCount(), 3);
}

TEST(VideoWindowLayoutTest, AddingARowKeepsJoinsAndStartsNewBarsActive)
{
    CQTVideoWindowLayout layout(2, 2, 400, 300);
    ASSERT_EQ(layout.SelectSplitterAt(100, 150), 1); // horizontal bar of the left column
    ASSERT_EQ(layout.ToggleSelection(), 1);
    ASSERT_EQ(layout.GetCount(), 3);

    ASSERT_EQ(layout.SetRows(3), 1);
    EXPECT_EQ(layout.GetCount(), 5);
    RECT cell;
    ASSERT_TRUE(layout.GetCell(0, cell));
    ExpectRect(cell, {0, 0, 199, 199}, "left column joined over two rows");
    EXPECT_EQ(layout.GetSplitters().at(CQTVideoWindowLayout::HorizontalId(1, 0)).flag, 1);
    EXPECT_EQ(layout.GetSplitters().at(CQTVideoWindowLayout::VerticalId(2, 0)).flag, 1);

    ASSERT_EQ(layout.SetRows(1), 1);
    EXPECT_EQ(layout.GetCount(), 2);
    EXPECT_EQ(layout.GetSplitters().size(), 1u);
    EXPECT_EQ(layout.SetRows(1), 0);
    EXPECT_EQ(layout.SetRows(0), 0);
    EXPECT_EQ(layout.SetColumns(256), 0);
}

TEST(VideoWindowLayoutTest, ColumnsChangeLikeRows)
{
    CQTVideoWindowLayout layout(2, 2, 400, 300);
    ASSERT_EQ(layout.SetColumns(4), 1);
    EXPECT_EQ(layout.GetCount(), 8);
    EXPECT_EQ(layout.GetSplitters().size(), 4u + 6u);
    ExpectRect(layout.GetSplitters().at(CQTVideoWindowLayout::VerticalId(1, 2)).rect, {295, 150, 304, 299}, "refitted bar");
    ASSERT_EQ(layout.SetColumns(1), 1);
    EXPECT_EQ(layout.GetCount(), 2);
}

TEST(VideoWindowLayoutTest, RowAndColumnChangesMirrorEachOther)
{
    using L = CQTVideoWindowLayout;
    const struct {
        const char* name;
        bool rows; // a third row, else a third column
        POINT join; // the bar toggled on the 2 x 2 grid first
        R block; // cell 0 once the grid has grown
        int32_t added; // a bar of the new row or column
        POINT onAdded;
    } rows[] = {
        {"a row keeps the left column joined", true, {100, 150}, {0, 0, 199, 199}, L::VerticalId(2, 0), {200, 250}},
        {"a column keeps the top row joined", false, {200, 50}, {0, 0, 265, 149}, L::HorizontalId(0, 2), {330, 150}},
    };
    for (const auto& row : rows) {
        L layout(2, 2, 400, 300);
        ASSERT_EQ(layout.SelectSplitterAt(row.join.x, row.join.y), 1) << row.name;
        ASSERT_EQ(layout.ToggleSelection(), 1) << row.name;
        ASSERT_EQ(row.rows ? layout.SetRows(3) : layout.SetColumns(3), 1) << row.name;
        EXPECT_EQ(layout.GetCount(), 5) << row.name;
        RECT cell;
        ASSERT_TRUE(layout.GetCell(0, cell)) << row.name;
        ExpectRect(cell, row.block, row.name);
        ASSERT_EQ(layout.GetSplitters().count(row.added), 1u) << row.name;
        EXPECT_EQ(layout.GetSplitters().at(row.added).flag, 1) << row.name << ": new bars start active";

        // A bar of the new row or column is selected, the grid shrinks back,
        // and the toggle that follows finds the bar gone: nothing outside
        // the 2 x 2 grid comes back.
        ASSERT_EQ(layout.SelectSplitterAt(row.onAdded.x, row.onAdded.y), 1) << row.name;
        ASSERT_EQ(layout.GetSelection().count(row.added), 1u) << row.name;
        ASSERT_EQ(row.rows ? layout.SetRows(2) : layout.SetColumns(2), 1) << row.name;
        layout.ToggleSelection();
        EXPECT_EQ(layout.GetSplitters().size(), 4u) << row.name;
        EXPECT_EQ(layout.GetSplitters().count(row.added), 0u) << row.name;
        EXPECT_EQ(layout.GetCount(), 3) << row.name << ": the join survives";
    }
}

TEST(VideoWindowLayoutTest, ClickingABarAndTogglingJoinsOrSplits)
{
    CQTVideoWindowLayout layout(2, 2, 400, 300);
    EXPECT_EQ(layout.ToggleSelection(), 0);
    EXPECT_EQ(layout.SelectSplitterAt(10, 10), 0);

    ASSERT_EQ(layout.SelectSplitterAt(200, 50), 1);
    ASSERT_EQ(layout.GetSelection().size(), 1u);
    ASSERT_EQ(layout.ToggleSelection(), 1);
    EXPECT_EQ(layout.GetCount(), 3);
    RECT cell;
    ASSERT_TRUE(layout.GetCell(0, cell));
    ExpectRect(cell, {0, 0, 399, 149}, "top row joined");

    // The lower edge of that block selects the whole line and the bar between
    // the cells below: toggling makes one 2 x 2 block.
    ASSERT_EQ(layout.SelectSplitterAt(100, 150), 1);
    EXPECT_EQ(layout.GetSelection().size(), 3u);
    ASSERT_EQ(layout.ToggleSelection(), 1);
    EXPECT_EQ(layout.GetCount(), 1);

    // An inactive bar inside the block splits it along its line.
    ASSERT_EQ(layout.SelectSplitterAt(200, 50), 1);
    EXPECT_EQ(layout.GetSelection().size(), 2u);
    ASSERT_EQ(layout.ToggleSelection(), 1);
    EXPECT_EQ(layout.GetCount(), 2);
    ASSERT_TRUE(layout.GetCell(1, cell));
    ExpectRect(cell, {200, 0, 399, 299}, "right half");
}

TEST(VideoWindowLayoutTest, ResizeRefitsBarsAndCopyKeepsTheCanvas)
{
    CQTVideoWindowLayout layout = Applied(LAYOUT_6, 800, 600);
    EXPECT_EQ(layout.Resize(800, 600), 0);
    RECT cell;
    ASSERT_TRUE(layout.GetCell(0, cell));
    ExpectRect(cell, {0, 0, 531, 399}, "block on the larger canvas");

    CQTVideoWindowLayout copy(1, 1, 200, 100);
    copy.SelectSplitterAt(0, 0);
    copy.CopyFrom(layout);
    int w = 0;
    int h = 0;
    copy.GetSize(w, h);
    EXPECT_EQ(w, 200);
    EXPECT_EQ(h, 100);
    EXPECT_EQ(copy.GetCount(), 6);
    ASSERT_TRUE(copy.GetCell(5, cell));
    ExpectRect(cell, {132, 66, 199, 99}, "last cell on the kept canvas");
}

TEST(VideoWindowLayoutTest, ALineAsLongAsTheWholeGridIsSelectedToItsEnd)
{
    CQTVideoWindowLayout layout(1, 1, 1, 1);
    const std::set<int32_t> snake = ParseSnake(layout);
    const RECT head = layout.GetSplitters().at(*snake.begin()).rect;
    ASSERT_EQ(layout.SelectSplitterAt(head.left + 2, head.top + 2), 1);
    std::size_t selected = 0;
    for (const int32_t id : snake) {
        selected += layout.GetSelection().count(id);
    }
    EXPECT_EQ(selected, snake.size());
}

TEST(VideoWindowLayoutTest, ParseReadsOnlyWhatTheGridCanHold)
{
    // Bars of no 2 x 2 grid are dropped: refitted, they would lie far off the
    // canvas, beyond what the coordinates can hold.
    CQTVideoWindowLayout layout(1, 1, 400, 300);
    ASSERT_EQ(layout.Parse("2/2/4/400:300/2147483647:1:0:0:1:1-65791:1:0:0:1:1-65536:1:195:0:205:150-513:1:0:0:1:1/"), 1);
    ASSERT_EQ(layout.GetSplitters().size(), 1u);
    EXPECT_EQ(layout.Resize(2147483647, 2147483646), 1);
    const std::string before = Text(layout);

    // A text full of numbers near 2^31, far longer than any 2 x 2 layout, is
    // refused without being read.
    std::string text = "2/2/2147483647/2147483647:2147483647/";
    while (text.size() < 32u * 1024 * 1024) {
        text += "2147483647:2147483646:2147483645:2147483644:2147483643:2147483642-";
    }
    text += "/0:0:1:1";
    const double start = KWThreadCpuSeconds();
    EXPECT_EQ(layout.Parse(text), 0);
    EXPECT_LT(KWThreadCpuSeconds() - start, 0.05);
    EXPECT_EQ(Text(layout), before);
}

TEST(VideoWindowLayoutTest, EveryLayoutSurvivesItsOwnText)
{
    using L = CQTVideoWindowLayout;
    // Bars of narrow grid cells reach past the canvas edge, and a canvas with
    // fewer units than the grid has cells that end before they begin.
    L small(4, 4, 400, 300);
    ASSERT_EQ(small.Resize(8, 6), 1);
    ExpectSurvivesItsText(small, "4 x 4 on 8 x 6");
    EXPECT_EQ(small.GetSplitters().size(), 24u);
    L tiny(3, 5, 2, 1);
    ExpectSurvivesItsText(tiny, "3 x 5 on 2 x 1");
    L largest(2, 2, INT_MAX, INT_MAX);
    ExpectSurvivesItsText(largest, "2 x 2 on the largest canvas");
    // A bar the text left out joins the map when the cells are rebuilt; a
    // cell number left out stays out.
    L missing(1, 1, 1, 1);
    ASSERT_EQ(missing.Parse("2/2/4/400:300/0:1:0:145:200:155/0:0:1:1--2:2:3:3"), 1);
    ExpectSurvivesItsText(missing, "cells 0 and 2");
    missing.RebuildCells();
    ExpectSurvivesItsText(missing, "bars added by the rebuild");
    // A canvas side below 1 is never held.
    L clamped(2, 2, 0, -5);
    EXPECT_EQ(clamped.Resize(INT_MIN, 200), 0);
    EXPECT_EQ(clamped.Resize(200, 0), 0);
    ExpectSurvivesItsText(clamped, "sides below 1");

    // Random sequences of what the video window and its editor do.
    std::mt19937 random(34);
    const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    L layout(1, 1, 400, 300);
    for (int step = 0; step < 2000; ++step) {
        int width = 0;
        int height = 0;
        layout.GetSize(width, height);
        switch (below(8)) {
        case 0: {
            const std::string text = below(2) == 0 ? Text(layout) : std::string(CKWVideoWindow::GetDefaultLayout(static_cast<LAYOUT_TYPE>(below(10))));
            layout.Parse(below(3) == 0 ? text : WithEntryLeftOut(text, random));
            break;
        }
        case 1: {
            const int sides[] = {1 + below(12), 1 + below(1000), INT_MAX - below(2), -below(3), INT_MIN};
            layout.Resize(sides[below(5)], sides[below(5)]);
            break;
        }
        case 2: layout.SetRows(1 + below(12)); break;
        case 3: layout.SetColumns(1 + below(12)); break;
        case 4: layout.ToggleSelection(); break;
        case 5: layout.RebuildCells(); break;
        case 6: layout.CopyFrom(L(1 + below(6), 1 + below(6), 1 + below(500), 1 + below(500))); break;
        default: {
            // Mostly on a bar, so that lines are selected.
            auto bar = layout.GetSplitters().begin();
            std::advance(bar, below(static_cast<int>(layout.GetSplitters().size()) + 1));
            const RECT r = bar != layout.GetSplitters().end() ? bar->second.rect : RECT {0, 0, width - 1, height - 1};
            layout.SelectSplitterAt(r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2);
        }
        }
        ExpectSurvivesItsText(layout, "step " + std::to_string(step));
        if (HasFailure()) {
            return;
        }
    }
}

TEST(VideoWindowLayoutTest, ParseStopsReadingCellsAtTheGridsNumberOfCells)
{
    // 1.5 million cells, where a 255 x 255 grid has 65,025.
    std::string text = "255/255/1/400:300//0:0:0:0";
    text.reserve(12u * 1000 * 1000);
    for (int i = 1; i < 1500000; ++i) {
        text += "-0:0:0:0";
    }
    CQTVideoWindowLayout layout(1, 1, 400, 300);
    const double start = KWThreadCpuSeconds();
    ASSERT_EQ(layout.Parse(text), 1);
    EXPECT_LT(KWThreadCpuSeconds() - start, 0.5);
    EXPECT_EQ(layout.GetCells().size(), 255u * 255u);
}
