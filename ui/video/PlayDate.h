#pragma once
// Calendar days of the playback timeline. Times are seconds of the C
// library's calendar time, read in local time; a day of the timeline is the
// local calendar date.

#include <cstdint>

struct PlayDate {
    int32_t nYear = 1970;
    int32_t nMonth = 1; // 1-12
    int32_t nDay = 1; // 1-31

    bool operator==(const PlayDate& other) const;
    bool operator!=(const PlayDate& other) const { return !(*this == other); }
    // Year first, then month, then day.
    bool operator<(const PlayDate& other) const;
    bool operator>(const PlayDate& other) const { return other < *this; }
};

// The local date of a time; 1970-01-01 when the C library cannot convert it.
PlayDate PlayDateOf(int32_t time);
// The local time of the date at 00:00:00, daylight saving decided by the C
// library.
int32_t PlayMidnightOf(const PlayDate& date);
// (hour x 60 + minute) x 60 + second in local time; 0 when the time cannot be
// converted.
int32_t PlaySecondOfDay(int32_t time);
