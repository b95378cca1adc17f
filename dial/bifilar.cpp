#include "dial/bifilar.h"

#include "dial/plate.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane::dial {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

double stretch(const DialInput &input) { return input.xWire / input.yWire; }

// The plane dial whose nodus, at the y-wire's height, throws the crossing's
// shadow squeezed along y by the stretch, on the plate squeezed alike.
DialInput nodusDial(const DialInput &input)
{
    DialInput in = input;
    in.nodusHeight = input.yWire;
    in.plate.yMin /= stretch(input);
    in.plate.yMax /= stretch(input);
    return in;
}

// The plate-frame parts of a sun direction, as (x, y, out of the face).
struct FaceParts {
    double x, y, z;
};

FaceParts parts(const FaceFrame &f, Vec3 v) { return {dot(v, f.xAxis), dot(v, f.yAxis), dot(v, f.normal)}; }

// Where an hour line's points go from the centre, for the hour angle h:
// the crossing is centre + direction / (e.z + tan(dec) p.z).
PlatePoint hourDirection(const DialInput &input, const FaceFrame &f, double h)
{
    const FaceParts e = parts(f, equatorPoint(f, h)), p = parts(f, f.pole);
    return {-input.yWire * (e.x - e.z * p.x / p.z), -input.xWire * (e.y - e.z * p.y / p.z)};
}

// The tangents of the declinations, solstice to solstice, at which the sun
// lights the face from above the horizon at hour angle h; lo > hi if none.
struct Span {
    double lo, hi;
};

Span litSpan(const FaceFrame &f, double h)
{
    const double t = std::tan(angles::radians(kMaxDeclination));
    Span s{-t, t};
    const Vec3 e = equatorPoint(f, h);
    // Each condition a + t b > 0.
    for (const auto &[a, b] : {std::pair{dot(e, f.normal), dot(f.pole, f.normal)}, std::pair{e.u, f.pole.u}}) {
        if (std::fabs(b) < 1e-12) {
            if (a <= 0)
                return {1, -1};
        } else if (b > 0) {
            s.lo = std::max(s.lo, -a / b);
        } else {
            s.hi = std::min(s.hi, -a / b);
        }
    }
    return s;
}

} // namespace

PlatePoint bifilarCrossing(const DialInput &input, Vec3 s)
{
    const FaceParts p = parts(faceFrame(input), s);
    return {-input.yWire * p.x / p.z, -input.xWire * p.y / p.z};
}

std::optional<PlatePoint> bifilarCentre(const DialInput &input)
{
    const FaceFrame f = faceFrame(input);
    const FaceParts p = parts(f, f.pole);
    if (std::fabs(p.z) < 1e-9)
        return std::nullopt;
    return PlatePoint{-input.yWire * p.x / p.z, -input.xWire * p.y / p.z};
}

std::optional<double> evenXWire(const DialInput &input)
{
    if (!bifilarCentre(input))
        return std::nullopt;
    // With both wires at 1 mm, the 12 and 18 o'clock directions a and b:
    // scaling y by r spaces the hours evenly when the two are square and
    // equal, cos H a + sin H b then turning as H does.
    DialInput unit = input;
    unit.xWire = unit.yWire = 1;
    const FaceFrame f = faceFrame(unit);
    const PlatePoint a = hourDirection(unit, f, 0), b = hourDirection(unit, f, angles::kPi / 2);
    const double across = a.y * a.y - b.y * b.y;
    if (std::fabs(across) < 1e-12)
        return std::nullopt;
    const double r2 = (b.x * b.x - a.x * a.x) / across;
    if (!(r2 > 0) || std::fabs(a.x * b.x + r2 * a.y * b.y) > 1e-9)
        return std::nullopt;
    return input.yWire * std::sqrt(r2);
}

bool evenlySpaced(const DialInput &input)
{
    const std::optional<double> even = evenXWire(input);
    return even && std::fabs(*even - input.xWire) < 1e-6 * input.yWire;
}

std::vector<DialFace> bifilarFaces(const DialInput &given)
{
    DialFace face;
    face.input = given;
    DialInput &in = face.input;
    if (std::isnan(in.tilt))
        in.tilt = std::isnan(in.facing) ? 0 : 90;
    if (std::isnan(in.facing))
        in.facing = 180;
    if (std::isnan(in.xWire)) {
        const std::optional<double> even = evenXWire(in);
        in.xWire = even && *even >= kMinWireHeight && *even <= in.yWire ? *even : in.yWire;
    }
    // The wires stand where a nodus would: what sizes the plate and the marks.
    in.nodusHeight = in.yWire;
    return {face};
}

PlateRect bifilarPlate(const DialInput &input, double width, double height)
{
    const double k = stretch(input);
    PlateRect p = plateAround(nodusDial(input), width, height / k);
    p.yMin *= k;
    p.yMax *= k;
    return p;
}

std::vector<Polyline> bifilarDateLine(const DialInput &input, double declinationDeg)
{
    const double k = stretch(input);
    std::vector<Polyline> pieces = dateLine(nodusDial(input), declinationDeg);
    for (Polyline &piece : pieces)
        for (PlatePoint &p : piece)
            p.y = std::clamp(p.y * k, input.plate.yMin, input.plate.yMax);
    return pieces;
}

DialLayout bifilarLayout(const DialInput &input)
{
    const FaceFrame f = faceFrame(input);
    const double pz = dot(f.pole, f.normal);
    DialLayout out;
    out.root = bifilarCentre(input);
    const int step = input.stepMinutes > 0 ? input.stepMinutes : 60;
    for (int minutes = 0; minutes < 24 * 60; minutes += step) {
        const double hour = minutes / 60.0;
        const double h = hourAngleOf(input, hour);
        const Span s = litSpan(f, h);
        if (s.lo >= s.hi)
            continue;
        std::optional<PlateSegment> line;
        if (out.root) {
            // Along the line 1 / (e.z + t p.z) grows away from the centre;
            // where the sun grazes the face it runs off to infinity.
            const double ez = dot(equatorPoint(f, h), f.normal);
            const auto reach = [&](double t) { return ez + t * pz > 1e-12 ? 1 / (ez + t * pz) : kInf; };
            const double u1 = reach(s.lo), u2 = reach(s.hi);
            line = clipToPlate(input.plate, *out.root, hourDirection(input, f, h), std::min(u1, u2), std::max(u1, u2));
        } else {
            const Vec3 e = equatorPoint(f, h);
            const PlatePoint at = bifilarCrossing(input, e), along = bifilarCrossing(input, e + f.pole);
            line = clipToPlate(input.plate, at, {along.x - at.x, along.y - at.y}, s.lo, s.hi);
        }
        if (line)
            out.hourLines.push_back({hour, hourLabel(hour), *line, {}, 0, {}});
        else
            out.offPlate.push_back(hour);
    }
    return out;
}

WirePosts wirePosts(const DialFace &face)
{
    const PlateRect &plate = face.input.plate;
    // The farthest the crossing reaches on the plate, the origin within.
    PlateRect lit;
    for (const HourLine &h : face.layout.hourLines) {
        lit.include(h.line.from);
        lit.include(h.line.to);
    }
    for (const DateLine &d : face.dateLines)
        for (const Polyline &piece : d.pieces)
            for (PlatePoint p : piece)
                lit.include(p);
    return {{{(plate.xMin + lit.xMin) / 2, 0}, {(plate.xMax + lit.xMax) / 2, 0}},
            {{0, (plate.yMin + lit.yMin) / 2}, {0, (plate.yMax + lit.yMax) / 2}}};
}

} // namespace orvane::dial
