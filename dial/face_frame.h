#pragma once
// The dial face in an east-north-up frame: its normal, its plate axes and
// the Earth's axis, and where the nodus throws its shadow.
#include "dial/dial_input.h"

#include <optional>

namespace orvane::dial {

// East, north, up.
struct Vec3 {
    double e = 0;
    double n = 0;
    double u = 0;
};

inline double dot(Vec3 a, Vec3 b) { return a.e * b.e + a.n * b.n + a.u * b.u; }
inline Vec3 operator*(double k, Vec3 a) { return {k * a.e, k * a.n, k * a.u}; }
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.e + b.e, a.n + b.n, a.u + b.u}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.e - b.e, a.n - b.n, a.u - b.u}; }

struct FaceFrame {
    Vec3 normal; // outward, towards the nodus
    Vec3 xAxis;
    Vec3 yAxis;
    Vec3 pole;         // towards the north celestial pole
    Vec3 equatorNoon;  // the equator's point on the upper meridian
    Vec3 equatorWest;  // the equator's point six hours later, due west
    double height = 0; // mm
};

FaceFrame faceFrame(const DialInput &input);

// Unit vectors towards the sun; hour angle and declination in radians, the
// hour angle positive to the west.
Vec3 equatorPoint(const FaceFrame &f, double hourAngleRad);
Vec3 sunDirection(const FaceFrame &f, double hourAngleRad, double declinationRad);

// The unit vector towards a sun standing at `place`.
Vec3 sunVector(SunPlace place);

// Where the nodus's shadow falls for the sun in direction s; needs s to light
// the face (dot(s, normal) > 0).
PlatePoint shadowOf(const FaceFrame &f, Vec3 s);
PlatePoint onPlate(const FaceFrame &f, Vec3 v);

// Where the style meets the face's plane (mm); none when it runs parallel
// to the face, whose hour lines are then parallel too.
std::optional<PlatePoint> styleRoot(const FaceFrame &f);

// The direction on the plate in which the style's shadow runs from the root
// at this hour angle: the same for every declination, in the plane of the
// style and the hour circle. Needs a root.
PlatePoint hourLineDirection(const FaceFrame &f, double hourAngleRad);

// Whether, on some day of the year, the sun lights the face while above the
// horizon at this hour angle.
bool hourLit(const FaceFrame &f, double hourAngleRad);

// Hour angle (radians, in (-pi, pi]) of the line labelled `hour`.
double hourAngleOf(const DialInput &input, double hour);
// The other way: the hour, in [0, 24), whose line has this hour angle.
double hourOf(const DialInput &input, double hourAngleRad);

} // namespace orvane::dial
