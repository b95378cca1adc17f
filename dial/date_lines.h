#pragma once
// The paths of the nodus's shadow over a day: the dial's date lines.
#include "dial/dial_input.h"

#include <vector>

namespace orvane::dial {

using Polyline = std::vector<PlatePoint>;

// Consecutive points of a date line lie at most this far apart (mm).
inline constexpr double kDateLineSpacing = 2;

// The nodus's shadow over the day on which the sun has this declination
// (degrees), while the sun lights the face from above the horizon, cut to
// input.plate. One polyline per piece on the plate, in the order of the day,
// each with its points in order along the line; every point lies on the
// plate. Declination 0 gives the equinox line.
std::vector<Polyline> dateLine(const DialInput &input, double declinationDeg);

// The mean obliquity of the ecliptic (degrees) for a year such as 2026.5,
// after IAU 2006; the solstice lines lie at plus and minus this declination.
double meanObliquity(double year);

} // namespace orvane::dial
