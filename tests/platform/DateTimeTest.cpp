#include "platform/DateTime.h"

#include "LocalTimeZone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double Hour = 1.0 / 24;
constexpr double Ms = 1.0 / 86'400'000;

// Seconds since 1970 of a UTC date and time.
time_t utc(int year, int month, int day, int hour, int minute, int second)
{
    tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    return timegm(&parts);
}

struct Instant {
    const char *label;
    timespec utc;
    TDateTime local;
};

} // namespace

TEST(DateTime, ConvertsBetweenUtcAndLocalDayCount)
{
    LocalTimeZone zone;
    // 2024-01-01 is day 45292.
    const Instant cases[] = {
        {"summer", {utc(2024, 7, 1, 12, 0, 0), 0}, 45474 + 14 * Hour},
        {"winter, milliseconds", {utc(2024, 1, 15, 6, 30, 0), 500'000'000}, 45306 + 7.5 * Hour + 500 * Ms},
        {"day zero", {utc(1899, 12, 29, 23, 0, 0), 0}, 0.0},
        {"before day zero", {utc(1899, 12, 29, 5, 0, 0), 0}, -1.25},
        {"before 1970", {utc(1969, 12, 31, 22, 59, 59), 999'000'000}, 25568 + 23 * Hour + 59 * Hour / 60 + 59.999 * Hour / 3600},
    };
    for (const Instant &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_NEAR(fs::toDateTime(c.utc), c.local, 1e-9);
        const timespec back = fs::fromDateTime(c.local);
        EXPECT_EQ(back.tv_sec, c.utc.tv_sec);
        EXPECT_EQ(back.tv_nsec, c.utc.tv_nsec);
    }
}

TEST(DateTime, KeepsMillisecondsOnlyAndCarriesRoundingToTheNextDay)
{
    LocalTimeZone zone;
    const timespec fine{utc(2024, 7, 1, 12, 0, 0), 123'456'789};
    EXPECT_EQ(fs::fromDateTime(fs::toDateTime(fine)).tv_nsec, 123'000'000);

    const timespec midnight = fs::fromDateTime(45474 - 1e-10); // a hair before 2024-07-01 00:00
    EXPECT_EQ(midnight.tv_sec, utc(2024, 6, 30, 22, 0, 0));
    EXPECT_EQ(midnight.tv_nsec, 0);
}

TEST(DateTime, RepeatedHourGivesTheEarlierInstant)
{
    LocalTimeZone zone;
    // 2024-10-27 02:30 local happens at 00:30 UTC (summer time) and at 01:30 UTC.
    const TDateTime local = 45592 + 2.5 * Hour;
    EXPECT_NEAR(fs::toDateTime({utc(2024, 10, 27, 0, 30, 0), 0}), local, 1e-9);
    EXPECT_NEAR(fs::toDateTime({utc(2024, 10, 27, 1, 30, 0), 0}), local, 1e-9);
    EXPECT_EQ(fs::fromDateTime(local).tv_sec, utc(2024, 10, 27, 0, 30, 0));
}

TEST(DateTime, ValidRangeExcludesWhatCannotBeConverted)
{
    EXPECT_TRUE(fs::isValidDateTime(0));
    EXPECT_TRUE(fs::isValidDateTime(-1.25));
    EXPECT_TRUE(fs::isValidDateTime(2958465.5)); // 9999-12-31 12:00
    EXPECT_FALSE(fs::isValidDateTime(2958466));
    EXPECT_FALSE(fs::isValidDateTime(-700000));
    EXPECT_FALSE(fs::isValidDateTime(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(fs::isValidDateTime(std::numeric_limits<double>::infinity()));
}
