// Every window's skin record starts from its own look and frame pieces; each
// value must land in the string the frame reads it from, by number.

#include "app/DialogSkin.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DialogSkin, EachValueLandsInItsNumberedString)
{
    const DialogLook look = { L"skin", L"interior", L"mode", L"colour", L"font", L"size", L"weight",
        L"colour1", L"colour2", L"align" };
    DialogFramePieces pieces;
    std::wstring rects[12];
    std::wstring modes[12];
    for (int i = 0; i < 12; ++i) {
        rects[i] = L"rect" + std::to_wstring(i);
        modes[i] = L"mode" + std::to_wstring(i);
        pieces[static_cast<size_t>(i)] = { rects[i].c_str(), modes[i].c_str() };
    }
    DialogStyle style;
    FillDialogLook(&style, look, pieces);

    const std::pair<int, const wchar_t*> strings[]
        = { { 0, L"skin" }, { 1, L"interior" }, { 2, L"mode" }, { 3, L"colour" }, { 45, L"font" },
              { 46, L"size" }, { 47, L"weight" }, { 48, L"colour1" }, { 49, L"colour2" }, { 53, L"align" } };
    for (const auto& [index, value] : strings) {
        EXPECT_EQ(style.Str(index), value) << "string " << index;
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(style.Str(4 + 2 * i), rects[i]) << "piece " << i;
        EXPECT_EQ(style.Str(5 + 2 * i), modes[i]) << "piece " << i;
    }
    // Nothing else is written.
    for (int i = 28; i < DialogStyle::kStringCount; ++i) {
        if (i < 45 || (i > 49 && i != 53)) {
            EXPECT_TRUE(style.Str(i).empty()) << "string " << i;
        }
    }
}

} // namespace
