#include "dial/plate.h"

#include "dial/dial_layout.h"
#include "dial/face_frame.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace orvane::dial {

namespace {

PlateRect firstGuess(const DialInput &input, double width, double height);

// The whole lit hours whose lines a plate leaves out, then those it shows
// only as a stub shorter than a tenth of its smaller side.
std::pair<int, int> hoursLeftOut(DialInput input, const PlateRect &plate)
{
    input.plate = plate;
    // A clock dial's figure-8s stand about the zone's lines, which are
    // quicker to lay out and cut.
    if (input.time == DialTime::Clock)
        input.time = DialTime::Zone;
    const DialLayout layout = layoutDial(input);
    const double stub = std::min(plate.width(), plate.height()) / 10;
    const auto whole = [](double hour) { return hour == std::floor(hour); };
    int stubs = 0;
    for (const HourLine &h : layout.hourLines)
        if (whole(h.hour) && std::hypot(h.line.to.x - h.line.from.x, h.line.to.y - h.line.from.y) < stub)
            ++stubs;
    return {int(std::count_if(layout.offPlate.begin(), layout.offPlate.end(), whole)), stubs};
}

// The shadows of the solstices and the equinox every quarter hour the sun
// lights the face: a plate holds some of a date line where it holds one.
std::vector<std::vector<PlatePoint>> dateShadows(const DialInput &input)
{
    const FaceFrame f = faceFrame(input);
    std::vector<std::vector<PlatePoint>> out;
    for (double declinationDeg : {-kMaxDeclination, 0.0, kMaxDeclination}) {
        std::vector<PlatePoint> line;
        for (int q = -48; q < 48; ++q) {
            const Vec3 s = sunDirection(f, q * angles::kPi / 48, angles::radians(declinationDeg));
            if (dot(s, f.normal) > 1e-9 && s.u > 0)
                line.push_back(shadowOf(f, s));
        }
        out.push_back(line);
    }
    return out;
}

bool holdsSome(const PlateRect &r, const std::vector<PlatePoint> &points)
{
    return std::any_of(points.begin(), points.end(), [&r](PlatePoint p) { return r.contains(p); });
}

} // namespace

PlateRect plateAround(const DialInput &input, double width, double height)
{
    const PlateRect guess = firstGuess(input, width, height);
    // A placement that shows more hours must not lose a solstice's or the
    // equinox's line.
    std::vector<std::vector<PlatePoint>> keep;
    for (const std::vector<PlatePoint> &line : dateShadows(input))
        if (holdsSome(guess, line))
            keep.push_back(line);
    std::pair<int, int> best = hoursLeftOut(input, guess);
    if (best.first == 0)
        return guess;
    // Slide the plate about the foot, in twelfths of its size, for the
    // placement that leaves out the fewest hours; of equals, the nearest the
    // guess.
    PlateRect chosen = guess;
    double moved = 0;
    for (int i = 1; i < 12; ++i)
        for (int j = 1; j < 12; ++j) {
            const PlateRect r{-width * i / 12, -height * j / 12, width - width * i / 12, height - height * j / 12};
            if (!std::all_of(keep.begin(), keep.end(), [&r](const auto &line) { return holdsSome(r, line); }))
                continue;
            const std::pair<int, int> left = hoursLeftOut(input, r);
            const double shift = std::hypot(r.xMin - guess.xMin, r.yMin - guess.yMin);
            if (left < best || (left == best && shift < moved)) {
                best = left;
                chosen = r;
                moved = shift;
            }
        }
    return chosen;
}

namespace {

PlateRect firstGuess(const DialInput &input, double width, double height)
{
    const FaceFrame f = faceFrame(input);
    // Mean of the unit directions from the foot to the shadows.
    PlatePoint side;
    int lit = 0;
    for (int d = -2; d <= 2; ++d) {
        const double declinationRad = angles::radians(d * kMaxDeclination / 2);
        for (int i = 0; i < 48; ++i) {
            const Vec3 s = sunDirection(f, (i + 0.5) / 24 * angles::kPi - angles::kPi, declinationRad);
            if (dot(s, f.normal) <= 1e-9 || s.u <= 0)
                continue;
            const PlatePoint p = shadowOf(f, s);
            const double r = std::hypot(p.x, p.y);
            if (r > 0) {
                side.x += p.x / r;
                side.y += p.y / r;
            }
            ++lit;
        }
    }
    if (lit == 0 || std::hypot(side.x, side.y) < 0.05 * lit)
        return {-width / 2, -height / 2, width / 2, height / 2};
    if (std::fabs(side.y) >= std::fabs(side.x)) {
        const double margin = height / 6;
        if (side.y < 0)
            return {-width / 2, margin - height, width / 2, margin};
        return {-width / 2, -margin, width / 2, height - margin};
    }
    const double margin = width / 6;
    if (side.x < 0)
        return {margin - width, -height / 2, margin, height / 2};
    return {-margin, -height / 2, width - margin, height / 2};
}

} // namespace

std::optional<PlateSegment> clipToPlate(const PlateRect &plate, PlatePoint origin, PlatePoint direction, double tMin,
                                        double tMax)
{
    if (direction.x == 0 && direction.y == 0)
        return std::nullopt;
    const std::pair<double, double> axes[] = {{origin.x, direction.x}, {origin.y, direction.y}};
    const std::pair<double, double> bounds[] = {{plate.xMin, plate.xMax}, {plate.yMin, plate.yMax}};
    for (int i = 0; i < 2; ++i) {
        const auto [p, d] = axes[i];
        const auto [lo, hi] = bounds[i];
        if (d == 0) {
            if (p < lo || p > hi)
                return std::nullopt;
            continue;
        }
        double t0 = (lo - p) / d;
        double t1 = (hi - p) / d;
        if (t0 > t1)
            std::swap(t0, t1);
        tMin = std::max(tMin, t0);
        tMax = std::min(tMax, t1);
    }
    if (!(tMin < tMax))
        return std::nullopt;
    const auto at = [&](double t) {
        return PlatePoint{std::clamp(origin.x + t * direction.x, plate.xMin, plate.xMax),
                          std::clamp(origin.y + t * direction.y, plate.yMin, plate.yMax)};
    };
    return PlateSegment{at(tMin), at(tMax)};
}

PlatePoint chordEdge(const PlateRect &plate, PlatePoint in, PlatePoint out)
{
    double t = 1;
    const auto limit = [&](double from, double to, double lo, double hi) {
        if (to > hi)
            t = std::min(t, (hi - from) / (to - from));
        else if (to < lo)
            t = std::min(t, (lo - from) / (to - from));
    };
    limit(in.x, out.x, plate.xMin, plate.xMax);
    limit(in.y, out.y, plate.yMin, plate.yMax);
    return {std::clamp(in.x + t * (out.x - in.x), plate.xMin, plate.xMax),
            std::clamp(in.y + t * (out.y - in.y), plate.yMin, plate.yMax)};
}

} // namespace orvane::dial
