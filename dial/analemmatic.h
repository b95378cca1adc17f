#pragma once
// The analemmatic dial: hour marks on an ellipse on level ground and a date
// scale on its north-south axis, where a person stands as the gnomon.
//
// Ground coordinates are metres from the ellipse's centre C, x east, y
// north. Drawn, they are millimetres on the same axes.
#include "dial/dial_input.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane::dial {

// Where the dial can be laid out: nearer the equator the ellipse flattens
// to a line, nearer a pole the date scale shrinks to a point (degrees).
inline constexpr double kGroundMinLatitude = 10;
inline constexpr double kGroundMaxLatitude = 80;
inline constexpr double kMinHalfWidth = 0.1; // m
inline constexpr double kMaxHalfWidth = 50;  // m

// The hours at which the person is checked as a gnomon.
inline constexpr double kGnomonFirstHour = 9;
inline constexpr double kGnomonLastHour = 15;

struct GroundMark {
    double hour = 0;
    std::string label; // "9", "9:30"
    PlatePoint at;     // m
    // The two tapes: from the centre C and from the noon point N.
    double fromCentre = 0;
    double fromNoon = 0;
    int side = 0; // +1 east of the north-south line, -1 west, 0 on it
};

// The person's height that lets the shadow reach this hour's mark on the
// worst day of the year, and that day's declination.
struct GnomonNeed {
    double hour = 0;
    std::string label;
    double height = 0; // m
    double declinationDeg = 0;
};

struct GroundLayout {
    double halfWidth = 0;      // M, east-west (m)
    double minorHalfWidth = 0; // M |sin latitude|, north-south
    double focus = 0;          // the foci at (+-focus, 0)
    double stringLoop = 0;     // a loop this long round both foci draws the ellipse
    double noonY = 0;          // the noon point N on the y axis: M sin latitude (negative in the south)
    // In order of the hour, 0 to 24, the hours the sun can show above the
    // horizon on some day of the year.
    std::vector<GroundMark> marks;
    // From kGnomonFirstHour to kGnomonLastHour, where the sun is up on some
    // day; the smallest height that serves them all.
    std::vector<GnomonNeed> gnomon;
    double gnomonHeight = 0;
};

// Whether the latitude lies where the dial can be laid out.
bool groundLatitudeHolds(double latitude);

// From latitude, longitude, halfWidth, stepMinutes, time and zoneMeridian.
GroundLayout layoutGround(const DialInput &input);

// Where a person stands on the day the sun has this declination (degrees):
// y on the date scale, metres.
double groundDateY(const DialInput &input, double declinationDeg);

// The point on the given side of the north-south line that lies these
// distances from C and from N: staking with two tapes. None when the
// circles do not meet.
std::optional<PlatePoint> stakedPoint(double noonY, double fromCentre, double fromNoon, int side);

} // namespace orvane::dial
