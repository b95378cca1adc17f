#pragma once
// The noon mark: a hole in a roof or a shutter throws a spot of sun on a
// floor or a wall; the spot crosses the true meridian line at the true noon
// and, at one time of the zone's standard clock, follows a figure-8 through
// the year.
//
// Positions are metres from the foot of the perpendicular from the aperture
// to the face, on the plate's axes (x east and y north on a floor, x right
// and y up on a wall).
#include "dial/dial_input.h"
#include "dial/face_frame.h"
#include "dial/plate.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane::dial {

inline constexpr double kMinApertureHeight = 0.1; // m
inline constexpr double kMaxApertureHeight = 50;  // m
inline constexpr double kMinApertureDiameter = 1; // mm
inline constexpr double kMaxApertureDiameter = 200;
// The sun's angular diameter (degrees): its mean, within 2 per cent all year.
inline constexpr double kSunDiameterDeg = 0.533;
// Under this height above the face (degrees) the spot lies more than 29
// aperture heights away, too long and faint to mark: such days are left out.
inline constexpr double kMinSpotElevationDeg = 2;

// The spot's outer edge (where any sunlight falls) for a round hole
// `diameterMm` across parallel to the face at `heightMm`, the sun at
// `elevationDeg` above the face's plane.
struct SpotSize {
    double lengthMm = 0; // along the sun's direction on the face
    double widthMm = 0;  // across it
};
SpotSize spotSize(double heightMm, double diameterMm, double elevationDeg);

struct NoonMarkDay {
    int dayOfYear = 0;
    std::string date;        // "2027-06-21"
    std::string label;       // "21 Jun" on the days marked, else empty
    bool turning = false;    // a solstice or an equinox
    PlatePoint at;           // the spot's centre (m)
    double along = 0;        // m along the meridian line from the point beside the foot
    double across = 0;       // m off the line, + to the side `NoonMarkLayout::acrossDir` points
    double elevationDeg = 0; // the sun above the face
    SpotSize spot;
    PlatePoint spotAxis; // unit, the spot's length on the plate
};

struct NoonMarkLayout {
    double apertureHeight = 0;   // m
    double apertureDiameter = 0; // mm
    double markHours = 12;       // of the zone's standard clock
    int year = 0;
    int daysInYear = 0;
    // The true meridian line, where the spot's centre stands at the true
    // noon, over the stretch the spot covers through the year (m); none
    // where the noon sun never lights the face.
    std::optional<PlateSegment> meridian;
    PlatePoint alongDir{0, 1}, acrossDir{1, 0}; // unit; along points from the foot towards the spots
    PlatePoint lineFoot;                        // the point of the line nearest the foot (m)
    // Every day the spot falls on the face at the mark time, in order.
    std::vector<NoonMarkDay> days;
    int lowDays = 0; // days the sun lights the face but under kMinSpotElevationDeg
};

// The spot with the sun in direction `sun` (east-north-up): its centre,
// the sun's height above the face, its size and its axis; none while the sun
// is down or stands under kMinSpotElevationDeg above the face.
std::optional<NoonMarkDay> spotAt(const DialInput &input, const FaceFrame &f, Vec3 sun);

NoonMarkLayout layoutNoonMark(const DialInput &input);

// "5:00" for the mark time's hours.
std::string clockText(double hours);

} // namespace orvane::dial
