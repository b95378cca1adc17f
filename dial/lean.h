#pragma once
// How much a face that leans off its drawn tilt misreads: what a maker
// needs to know before deciding whether to measure a wall's lean.
#include "dial/dial_input.h"

#include <optional>

namespace orvane::dial {

// Faces within this many degrees of upright or level are the ones built
// as such and measured, or not, for their lean.
inline constexpr double kLeanCheckedWithin = 5;

// Whether the drawn face is within kLeanCheckedWithin of upright or level.
bool leanMatters(const DialInput &drawn);

// Minutes by which the dial's reading of sun time `hour` moves for each
// degree the real face's tilt exceeds the drawn one (its top leaning out,
// towards where it looks), with the sun at `declinationDeg`;
// positive: it reads later. None when the sun does not light the face at
// that hour then. A lean about the east-west line turns the readings
// against the tangent of the declination: nothing at the equinoxes, most at
// the solstices, the two solstices opposite.
std::optional<double> leanMinutesPerDegree(const DialInput &drawn, double hour, double declinationDeg);

} // namespace orvane::dial
