#pragma once
// The old hours: Italian and Babylonian hours, counted from sunset and
// sunrise, and unequal hours, twelfths of the daylight. Sunrise and sunset
// are the sun's centre on the geometric horizon, no refraction, in sun time.
#include "dial/date_lines.h"
#include "dial/dial_input.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane::dial {

enum class HourSystem { Italian, Babylonian, Unequal };

// "italian", "babylonian", "unequal".
const char *hourSystemName(HourSystem system);

// The hour angle (radians, positive west) of hour `hour` of the system on the
// day of this declination; none where the sun does not both rise and set.
// Babylonian b: b hours after sunrise. Italian i: i hours after the previous
// sunset (24 at sunset). Unequal k: k twelfths of the daylight after sunrise.
std::optional<double> oldHourAngle(HourSystem system, int hour, double latitudeDeg, double declinationDeg);

struct OldHourLine {
    int hour = 0;
    std::string label;
    // On the plate, from the winter solstice's side; Italian and Babylonian
    // pieces are straight, two points each, unequal ones points at most
    // kDateLineSpacing apart.
    std::vector<Polyline> pieces;
};

struct OldHours {
    HourSystem system = HourSystem::Italian;
    std::vector<OldHourLine> lines; // those with some piece on the plate, by hour
};

// The system's lines between the solstices at +-obliquity (degrees), where
// the sun is up, lights the face and the shadow falls on input.plate.
OldHours oldHourLines(const DialInput &input, HourSystem system, double obliquityDeg);

// Whether the sun rises and sets on every day between the solstices.
bool sunSetsEveryDay(double latitudeDeg, double obliquityDeg);

} // namespace orvane::dial
