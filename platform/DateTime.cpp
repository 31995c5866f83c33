#include "platform/DateTime.h"

#include <chrono>
#include <cmath>
#include <optional>

namespace fs {

namespace {

using namespace std::chrono;

constexpr long long MsPerDay = 86'400'000;
constexpr sys_days DayZero = year{1899} / December / 30;
constexpr double FirstValidDay = (sys_days(year{100} / January / 1) - DayZero).count();
constexpr double LastValidDay = (sys_days(year{9999} / December / 31) - DayZero).count();

bool showsWallClock(time_t instant, const tm &wanted)
{
    tm local{};
    return localtime_r(&instant, &local) && local.tm_year == wanted.tm_year && local.tm_mon == wanted.tm_mon
        && local.tm_mday == wanted.tm_mday && local.tm_hour == wanted.tm_hour && local.tm_min == wanted.tm_min
        && local.tm_sec == wanted.tm_sec;
}

} // namespace

TDateTime toDateTime(const timespec &utc)
{
    const time_t seconds = utc.tv_sec;
    tm local{};
    if (!localtime_r(&seconds, &local))
        return 0;
    const year_month_day date{year{local.tm_year + 1900}, month(unsigned(local.tm_mon + 1)), day(unsigned(local.tm_mday))};
    const long long dayNumber = (sys_days(date) - DayZero).count();
    const long long ms = ((local.tm_hour * 60LL + local.tm_min) * 60 + local.tm_sec) * 1000 + utc.tv_nsec / 1'000'000;
    const double time = double(ms) / MsPerDay;
    return dayNumber >= 0 ? dayNumber + time : dayNumber - time;
}

timespec fromDateTime(TDateTime local)
{
    const DateTimeParts parts = splitDateTime(local);
    tm wanted{};
    wanted.tm_year = parts.Year - 1900;
    wanted.tm_mon = parts.Month - 1;
    wanted.tm_mday = parts.Day;
    wanted.tm_hour = parts.Hour;
    wanted.tm_min = parts.Minute;
    wanted.tm_sec = parts.Second;

    std::optional<time_t> instant;
    for (int summerTime : {0, 1}) {
        tm candidate = wanted;
        candidate.tm_isdst = summerTime;
        const time_t seconds = mktime(&candidate);
        if (showsWallClock(seconds, wanted) && (!instant || seconds < *instant))
            instant = seconds;
    }
    if (!instant) {
        tm candidate = wanted;
        candidate.tm_isdst = -1;
        instant = mktime(&candidate);
    }
    return timespec{*instant, long(parts.Millisecond) * 1'000'000};
}

TDateTime now()
{
    timespec utc{};
    clock_gettime(CLOCK_REALTIME, &utc);
    return toDateTime(utc);
}

bool isValidDateTime(TDateTime value)
{
    return std::isfinite(value) && std::trunc(value) >= FirstValidDay && value < LastValidDay + 1;
}

DateTimeParts splitDateTime(TDateTime value)
{
    const double wholeDays = std::trunc(value);
    long long dayNumber = static_cast<long long>(wholeDays);
    long long ms = std::llround(std::fabs(value - wholeDays) * MsPerDay);
    if (ms >= MsPerDay) { // rounded up to the next midnight
        ms -= MsPerDay;
        ++dayNumber;
    }
    const year_month_day date{DayZero + days(dayNumber)};
    return {int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())), int(ms / 3'600'000),
            int(ms / 60'000 % 60), int(ms / 1000 % 60), int(ms % 1000)};
}

std::optional<TDateTime> joinDateTime(const DateTimeParts &parts)
{
    const year_month_day date{year{parts.Year}, month(unsigned(parts.Month)), day(unsigned(parts.Day))};
    if (parts.Year < 1 || parts.Year > 9999 || parts.Month < 1 || parts.Day < 1 || !date.ok() || parts.Hour < 0
        || parts.Hour > 23 || parts.Minute < 0 || parts.Minute > 59 || parts.Second < 0 || parts.Second > 59
        || parts.Millisecond < 0 || parts.Millisecond > 999)
        return std::nullopt;
    const long long dayNumber = (sys_days(date) - DayZero).count();
    const long long ms = ((parts.Hour * 60LL + parts.Minute) * 60 + parts.Second) * 1000 + parts.Millisecond;
    const double time = double(ms) / MsPerDay;
    return dayNumber >= 0 ? dayNumber + time : dayNumber - time;
}

} // namespace fs
