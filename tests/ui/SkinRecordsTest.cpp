#include "ui/api/KWSkinRecords.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// The frame reader and the application's fillers address DialogStyle by
// number; the index table must reach 70 distinct strings in declaration order.
TEST(DialogStyle, StrReachesSeventyFieldsInDeclarationOrder)
{
    DialogStyle style;
    const auto* begin = reinterpret_cast<const char*>(&style);
    const auto* end = begin + sizeof(style);
    const std::wstring* previous = nullptr;
    for (int i = 0; i < DialogStyle::kStringCount; ++i) {
        const std::wstring* field = &style.Str(i);
        const auto* at = reinterpret_cast<const char*>(field);
        ASSERT_TRUE(at >= begin && at + sizeof(std::wstring) <= end) << i;
        if (previous != nullptr) {
            EXPECT_GT(field, previous) << i;
        }
        previous = field;
        style.Str(i) = std::to_wstring(i);
    }
    // Spot checks against the named fields the readers use.
    EXPECT_EQ(style.strSkinImage, L"0");
    EXPECT_EQ(style.strInteriorColor, L"3");
    EXPECT_EQ(style.strPieceR0, L"4");
    EXPECT_EQ(style.strPieceR9, L"16");
    EXPECT_EQ(style.strPieceR6, L"26");
    EXPECT_EQ(style.strBtn4SrcNormal, L"28");
    EXPECT_EQ(style.strBtn1SrcDown, L"39");
    EXPECT_EQ(style.strReserved40, L"40");
    EXPECT_EQ(style.strBtn4Hit, L"41");
    EXPECT_EQ(style.strBtn1Hit, L"44");
    EXPECT_EQ(style.strTitleAlign, L"53");
    EXPECT_EQ(style.strCaptionRect, L"54");
    EXPECT_EQ(style.strReservedRect, L"55");
    EXPECT_EQ(style.strWindowSize, L"57");
    EXPECT_EQ(style.strBtn1ImgNormal, L"58");
    EXPECT_EQ(style.strBtn3ImgNormal, L"61");
    EXPECT_EQ(style.strBtn2ImgNormal, L"64");
    EXPECT_EQ(style.strBtn4ImgDown, L"69");
    // The flag sits between strings 54 and 55 and is not counted.
    const auto* flag = reinterpret_cast<const char*>(&style.bFlag);
    EXPECT_GT(flag, reinterpret_cast<const char*>(&style.Str(54)));
    EXPECT_LT(flag, reinterpret_cast<const char*>(&style.Str(55)));
}

TEST(DialogStyle, OutOfRangeIndexTouchesNoField)
{
    DialogStyle style;
    style.Str(-1) = L"stray";
    style.Str(70) = L"stray";
    for (int i = 0; i < DialogStyle::kStringCount; ++i) {
        EXPECT_TRUE(style.Str(i).empty()) << i;
    }
    EXPECT_TRUE(style.Str(70).empty());
    const DialogStyle& constStyle = style;
    EXPECT_TRUE(constStyle.Str(1000).empty());
}

// What the read-only form gives for a bad index stays empty whatever is
// written through a bad index afterwards, in either record.
TEST(SkinRecordStrings, ReadOnlyBadIndexStaysEmptyAfterLaterWrites)
{
    DialogStyle dialog;
    ImageVideoWindowStyle video;
    const DialogStyle& readDialog = dialog;
    const ImageVideoWindowStyle& readVideo = video;
    const std::wstring* taken[]
        = { &readDialog.Str(70), &readDialog.Str(-1), &readVideo.Str(23), &readVideo.Str(-5) };
    dialog.Str(-1) = L"stray";
    video.Str(23) = L"stray";
    dialog.Str(1000) += L"more";
    for (const std::wstring* earlier : taken) {
        EXPECT_TRUE(earlier->empty()) << "changed to " << std::string(earlier->begin(), earlier->end());
    }
    EXPECT_TRUE(readDialog.Str(70).empty());
    EXPECT_TRUE(readVideo.Str(99).empty());
}

TEST(ImageVideoWindowStyle, StrSkipsTheTwoIntegersAfterString20)
{
    ImageVideoWindowStyle style;
    for (int i = 0; i < ImageVideoWindowStyle::kStringCount; ++i) {
        style.Str(i) = std::to_wstring(i);
    }
    EXPECT_EQ(style.strBackground, L"0");
    EXPECT_EQ(style.strImage11, L"11");
    EXPECT_EQ(style.strSkinPoint, L"12");
    EXPECT_EQ(style.strColor6, L"18");
    EXPECT_EQ(style.strBarDashWidth, L"20");
    EXPECT_EQ(style.strText1, L"21");
    EXPECT_EQ(style.strText2, L"22");
    EXPECT_EQ(style.nPlayWndValue1, 0);
    EXPECT_EQ(style.nPlayWndValue2, 0);
    EXPECT_TRUE(style.Str(23).empty());
}

} // namespace
