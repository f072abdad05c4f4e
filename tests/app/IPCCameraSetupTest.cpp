// What a model record sets up in the IPC panel's camera controls.

#include "app/calc/IPCCameraSetup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>

namespace {

SensorRow Row(const wchar_t* mode, const char* target)
{
    SensorRow row {};
    std::wcsncpy(row.mode, mode, std::size(row.mode) - 1);
    std::strncpy(row.target, target, std::size(row.target) - 1);
    return row;
}

TEST(IPCCameraSetup, VarifocalRangeFromTwoFocalLengthsInEitherOrder)
{
    for (const auto& focals : {std::map<int, std::string> {{1, "12"}, {2, "2.8"}},
                               std::map<int, std::string> {{1, "2.8"}, {2, "12"}}}) {
        IPCFocalRange range;
        ASSERT_TRUE(VarifocalRangeOf(focals, &range));
        EXPECT_DOUBLE_EQ(range.low, 2.8);
        EXPECT_DOUBLE_EQ(range.high, 12.0);
        EXPECT_EQ(range.sliderLow, 280);
        EXPECT_EQ(range.sliderHigh, 1200);
        EXPECT_EQ(range.lowText, L"2.8mm");
        EXPECT_EQ(range.highText, L"12.0mm");
    }
}

TEST(IPCCameraSetup, VarifocalRangeNeedsExactlyTwoEntries)
{
    IPCFocalRange range;
    range.low = 7.0;
    EXPECT_FALSE(VarifocalRangeOf({}, &range));
    EXPECT_FALSE(VarifocalRangeOf({{1, "4"}}, &range));
    EXPECT_FALSE(VarifocalRangeOf({{1, "2.8"}, {2, "6"}, {3, "12"}}, &range));
    EXPECT_DOUBLE_EQ(range.low, 7.0);

    // Two entries but not serials 1 and 2: the absent one reads as 0.
    ASSERT_TRUE(VarifocalRangeOf({{1, "3.6"}, {5, "9"}}, &range));
    EXPECT_DOUBLE_EQ(range.low, 0.0);
    EXPECT_DOUBLE_EQ(range.high, 3.6);
    EXPECT_EQ(range.lowText, L"0.0mm");
}

TEST(IPCCameraSetup, SensorFormatsOfAModeOnceEachInFirstSeenOrder)
{
    const std::vector<SensorRow> rows {Row(L"2.0MP", "1/2.8"), Row(L"4.0MP", "1/3"), Row(L"2.0MP", "1/2.7"),
                                       Row(L"2.0MP", "1/2.8"), Row(L"2.0MP ", "1/2"), Row(L"2.0MP", "1/1.8\xe2\x80\xb3")};
    const std::vector<std::wstring> expected {L"1/2.8", L"1/2.7", L"1/1.8\u2033"};
    EXPECT_EQ(SensorFormatsOf(rows, L"2.0MP"), expected);
    EXPECT_TRUE(SensorFormatsOf(rows, L"8.0MP").empty());
    EXPECT_TRUE(SensorFormatsOf({}, L"2.0MP").empty());
}

} // namespace
