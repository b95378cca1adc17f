#include "dial/face_frame.h"

#include "angles/angles.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvane::dial {

namespace {

// Below this |cos| between the axis and the face normal the style counts as
// parallel to the face: the root would lie beyond any plate.
constexpr double kParallel = 1e-12;

// Exact at the multiples of 90 degrees, so that level and upright faces
// keep their axes without rounding.
double sinDeg(double d)
{
    const double q = d / 90;
    if (q == std::round(q))
        return std::array{0.0, 1.0, 0.0, -1.0}[static_cast<std::size_t>(((long(q) % 4) + 4) % 4)];
    return std::sin(angles::radians(d));
}
double cosDeg(double d) { return sinDeg(d + 90); }

} // namespace

FaceFrame faceFrame(const DialInput &input)
{
    const double phi = angles::radians(input.latitude);
    const double sf = sinDeg(input.facing), cf = cosDeg(input.facing);
    const double sz = sinDeg(input.tilt), cz = cosDeg(input.tilt);
    FaceFrame f;
    f.normal = {sz * sf, sz * cf, cz};
    // To the right of someone looking at the face, level; y = normal x x,
    // up the face's slope.
    f.xAxis = {-cf, sf, 0};
    f.yAxis = {-cz * sf, -cz * cf, sz};
    f.pole = {0, std::cos(phi), std::sin(phi)};
    f.equatorNoon = {0, -std::sin(phi), std::cos(phi)};
    f.equatorWest = {-1, 0, 0};
    f.height = input.nodusHeight;
    return f;
}

Vec3 equatorPoint(const FaceFrame &f, double hourAngleRad)
{
    return std::cos(hourAngleRad) * f.equatorNoon + std::sin(hourAngleRad) * f.equatorWest;
}

Vec3 sunDirection(const FaceFrame &f, double hourAngleRad, double declinationRad)
{
    return std::cos(declinationRad) * equatorPoint(f, hourAngleRad) + std::sin(declinationRad) * f.pole;
}

PlatePoint onPlate(const FaceFrame &f, Vec3 v) { return {dot(v, f.xAxis), dot(v, f.yAxis)}; }

Vec3 sunVector(SunPlace place)
{
    const double az = angles::radians(place.azimuthDeg), alt = angles::radians(place.altitudeDeg);
    return {std::cos(alt) * std::sin(az), std::cos(alt) * std::cos(az), std::sin(alt)};
}

PlatePoint shadowOf(const FaceFrame &f, Vec3 s)
{
    // The ray from the nodus (height * normal) away from the sun meets the face.
    const double k = -f.height / dot(s, f.normal);
    return {k * dot(s, f.xAxis), k * dot(s, f.yAxis)};
}

std::optional<PlatePoint> styleRoot(const FaceFrame &f)
{
    const double pn = dot(f.pole, f.normal);
    if (std::fabs(pn) < kParallel)
        return std::nullopt;
    const PlatePoint axis = onPlate(f, f.pole);
    return PlatePoint{-f.height * axis.x / pn, -f.height * axis.y / pn};
}

PlatePoint hourLineDirection(const FaceFrame &f, double hourAngleRad)
{
    // The shadow runs from the root away from the sun.
    const Vec3 e = equatorPoint(f, hourAngleRad);
    const double pn = dot(f.pole, f.normal);
    const double sign = pn > 0 ? 1 : -1;
    return onPlate(f, sign * dot(e, f.normal) * f.pole - std::fabs(pn) * e);
}

bool hourLit(const FaceFrame &f, double hourAngleRad)
{
    // With t = tan(declination), the sun lights a plane with normal m when
    // dot(e, m) + t dot(pole, m) > 0: one bound on t per plane.
    const Vec3 e = equatorPoint(f, hourAngleRad);
    const double tMax = std::tan(angles::radians(kMaxDeclination));
    double lo = -tMax;
    double hi = tMax;
    for (const Vec3 &m : {f.normal, Vec3{0, 0, 1}}) {
        const double a = dot(e, m);
        const double b = dot(f.pole, m);
        if (std::fabs(b) < 1e-12) {
            // On the boundary to rounding (6 h on the equator) is not lit.
            if (a <= 1e-12)
                return false;
        } else if (b > 0) {
            lo = std::max(lo, -a / b);
        } else {
            hi = std::min(hi, -a / b);
        }
    }
    // An hour lit only on its boundary (6 o'clock on a south wall: the sun in
    // the wall's plane on the horizon) is not lit.
    return lo < hi - 1e-12;
}

double hourAngleOf(const DialInput &input, double hour)
{
    double degrees = 15 * (hour - 12);
    // A clock dial's figure-8s stand about the zone's mean lines.
    if (input.time != DialTime::Sun)
        degrees += input.longitude - input.zoneMeridian;
    return angles::radians(angles::wrap180(degrees));
}

double hourOf(const DialInput &input, double hourAngleRad)
{
    double degrees = angles::degrees(hourAngleRad);
    if (input.time == DialTime::Zone)
        degrees -= input.longitude - input.zoneMeridian;
    return angles::wrap360(degrees + 180) / 15;
}

} // namespace orvane::dial
