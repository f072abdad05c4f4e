#pragma once
// Local date and time broken into fields, and its conversion to and from
// calendar time (seconds since 1970-01-01 00:00 UTC) handed over as a 32-bit
// value.

#include <cstdint>

namespace KW_SOFT_BASE {

struct KWDateTime {
    int32_t year;   // full year, e.g. 2024
    int32_t month;  // 1..12
    int32_t day;    // 1..31
    int32_t hour;   // 0..23
    int32_t minute; // 0..59
    int32_t second; // 0..59, 60 for a leap second

    KWDateTime();
    KWDateTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second);
    explicit KWDateTime(int32_t time);

    // Fills the fields with the local time of the value read as unsigned, so
    // times up to 2106 are understood and negative values are not.
    void SetFromTime(int32_t time);
    // Calendar time of the fields (daylight saving decided by the library).
    // A year from 2038 on is taken as 2037; a time the library refuses or one
    // before 1970 gives 0.
    int32_t ToTime() const;

    // 0 for a year before 1900 or after 3000, a month outside 1..12, or a
    // negative day, hour, minute or second; otherwise the conversion of
    // ToTime (year clamped to 2037), giving -1 when the library refuses the
    // date or it lies before 1970. A day of 0 means the last day of the
    // previous month, and other overflowing fields carry over likewise.
    static int32_t DateTimeToTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second);
};

// The current local time.
void GetLocalDateTime(KWDateTime& out);

} // namespace KW_SOFT_BASE
