#pragma once
// TDateTime: local date-time as days since 1899-12-30 (the fraction is the time of day).

#include <ctime>

using TDateTime = double;

namespace fs {

TDateTime toDateTime(const timespec &utc);   // a UTC instant as local TDateTime
timespec fromDateTime(TDateTime local);      // a local TDateTime as UTC instant
TDateTime now();

} // namespace fs
