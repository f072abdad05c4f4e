#include "base/KWDateTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

using namespace KW_SOFT_BASE;

namespace {

// Local time is UTC for these tests whatever the machine says.
class KWDateTimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
    }
};

} // namespace

TEST_F(KWDateTimeTest, DateTimeToTimeChecksAndConverts)
{
    struct Row {
        const char* name;
        int32_t year, month, day, hour, minute, second;
        int32_t expected;
    };
    const Row rows[] = {
        { "epoch", 1970, 1, 1, 0, 0, 0, 0 },
        { "ordinary date", 2000, 1, 1, 0, 0, 0, 946684800 },
        { "time of day", 2024, 5, 17, 13, 45, 30, 1715953530 },
        { "year before 1900", 1899, 12, 31, 0, 0, 0, 0 },
        { "year after 3000", 3001, 1, 1, 0, 0, 0, 0 },
        { "year 3000 clamped to 2037", 3000, 1, 1, 0, 0, 0, 2114380800 },
        { "year 2040 clamped to 2037", 2040, 1, 1, 0, 0, 0, 2114380800 },
        { "month 13", 2000, 13, 1, 0, 0, 0, 0 },
        { "month 0", 2000, 0, 1, 0, 0, 0, 0 },
        { "negative day", 2000, 1, -1, 0, 0, 0, 0 },
        { "negative hour", 2000, 1, 1, -1, 0, 0, 0 },
        { "negative minute", 2000, 1, 1, 0, -1, 0, 0 },
        { "negative second", 2000, 1, 1, 0, 0, -1, 0 },
        { "day 0 is the last day of the previous month", 2000, 3, 0, 0, 0, 0, 951782400 },
        { "overflowing hours carry over", 2000, 1, 1, 24, 0, 0, 946771200 },
        { "before 1970 is refused", 1950, 6, 1, 0, 0, 0, -1 },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KWDateTime::DateTimeToTime(row.year, row.month, row.day, row.hour, row.minute, row.second), row.expected)
            << row.name;
    }
}

TEST_F(KWDateTimeTest, ToTimeClampsLateYearsAndGivesZeroForRefusedTimes)
{
    EXPECT_EQ(KWDateTime(2040, 1, 1, 0, 0, 0).ToTime(), KWDateTime(2037, 1, 1, 0, 0, 0).ToTime());
    EXPECT_EQ(KWDateTime(2037, 1, 1, 0, 0, 0).ToTime(), 2114380800);
    EXPECT_EQ(KWDateTime(1950, 1, 1, 0, 0, 0).ToTime(), 0);
    EXPECT_EQ(KWDateTime(INT32_MIN, INT32_MIN, 1, 0, 0, 0).ToTime(), 0);
    EXPECT_EQ(KWDateTime().ToTime(), 0);
}

TEST_F(KWDateTimeTest, SetFromTimeReadsValueAsUnsigned)
{
    KWDateTime dt;
    dt.SetFromTime(static_cast<int32_t>(0xFFFFFFFFu));
    EXPECT_EQ(dt.year, 2106);
    EXPECT_EQ(dt.month, 2);
    EXPECT_EQ(dt.day, 7);
    EXPECT_EQ(dt.hour, 6);
    EXPECT_EQ(dt.minute, 28);
    EXPECT_EQ(dt.second, 15);
}

TEST_F(KWDateTimeTest, FieldsAndTimeRoundTrip)
{
    for (const int32_t t : { 0, 1, 86399, 951782400, 1715953530, 2147483647 }) {
        const KWDateTime dt(t);
        if (dt.year >= 2038) {
            continue; // converting back clamps the year
        }
        EXPECT_EQ(dt.ToTime(), t) << t;
        EXPECT_EQ(KWDateTime::DateTimeToTime(dt.year, dt.month, dt.day, dt.hour, dt.minute, dt.second), t) << t;
    }
}

TEST_F(KWDateTimeTest, LocalDateTimeIsNow)
{
    const std::time_t before = std::time(nullptr);
    KWDateTime now;
    GetLocalDateTime(now);
    const std::time_t after = std::time(nullptr);
    const int32_t t = now.ToTime();
    EXPECT_GE(t, static_cast<int32_t>(before));
    EXPECT_LE(t, static_cast<int32_t>(after));
}
