#pragma once
// What a plane sundial is laid out from, and the plate it is drawn on.
//
// Plate coordinates are millimetres with their origin at the foot of the
// perpendicular from the nodus to the face. On a horizontal dial x points
// east and y north, seen from above; on a vertical dial x points to the right
// and y up, seen by someone standing in front of the wall. On any plane x is
// horizontal, to the right of someone facing the face, and y runs up the
// face's slope (towards the zenith's side).

#include "dial/sun_year.h"

#include <algorithm>

namespace orvane::dial {

// The kinds of dial (dial_kinds.h). Every one is a plane face, or two, whose
// orientation the kind works out; the analemmatic dial's is the level ground.
enum class DialType { Horizontal, Vertical, Plane, Polar, Equatorial, Analemmatic, NoonMark, Bifilar };

// Sun: local apparent time, the 12 line on the meridian. Zone: the 12 line
// where the shadow falls at the zone meridian's mean noon, so the dial differs
// from the clock by the equation of time alone. Clock: each hour's line is the
// figure-8 the nodus's shadow traces at that hour of the zone's standard
// clock through the year, so the dial reads the clock itself.
enum class DialTime { Sun, Zone, Clock };

struct PlatePoint {
    double x = 0;
    double y = 0;
};

struct PlateRect {
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;

    double width() const { return xMax - xMin; }
    double height() const { return yMax - yMin; }
    bool contains(PlatePoint p) const { return p.x >= xMin && p.x <= xMax && p.y >= yMin && p.y <= yMax; }
    // Grown to hold `p`.
    void include(PlatePoint p)
    {
        xMin = std::min(xMin, p.x);
        xMax = std::max(xMax, p.x);
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
    }
};

struct DialInput {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    DialType type = DialType::Horizontal;
    // The face's orientation: F, the azimuth of its outward normal's
    // horizontal part (degrees from north through east), and Z, the angle
    // between that normal and the zenith (0 level looking up, 90 upright,
    // 180 looking down). The kind's faces (dial_kinds.h) set both; the
    // frame and the layout take them as they stand, whatever the type.
    double facing = 180;
    double tilt = 0;
    double nodusHeight = 50; // mm, the nodus's perpendicular height above the face
    PlateRect plate;         // mm
    int stepMinutes = 60;    // 60, 30 or 15
    DialTime time = DialTime::Sun;
    double zoneMeridian = 0; // degrees east, used by DialTime::Zone
    double halfWidth = 2.5;  // m, an analemmatic dial's ellipse's east-west half-width
    // A noon mark's hole: its height above the face (m; the kind makes it
    // the nodus height), its diameter (mm), and the standard clock's time
    // of its figure-8 (hours).
    double apertureHeight = 3;
    double apertureDiameter = 10;
    double markHours = 12;
    // A bifilar dial's wires' heights above the face (mm): the one along
    // the plate's x axis and the one along its y axis.
    double xWire = 100;
    double yWire = 100;
    // The sun day by day through the design's year at the site, for a
    // kind's layout that needs it; empty in an input made by hand.
    SunYear sunYear;
    // The sun at the zone's standard clock's times, for lines drawn to the
    // clock; empty in an input made by hand.
    ClockSun clockSun;
};

// Bounds the caller checks before laying out a dial (millimetres): each side
// of the plate, and the nodus height, which must also stay within the plate's
// smaller side.
inline constexpr double kMinPlateSide = 50;
inline constexpr double kMaxPlateSide = 5000;
inline constexpr double kMinNodusHeight = 5;

// The sun's declination reaches this far either side of the equator (degrees).
inline constexpr double kMaxDeclination = 23.44;

} // namespace orvane::dial
