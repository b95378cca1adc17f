#include "dial/noon_mark.h"
#include "dial/noop.h"

#include "dial/clock_shadow.h"
#include "dial/face_frame.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace orvane::dial {

namespace {

using angles::degrees;
using angles::radians;

constexpr double kM = 1000; // mm in a metre

Vec3 cross(Vec3 a, Vec3 b) { return {a.n * b.u - a.u * b.n, a.u * b.e - a.e * b.u, a.e * b.n - a.n * b.e}; }
double dot2(PlatePoint a, PlatePoint b) { return a.x * b.x + a.y * b.y; }
PlatePoint unit(PlatePoint p)
{
    const double r = std::hypot(p.x, p.y);
    return r > 0 ? PlatePoint{p.x / r, p.y / r} : PlatePoint{0, 0};
}

const char *const kMonths[] = {ORVANE_NOOP("dial", "Jan"), ORVANE_NOOP("dial", "Feb"), ORVANE_NOOP("dial", "Mar"),
                               ORVANE_NOOP("dial", "Apr"), ORVANE_NOOP("dial", "May"), ORVANE_NOOP("dial", "Jun"),
                               ORVANE_NOOP("dial", "Jul"), ORVANE_NOOP("dial", "Aug"), ORVANE_NOOP("dial", "Sep"),
                               ORVANE_NOOP("dial", "Oct"), ORVANE_NOOP("dial", "Nov"), ORVANE_NOOP("dial", "Dec")};

// "21 Jun" from "2027-06-21".
std::string dayLabel(const std::string &iso)
{
    const int month = std::stoi(iso.substr(5, 2)), day = std::stoi(iso.substr(8, 2));
    return std::to_string(day) + " " + kMonths[month - 1];
}

// The days of the solstices and equinoxes: the noon declination's extremes
// and the days on either side of its zero nearer to it.
std::vector<int> turningDays(const DialInput &input)
{
    std::vector<int> out;
    if (!input.sunYear)
        return out;
    const std::vector<SunDay> &days = *input.sunYear();
    if (days.size() < 2)
        return out;
    const auto [low, high] = std::minmax_element(
        days.begin(), days.end(), [](const SunDay &a, const SunDay &b) { return a.declinationDeg < b.declinationDeg; });
    out = {low->dayOfYear, high->dayOfYear};
    for (std::size_t i = 1; i < days.size(); ++i) {
        const SunDay &a = days[i - 1], &b = days[i];
        if ((a.declinationDeg < 0) != (b.declinationDeg < 0) && b.dayOfYear == a.dayOfYear + 1)
            out.push_back(std::fabs(a.declinationDeg) < std::fabs(b.declinationDeg) ? a.dayOfYear : b.dayOfYear);
    }
    return out;
}

} // namespace

// The hole, d across and parallel to the face at height H, lets through the
// sun's disc (angular radius a) seen from each of its points. The spot is
// the hole's own outline (moved along the rays, a circle of diameter d, as
// the hole and the face are parallel) widened by the sun's image through a
// pinhole: the cone of half-angle a about the sun's direction, cut by the
// face. With e the sun's height above the face, the cone's axis stands
// t = 90 - e from the normal; its rays at t - a and t + a reach the face
// H tan(t - a) and H tan(t + a) from the foot, so that the image's length
// is H (tan(t + a) - tan(t - a)) = 2 H sin a cos a / (sin^2 e - sin^2 a)
// and its width, the conic's minor axis, 2 H sin a / sqrt(sin^2 e - sin^2 a).
// Hence length = d + 2 H sin a cos a / (sin^2 e - sin^2 a) and
// width = d + 2 H sin a / sqrt(sin^2 e - sin^2 a): to first order in a,
// width = d + D 2a with D = H / sin e the hole's distance, and the sun's
// part of the length that width's over sin e.
SpotSize spotSize(double heightMm, double diameterMm, double elevationDeg)
{
    const double a = radians(kSunDiameterDeg / 2), se = std::sin(radians(elevationDeg));
    const double k = std::max(1e-12, se * se - std::sin(a) * std::sin(a));
    return {diameterMm + 2 * heightMm * std::sin(a) * std::cos(a) / k,
            diameterMm + 2 * heightMm * std::sin(a) / std::sqrt(k)};
}

std::string clockText(double hours)
{
    const int minutes = int(std::lround(hours * 60)) % (24 * 60);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
    return text;
}

std::optional<NoonMarkDay> spotAt(const DialInput &input, const FaceFrame &f, Vec3 sun)
{
    if (!(sun.u > 0) || dot(sun, f.normal) < std::sin(radians(kMinSpotElevationDeg)))
        return std::nullopt;
    NoonMarkDay d;
    const PlatePoint p = shadowOf(f, sun);
    d.at = {p.x / kM, p.y / kM};
    d.elevationDeg = degrees(std::asin(dot(sun, f.normal)));
    d.spot = spotSize(input.nodusHeight, input.apertureDiameter, d.elevationDeg);
    // With the sun square to the face the spot is round: any axis serves.
    const PlatePoint axis = unit(onPlate(f, sun));
    d.spotAxis = axis.x == 0 && axis.y == 0 ? PlatePoint{1, 0} : axis;
    return d;
}

NoonMarkLayout layoutNoonMark(const DialInput &input)
{
    NoonMarkLayout l;
    l.apertureHeight = input.nodusHeight / kM;
    l.apertureDiameter = input.apertureDiameter;
    l.markHours = input.markHours;
    l.year = input.clockSun.year;
    l.daysInYear = input.clockSun.days;
    const FaceFrame f = faceFrame(input);

    // The line of the true noon: the meridian plane (normal east) cut by the face.
    const PlatePoint along = unit(onPlate(f, cross(f.normal, {1, 0, 0})));
    std::vector<std::pair<PlatePoint, double>> noons; // the spot and its half-length (m)
    for (int i = 0; i <= 200; ++i) {
        const double declination = -kMaxDeclination + 2 * kMaxDeclination * i / 200;
        const std::optional<NoonMarkDay> d = spotAt(input, f, sunDirection(f, 0, radians(declination)));
        if (d && (along.x != 0 || along.y != 0))
            noons.push_back({d->at, d->spot.lengthMm / (2 * kM)});
    }
    if (!noons.empty()) {
        double mean = 0;
        for (const auto &n : noons)
            mean += dot2(n.first, along);
        l.alongDir = mean < 0 ? PlatePoint{-along.x, -along.y} : along;
        l.acrossDir = {l.alongDir.y, -l.alongDir.x};
        if (l.acrossDir.x < -1e-12 || (std::fabs(l.acrossDir.x) <= 1e-12 && l.acrossDir.y < 0))
            l.acrossDir = {-l.acrossDir.x, -l.acrossDir.y};
        const PlatePoint p0 = noons.front().first;
        const double t0 = dot2(p0, l.alongDir);
        l.lineFoot = {p0.x - t0 * l.alongDir.x, p0.y - t0 * l.alongDir.y};
        double lo = std::numeric_limits<double>::infinity(), hi = -lo;
        for (const auto &[p, half] : noons) {
            const double t = dot2(p, l.alongDir);
            lo = std::min(lo, t - half);
            hi = std::max(hi, t + half);
        }
        l.meridian = PlateSegment{{l.lineFoot.x + lo * l.alongDir.x, l.lineFoot.y + lo * l.alongDir.y},
                                  {l.lineFoot.x + hi * l.alongDir.x, l.lineFoot.y + hi * l.alongDir.y}};
    }

    std::vector<int> marked = turningDays(input);
    for (const ClockDay &day : clockDays(input, input.markHours)) {
        if (!day.shadow)
            continue;
        std::optional<NoonMarkDay> spot = spotAt(input, f, day.sun);
        if (!spot) {
            ++l.lowDays;
            continue;
        }
        NoonMarkDay &d = *spot;
        d.dayOfYear = day.dayOfYear;
        d.date = isoDate(l.year, day.dayOfYear);
        const int dom = std::stoi(d.date.substr(8, 2));
        d.turning = std::find(marked.begin(), marked.end(), day.dayOfYear) != marked.end();
        if (dom == 1 || dom == 11 || dom == 21 || d.turning)
            d.label = dayLabel(d.date);
        const PlatePoint rel{d.at.x - l.lineFoot.x, d.at.y - l.lineFoot.y};
        d.along = dot2(rel, l.alongDir);
        d.across = dot2(rel, l.acrossDir);
        l.days.push_back(d);
    }
    return l;
}

} // namespace orvane::dial
