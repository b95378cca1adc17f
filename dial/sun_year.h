#pragma once
// The sun through the design's year at the site, day by day, for a kind
// whose lines need more than the hour angle and the declination: the clock's
// noon (the equation of time), sunrise and sunset.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::dial {

struct SunDay {
    int dayOfYear = 0;            // 0 on 1 January
    double declinationDeg = 0;    // at the true noon
    double equationOfTimeMin = 0; // true noon this many minutes before the mean sun's
    // The sun's centre on the geometric horizon, in hours from the true noon
    // (sunrise negative); none on a day it does not rise or set.
    std::optional<double> sunriseHours, sunsetHours;
};

// The year's days, worked out on the first call and shared by every later
// one; days of polar night, with no true noon, are left out.
using SunYear = std::function<std::shared_ptr<const std::vector<SunDay>>()>;

// Where the sun's centre stands: azimuth from north through east and
// geometric altitude (degrees).
struct SunPlace {
    double azimuthDeg = 0;
    double altitudeDeg = 0;
};

// The sun at any time of the zone's standard clock on each day of the
// design's year, for lines drawn to the clock rather than to the sun.
struct ClockSun {
    int year = 0;
    int days = 0; // 365 or 366
    // `clockHours` after the standard clock's midnight starting day
    // `dayOfYear` (0 on 1 January); empty in an input made by hand.
    std::function<SunPlace(int dayOfYear, double clockHours)> at;
};

// "2027-03-21" for a day of the year (0 on 1 January).
std::string isoDate(int year, int dayOfYear);

} // namespace orvane::dial
