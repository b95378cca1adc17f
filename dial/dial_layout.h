#pragma once
// The style, the gnomon to cut and the hour lines of a plane dial.
#include "dial/analemmatic.h"
#include "dial/date_lines.h"
#include "dial/dial_input.h"
#include "dial/noon_mark.h"
#include "dial/plate.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane::dial {

// The gnomon as a right triangle root - foot - nodus, right-angled at the
// foot, with the style height as its angle at the root (mm).
struct Gnomon {
    double styleLength = 0; // root to nodus, along the style
    double height = 0;      // foot to nodus, the nodus height
    double base = 0;        // root to foot, along the substyle
    // The piece as cut: over the substyle on the plate, so where the root
    // lies off the plate the triangle ends at the plate's edge in an upright
    // edge of `cutEdge` (0 where the root is on the plate).
    double cutBase = 0;  // along the substyle, to the foot
    double cutEdge = 0;  // at the plate's edge
    double cutStyle = 0; // along the style, to the nodus
};

// Where a clock dial's line stands on one day (0 on 1 January).
struct ClockMark {
    int dayOfYear = 0;
    PlatePoint point;
};

struct HourLine {
    double hour = 0;   // 9.5 for half past nine
    std::string label; // "9:30"
    PlateSegment line; // both ends on the plate, the first at the root's end if there is a root
    // A clock dial's line instead of `line` (left at zero): the figure-8 on
    // the plate in pieces, points at most 2 mm apart, first those of the half
    // of the year from the December to the June solstice (the declination
    // rising), then those of the other half; and each day whose point falls
    // on the lit plate, in the order of the year.
    std::vector<Polyline> curve;
    std::size_t risingPieces = 0;
    std::vector<ClockMark> days;
};

// A clock dial's year: the days (0 on 1 January) of its equinoxes and
// solstices, by the sun's declination at the standard clock's noon.
struct YearTurns {
    int march = 0, june = 0, september = 0, december = 0;
};

struct DialLayout {
    double styleHeight = 0; // degrees between the style and the face
    // Where the style meets the face's plane; none when the style runs
    // parallel to the face (east or west walls, horizontal dials on the
    // equator), whose hour lines are then parallel too.
    std::optional<PlatePoint> root;
    // The style's foot line on the plate, from the root's end: the half-line
    // from the root through the foot, or with no root the whole line through
    // the foot along the style. None when it misses the plate, or when the
    // style stands perpendicular to the face (root and foot coincide).
    std::optional<PlateSegment> substyle;
    // None when the style runs parallel to the face: the gnomon is then a
    // straight edge at the nodus height along the whole substyle, e.g. a
    // rectangle of that height over the substyle's segment.
    std::optional<Gnomon> gnomon;
    // In order of the hour, from 0 to 24, for the hours at which the sun
    // lights the face while above the horizon on some day of the year; lines
    // that miss the plate are left out. A clock dial's, by the clock's hour.
    std::vector<HourLine> hourLines;
    // The hours at which the sun lights the face on some day but whose
    // lines miss the plate.
    std::vector<double> offPlate;
    // A clock dial's year, none for other dials.
    std::optional<YearTurns> clockYear;
    // An analemmatic dial's marks on the ground, in place of the above.
    std::optional<GroundLayout> ground;
    // A noon mark's meridian line and figure-8, in place of the above.
    std::optional<NoonMarkLayout> noonMark;
};

DialLayout layoutDial(const DialInput &input);

// A clock dial's hour lines (clock_lines.cpp): the figure-8 of each hour of
// the standard clock at which the nodus's shadow falls on the face on some
// day; those that miss the plate go in offPlate.
void layoutClockLines(const DialInput &input, DialLayout &layout);

// Whether the sun, above the horizon, lights the face at some minute of
// some day of the year (sampled every minute of hour angle).
bool faceEverLit(const DialInput &input);

// "9", "9:30", "13": the 24-hour clock, minutes only when not on the hour.
std::string hourLabel(double hour);

} // namespace orvane::dial
