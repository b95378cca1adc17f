#include "dial/lean.h"
#include "dial/face_frame.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>

namespace orvane::dial {

namespace {

// The face as drawn, its tilt changed; facing and tilt are read back from
// its normal, so that the tilt lies in [0, 180] and the facing in [0, 360).
DialInput leaned(const DialInput &drawn, double tiltChange)
{
    DialInput in = drawn;
    const FaceFrame f = faceFrame(drawn);
    in.tilt = angles::degrees(std::acos(std::clamp(f.normal.u, -1.0, 1.0))) + tiltChange;
    // A level face's facing is the way it was given to lean.
    in.facing = std::hypot(f.normal.e, f.normal.n) > 1e-12
                    ? angles::wrap360(angles::degrees(std::atan2(f.normal.e, f.normal.n)))
                    : drawn.facing;
    return in;
}

// The sun time (hours) the drawn face reads for a shadow at plate point p.
double readingAt(const FaceFrame &f, PlatePoint p)
{
    const Vec3 toNodus = f.height * f.normal - (p.x * f.xAxis + p.y * f.yAxis);
    const double hourAngleRad = std::atan2(dot(toNodus, f.equatorWest), dot(toNodus, f.equatorNoon));
    return 12 + angles::degrees(hourAngleRad) / 15;
}

std::optional<double> readingWhenLeaning(const DialInput &drawn, double hour, double declinationDeg, double lean)
{
    const FaceFrame real = faceFrame(leaned(drawn, lean));
    const Vec3 sun = sunDirection(real, angles::radians(15 * (hour - 12)), angles::radians(declinationDeg));
    if (dot(sun, real.normal) <= 1e-9 || sun.u <= 0)
        return std::nullopt;
    return readingAt(faceFrame(leaned(drawn, 0)), shadowOf(real, sun));
}

} // namespace

bool leanMatters(const DialInput &drawn)
{
    const double tilt = leaned(drawn, 0).tilt;
    return std::fabs(tilt - 90) <= kLeanCheckedWithin || tilt <= kLeanCheckedWithin;
}

std::optional<double> leanMinutesPerDegree(const DialInput &drawn, double hour, double declinationDeg)
{
    // Half a degree either way: the rate at the drawn tilt itself.
    const std::optional<double> ahead = readingWhenLeaning(drawn, hour, declinationDeg, 0.5);
    const std::optional<double> back = readingWhenLeaning(drawn, hour, declinationDeg, -0.5);
    if (!ahead || !back)
        return std::nullopt;
    return 60 * std::remainder(*ahead - *back, 24);
}

} // namespace orvane::dial
