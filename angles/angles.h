#pragma once
// Pi, the degree and the day, and the angle conversions and wraps every
// library shares, calc/ included. Plain C++: no Qt here.

#include <cmath>
#include <numbers>

namespace orvane::angles {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kDegree = kPi / 180; // one degree in radians
// One radian in degrees, rounded once. The sun's ephemeris multiplies by it,
// and x * kRadToDeg is not always the same last bit as degrees(x), x / kDegree.
inline constexpr double kRadToDeg = 180 / kPi;
inline constexpr double kSecondsPerDay = 86400;

constexpr double radians(double deg) { return deg * kDegree; }
constexpr double degrees(double rad) { return rad / kDegree; }

// Into [0, 360); a tiny negative angle, which rounds up to 360 once 360 is
// added, gives 0.
inline double wrap360(double deg)
{
    double b = std::fmod(deg, 360.0);
    if (b < 0)
        b += 360;
    return b >= 360 ? 0.0 : b;
}

// Into (-180, 180]; exact, as the remainder is.
inline double wrap180(double deg)
{
    const double d = std::remainder(deg, 360.0);
    return d <= -180 ? d + 360 : d;
}

} // namespace orvane::angles
