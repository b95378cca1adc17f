#pragma once
// The sun through a year at the site, day by day, as a kind of dial that
// needs more than the hour angle and the declination takes it.
#include "dial/sun_year.h"

namespace orvane {

// The true noon on each day of `year` at the site, reckoned from local mean
// midnight, and the sun's centre on the geometric horizon around it; worked
// out on the first call.
dial::SunYear sunYear(double latitude, double longitude, int year);

// The sun (topocentric, geometric altitude, the precise ephemeris) at the
// times of a clock `utcOffsetMinutes` from UTC, all year round.
dial::ClockSun clockSun(double latitude, double longitude, int year, int utcOffsetMinutes);

} // namespace orvane
