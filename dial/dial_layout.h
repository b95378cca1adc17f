#pragma once
// The style, the gnomon to cut and the hour lines of a plane dial.
#include "dial/analemmatic.h"
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

struct HourLine {
    double hour = 0;   // 9.5 for half past nine
    std::string label; // "9:30"
    PlateSegment line; // both ends on the plate, the first at the root's end if there is a root
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
    // that miss the plate are left out.
    std::vector<HourLine> hourLines;
    // The hours at which the sun lights the face on some day but whose
    // lines miss the plate.
    std::vector<double> offPlate;
    // An analemmatic dial's marks on the ground, in place of the above.
    std::optional<GroundLayout> ground;
    // A noon mark's meridian line and figure-8, in place of the above.
    std::optional<NoonMarkLayout> noonMark;
};

DialLayout layoutDial(const DialInput &input);

// Whether the sun, above the horizon, lights the face at some minute of
// some day of the year (sampled every minute of hour angle).
bool faceEverLit(const DialInput &input);

// "9", "9:30", "13": the 24-hour clock, minutes only when not on the hour.
std::string hourLabel(double hour);

} // namespace orvane::dial
