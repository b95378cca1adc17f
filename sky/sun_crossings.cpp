// The instants of a given bearing or altitude. Seen from the site the sun
// turns about the pole with its hour angle H while its declination d hardly
// moves in a day, so with p the latitude its direction is
//   east  = -cos d sin H
//   north =  cos p sin d - sin p cos d cos H
//   up    =  sin p sin d + cos p cos d cos H.
// Any fixed combination of these is a sinusoid in H plus a constant: it has
// one maximum and one minimum half a turn apart and is monotonic between
// them, so it crosses a level at most once there. The altitude turns at the
// transits (H = 0 and pi). For a bearing b the quantity is the component
// across the vertical plane through b, east cos b - north sin b, which turns
// where cos b cos H + sin p sin b sin H = 0. Bracketing between the turning
// points finds every crossing, near the zenith, across the azimuth's wrap
// from 360 to 0, or twice in a morning alike; the component vanishes at the
// opposite bearing too, which the component along the plane tells apart.
#include "sun.h"

#include "root_finding.h"
#include "sun_sample.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>

namespace orvane::sky {

namespace {

using angles::kPi;
using angles::kSecondsPerDay;

constexpr double kSolarRate = 2 * kPi / kSecondsPerDay;
constexpr double kTolerance = 1e-4; // seconds
// Two brackets meeting at a root both find it.
constexpr double kSameRoot = 1e-3; // seconds

double wrapAngle(double radians) // to (-pi, pi]
{
    const double a = std::remainder(radians, 2 * kPi);
    return a <= -kPi ? a + 2 * kPi : a;
}

} // namespace

std::vector<double> Sun::hourAngleInstants(double hourAngle, double start, double end)
{
    const Sample middle = sample((start + end) / 2);
    const int reach = static_cast<int>(std::ceil((end - start) / 2 / kSecondsPerDay)) + 1;
    std::vector<double> out;
    for (const double target : {hourAngle, hourAngle + kPi}) {
        const double nearest = middle.utc + wrapAngle(target - middle.sun.hourAngle) / kSolarRate;
        for (int k = -reach; k <= reach; ++k) {
            double t = nearest + k * kSecondsPerDay;
            // The hour angle runs off the mean rate by up to 30 s a day.
            if (t < start - kSecondsPerDay / 8 || t > end + kSecondsPerDay / 8)
                continue;
            t += wrapAngle(target - sample(t).sun.hourAngle) / kSolarRate;
            if (t > start && t < end)
                out.push_back(t);
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

template <typename F>
std::vector<Sun::Sample> Sun::roots(F &&f, double hourAngle, double start, double end)
{
    std::vector<double> edges = hourAngleInstants(hourAngle, start, end);
    edges.push_back(end);
    std::vector<Sample> out;
    Sample a = sample(start);
    double fa = f(a.sun);
    for (const double edge : edges) {
        const Sample b = sample(edge);
        const double fb = f(b.sun);
        if ((fa > 0) != (fb > 0)) {
            Sample last = a;
            const auto g = [&](double t) {
                last = sample(t);
                return f(last.sun);
            };
            const double t = brentRoot(g, a.utc, fa, b.utc, fb, kTolerance);
            if (t < end && (out.empty() || t - out.back().utc > kSameRoot))
                out.push_back(last.utc == t ? last : sample(t));
        }
        a = b;
        fa = fb;
    }
    return out;
}

std::vector<SunEvent> Sun::bearingCrossings(double bearingDeg, double dayStartUtc, double dayLengthSeconds)
{
    std::vector<SunEvent> out;
    if (!std::isfinite(bearingDeg) || !(dayLengthSeconds > 0))
        return out;
    const double bearing = angles::wrap360(bearingDeg);
    const double sb = std::sin(angles::radians(bearing)), cb = std::cos(angles::radians(bearing));
    const double sinLatitude = frame_.up[2]; // the vertical's polar component
    // At the equator due east and west the component is constant but for
    // the declination's drift; any turning point does.
    const double turning = std::atan2(cb, -sinLatitude * sb);
    const auto across = [sb, cb](const LocalSun &s) { return s.east * cb - s.north * sb; };
    for (const Sample &s : roots(across, turning, dayStartUtc, dayStartUtc + dayLengthSeconds)) {
        const double altitude = s.sun.altitudeDeg();
        if (s.sun.east * sb + s.sun.north * cb > 0 && altitude >= 0)
            out.push_back(SunEvent{s.utc, bearing, altitude});
    }
    return out;
}

std::vector<AltitudeEvent> Sun::altitudeCrossings(double altitudeDeg, double dayStartUtc, double dayLengthSeconds)
{
    std::vector<AltitudeEvent> out;
    if (!(altitudeDeg > -90 && altitudeDeg < 90) || !(dayLengthSeconds > 0))
        return out;
    const double level = std::sin(angles::radians(altitudeDeg));
    const auto above = [level](const LocalSun &s) { return s.up - level; };
    for (const Sample &s : roots(above, 0.0, dayStartUtc, dayStartUtc + dayLengthSeconds)) {
        // The sun climbs from the lower transit to the upper (H < 0).
        out.push_back(AltitudeEvent{s.utc, s.sun.azimuthDeg(), altitudeDeg, s.sun.hourAngle < 0});
    }
    return out;
}

} // namespace orvane::sky
