#include "base/KWDateTime.h"

#include <ctime>

namespace KW_SOFT_BASE {

namespace {

constexpr int32_t kLastConvertibleYear = 2037;

void FillFromTm(KWDateTime& out, const std::tm& tm)
{
    out.year = tm.tm_year + 1900;
    out.month = tm.tm_mon + 1;
    out.day = tm.tm_mday;
    out.hour = tm.tm_hour;
    out.minute = tm.tm_min;
    out.second = tm.tm_sec;
}

// Local fields to calendar time; -1 when the library refuses them or the time
// lies before 1970. The other platform's 64-bit conversion rejects every time
// before the epoch, and stored values and callers expect that, so negative
// results are folded into the failure value here.
int64_t LocalFieldsToTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second)
{
    if (year > kLastConvertibleYear) {
        year = kLastConvertibleYear;
    }
    // No date before 1900 can lie after the epoch, and excluding them keeps
    // year - 1900 and month - 1 free of overflow.
    if (year < 1900 || month == INT32_MIN) {
        return -1;
    }
    std::tm tm {};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    const std::time_t t = std::mktime(&tm);
    if (t < 0) {
        return -1;
    }
    return static_cast<int64_t>(t);
}

} // namespace

KWDateTime::KWDateTime()
    : year(0)
    , month(0)
    , day(0)
    , hour(0)
    , minute(0)
    , second(0)
{
}

KWDateTime::KWDateTime(int32_t y, int32_t mo, int32_t d, int32_t h, int32_t mi, int32_t s)
    : year(y)
    , month(mo)
    , day(d)
    , hour(h)
    , minute(mi)
    , second(s)
{
}

KWDateTime::KWDateTime(int32_t time)
    : KWDateTime()
{
    SetFromTime(time);
}

void KWDateTime::SetFromTime(int32_t time)
{
    const std::time_t t = static_cast<std::time_t>(static_cast<uint32_t>(time));
    std::tm tm {};
    if (::localtime_r(&t, &tm) == nullptr) {
        *this = KWDateTime();
        return;
    }
    FillFromTm(*this, tm);
}

int32_t KWDateTime::ToTime() const
{
    const int64_t t = LocalFieldsToTime(year, month, day, hour, minute, second);
    if (t < 0) {
        return 0;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(t));
}

int32_t KWDateTime::DateTimeToTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second)
{
    // year - 1900 read as unsigned: one comparison rejects both ends.
    if (static_cast<uint32_t>(static_cast<int64_t>(year) - 1900) > 1100) {
        return 0;
    }
    if (month < 1 || month > 12 || day < 0 || hour < 0 || minute < 0 || second < 0) {
        return 0;
    }
    const int64_t t = LocalFieldsToTime(year, month, day, hour, minute, second);
    return static_cast<int32_t>(static_cast<uint32_t>(t));
}

void GetLocalDateTime(KWDateTime& out)
{
    const std::time_t now = std::time(nullptr);
    std::tm tm {};
    if (::localtime_r(&now, &tm) == nullptr) {
        out = KWDateTime();
        return;
    }
    FillFromTm(out, tm);
}

} // namespace KW_SOFT_BASE
