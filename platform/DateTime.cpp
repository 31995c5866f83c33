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
    const double wholeDays = std::trunc(local);
    long long dayNumber = static_cast<long long>(wholeDays);
    long long ms = std::llround(std::fabs(local - wholeDays) * MsPerDay);
    if (ms >= MsPerDay) { // rounded up to the next midnight
        ms -= MsPerDay;
        ++dayNumber;
    }
    const year_month_day date{DayZero + days(dayNumber)};
    tm wanted{};
    wanted.tm_year = int(date.year()) - 1900;
    wanted.tm_mon = int(unsigned(date.month())) - 1;
    wanted.tm_mday = int(unsigned(date.day()));
    wanted.tm_hour = int(ms / 3'600'000);
    wanted.tm_min = int(ms / 60'000 % 60);
    wanted.tm_sec = int(ms / 1000 % 60);

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
    return timespec{*instant, long(ms % 1000) * 1'000'000};
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
    const double whole = std::trunc(value);
    long long ms = std::llround(std::fabs(value - whole) * double(MsPerDay));
    sys_days day = DayZero + days(static_cast<long long>(whole));
    if (ms >= MsPerDay) {
        ms -= MsPerDay;
        day += days(1);
    }
    const year_month_day date(day);
    const long long seconds = ms / 1000;
    return {int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())), int(seconds / 3600),
            int(seconds / 60 % 60), int(seconds % 60)};
}

} // namespace fs
