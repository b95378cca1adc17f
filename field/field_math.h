#pragma once
// The clock day shared by the field data's files.

#include "field_data.h"

#include "angles/angles.h"

namespace orvane::field_math {

// Local midnight on the clock, as a UTC instant (POSIX seconds).
inline double dayStartUtc(const QDate &date, const SiteClock &clock)
{
    return static_cast<double>(QDate(1970, 1, 1).daysTo(date)) * angles::kSecondsPerDay - clock.offsetSeconds();
}

} // namespace orvane::field_math
