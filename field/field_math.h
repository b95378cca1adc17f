#pragma once
// Angles and the clock day shared by the field data's files.

#include "calc/solar_state.h"
#include "field_data.h"

#include <cmath>

namespace orvane::field_math {

inline constexpr double kDay = 86400;

// Into (-180, 180].
inline double signedAngle(double degrees)
{
    double a = std::fmod(degrees, 360.0);
    if (a <= -180)
        a += 360;
    else if (a > 180)
        a -= 360;
    return a;
}

// Into [0, 360).
inline double bearing(double degrees)
{
    const double b = std::fmod(degrees, 360.0);
    return b < 0 ? b + 360 : b;
}

// Local midnight on the clock, as a UTC instant (POSIX seconds).
inline double dayStartUtc(const QDate &date, const SiteClock &clock)
{
    return static_cast<double>(QDate(1970, 1, 1).daysTo(date)) * kDay - clock.offsetSeconds();
}

} // namespace orvane::field_math
