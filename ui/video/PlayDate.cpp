#include "ui/video/PlayDate.h"

#include <ctime>

bool PlayDate::operator==(const PlayDate& other) const
{
    return nYear == other.nYear && nMonth == other.nMonth && nDay == other.nDay;
}

bool PlayDate::operator<(const PlayDate& other) const
{
    if (nYear != other.nYear) {
        return nYear < other.nYear;
    }
    if (nMonth != other.nMonth) {
        return nMonth < other.nMonth;
    }
    return nDay < other.nDay;
}

namespace {

bool LocalTime(int32_t time, std::tm& out)
{
    const std::time_t value = time;
    return localtime_r(&value, &out) != nullptr;
}

} // namespace

PlayDate PlayDateOf(int32_t time)
{
    std::tm local {};
    if (!LocalTime(time, local)) {
        return PlayDate {};
    }
    return PlayDate { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday };
}

int32_t PlayMidnightOf(const PlayDate& date)
{
    std::tm local {};
    local.tm_year = date.nYear - 1900;
    local.tm_mon = date.nMonth - 1;
    local.tm_mday = date.nDay;
    local.tm_isdst = -1;
    return static_cast<int32_t>(std::mktime(&local));
}

int32_t PlaySecondOfDay(int32_t time)
{
    std::tm local {};
    if (!LocalTime(time, local)) {
        return 0;
    }
    return (local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec;
}
