#pragma once
// TDateTime: local date-time as days since 1899-12-30 (the fraction is the time of day).
// Before 1899-12-30 the whole part counts back and the fraction still runs forward
// from midnight: -1.25 is 1899-12-29 06:00.

#include <ctime>

using TDateTime = double;

namespace fs {

// A UTC instant as local TDateTime, milliseconds kept (finer parts are dropped).
TDateTime toDateTime(const timespec &utc);
// A local TDateTime as UTC instant, rounded to the millisecond. A local time that
// occurs twice (the hour repeated when summer time ends) gives the earlier instant;
// one that does not occur (the hour skipped when it starts) is moved as mktime does.
timespec fromDateTime(TDateTime local);
TDateTime now();
// A finite value between 0100-01-01 and 9999-12-31: the values fromDateTime converts.
bool isValidDateTime(TDateTime value);

// A TDateTime split into its calendar parts (the time rounded to the second).
struct DateTimeParts {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};
DateTimeParts splitDateTime(TDateTime value);

} // namespace fs
