#pragma once
// The Earth's main magnetic field from the World Magnetic Model WMM2025:
// where a compass needle points, and how that drifts from year to year.
// The model is a spherical-harmonic expansion to degree 12 about the centre
// of the Earth, with a linear secular variation from its epoch 2025.0; it is
// valid from 2025.0 to 2030.0 and means nothing outside those years.

#include <optional>

namespace orvane::sky {

inline constexpr const char *magneticModelName = "WMM2025";
inline constexpr double magneticModelFirstYear = 2025.0;
inline constexpr double magneticModelLastYear = 2030.0;

struct MagneticField {
    double declinationDeg = 0;       // from true north, east positive
    double inclinationDeg = 0;       // from the horizontal, down positive
    double declinationChangeDeg = 0; // a year, east positive
    double inclinationChangeDeg = 0; // a year, down positive
};

bool magneticModelCovers(double decimalYear);

// Geodetic latitude and longitude on WGS84 in degrees (east positive), the
// height above the ellipsoid in metres; nothing outside the model's years.
std::optional<MagneticField> magneticField(double latitudeDeg, double longitudeDeg, double heightM, double decimalYear);

// The year with the fraction elapsed at noon UTC on that day: 2025-01-01 is
// 2025.0014 (half a day of 365).
double decimalYearAtNoon(int year, int month, int day);

} // namespace orvane::sky
