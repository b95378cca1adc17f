#include "dial/date_lines.h"

#include "dial/face_frame.h"
#include "dial/plate.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvane::dial {

namespace {

using angles::kPi;
// Kept a little under the promise: the point where a line leaves the plate is
// read off a chord, a hair away from the curve.
constexpr double kStep = 0.95 * kDateLineSpacing;

// Hour angles start .. start + length (radians).
struct Arc {
    double start = 0;
    double length = 0;
};

// Where a cos H + b sin H + c > 0.
std::optional<Arc> positiveArc(double a, double b, double c)
{
    const double r = std::hypot(a, b);
    if (r <= std::fabs(c)) {
        if (c > 0)
            return Arc{-kPi, 2 * kPi};
        return std::nullopt;
    }
    const double half = std::acos(-c / r);
    return Arc{std::atan2(b, a) - half, 2 * half};
}

std::vector<Arc> intersect(Arc a, Arc b)
{
    if (a.length >= 2 * kPi)
        return {b};
    if (b.length >= 2 * kPi)
        return {a};
    // b's start moved into [a.start, a.start + 2 pi); b may then wrap past
    // a's end onto a's beginning.
    const double bStart = a.start + std::fmod(std::fmod(b.start - a.start, 2 * kPi) + 2 * kPi, 2 * kPi);
    const double aEnd = a.start + a.length;
    std::vector<Arc> out;
    const double wrappedEnd = std::min(aEnd, bStart - 2 * kPi + b.length);
    if (wrappedEnd > a.start)
        out.push_back({a.start, wrappedEnd - a.start});
    const double end = std::min(aEnd, bStart + b.length);
    if (end > bStart)
        out.push_back({bStart, end - bStart});
    return out;
}

// Walks the shadow along an arc of hour angles, in steps that keep points on
// the plate close together and stride quickly where the shadow is far off.
class Tracer {
public:
    Tracer(const FaceFrame &f, double declinationRad, const PlateRect &plate, std::vector<Polyline> &out)
        : m_f(f), m_sunPole(std::sin(declinationRad) * f.pole), m_cosDeclination(std::cos(declinationRad)),
          m_plate(plate), m_out(out)
    {}

    void trace(Arc arc)
    {
        // Stop just short of the ends, where the sun grazes the face or the horizon.
        const double inset = 1e-9;
        const double end = arc.start + arc.length - inset;
        double h0 = arc.start + inset;
        if (h0 >= end)
            return;
        Sample a = sample(h0);
        if (m_plate.contains(a.point))
            m_line.push_back(a.point);
        while (h0 < end) {
            const double off = distanceToPlate(a.point);
            // Off the plate the chord must keep clear of it.
            const double limit = std::max(kStep, off / 2);
            double dh = std::min({0.9 * limit / a.speed, kMaxStep, end - h0});
            Sample b;
            for (;;) {
                b = sample(h0 + dh);
                const double chord = std::hypot(b.point.x - a.point.x, b.point.y - a.point.y);
                const bool onPlate = off == 0 || m_plate.contains(b.point);
                if (chord <= (onPlate ? kStep : limit) || dh < 1e-12)
                    break;
                dh /= 2;
            }
            const double h1 = h0 + dh;
            join(h0, a.point, h1, b.point);
            h0 = h1;
            a = b;
        }
        flush();
    }

private:
    static constexpr double kMaxStep = angles::radians(2);

    struct Sample {
        PlatePoint point;
        double speed = 0; // mm per radian of hour angle
    };

    Sample sample(double hourAngleRad) const
    {
        const double c = std::cos(hourAngleRad);
        const double sn = std::sin(hourAngleRad);
        const Vec3 s = m_cosDeclination * (c * m_f.equatorNoon + sn * m_f.equatorWest) + m_sunPole;
        const Vec3 ds = m_cosDeclination * (c * m_f.equatorWest - sn * m_f.equatorNoon);
        const double sNormal = dot(s, m_f.normal);
        const double k = -m_f.height / sNormal;
        const PlatePoint p{k * dot(s, m_f.xAxis), k * dot(s, m_f.yAxis)};
        // d/dH of -h (s.x) / (s.n) is k (ds.x) - (s.x)-part times (ds.n) / (s.n).
        const double rate = dot(ds, m_f.normal) / sNormal;
        const double dx = k * dot(ds, m_f.xAxis) - p.x * rate;
        const double dy = k * dot(ds, m_f.yAxis) - p.y * rate;
        return {p, std::max(1e-9, std::hypot(dx, dy))};
    }
    PlatePoint at(double hourAngleRad) const { return sample(hourAngleRad).point; }

    double distanceToPlate(PlatePoint p) const
    {
        const double dx = std::max({m_plate.xMin - p.x, 0.0, p.x - m_plate.xMax});
        const double dy = std::max({m_plate.yMin - p.y, 0.0, p.y - m_plate.yMax});
        return std::hypot(dx, dy);
    }

    void join(double h0, PlatePoint p0, double h1, PlatePoint p1)
    {
        const bool in0 = m_plate.contains(p0);
        const bool in1 = m_plate.contains(p1);
        if (in0 && in1) {
            m_line.push_back(p1);
        } else if (in0) {
            m_line.push_back(edge(h0, h1));
            flush();
        } else if (in1) {
            m_line.push_back(edge(h1, h0));
            m_line.push_back(p1);
        }
    }

    // Where the line leaves the plate between hIn (on it) and hOut (off it):
    // narrowed down in hour angle, then read off the remaining chord.
    PlatePoint edge(double hIn, double hOut) const
    {
        PlatePoint in = at(hIn);
        PlatePoint out = at(hOut);
        for (int i = 0; i < 10; ++i) {
            const double hm = (hIn + hOut) / 2;
            const PlatePoint pm = at(hm);
            if (m_plate.contains(pm)) {
                hIn = hm;
                in = pm;
            } else {
                hOut = hm;
                out = pm;
            }
        }
        return chordEdge(m_plate, in, out);
    }

    void flush()
    {
        if (m_line.size() >= 2)
            m_out.push_back(std::move(m_line));
        m_line.clear();
    }

    const FaceFrame &m_f;
    Vec3 m_sunPole;
    double m_cosDeclination;
    const PlateRect &m_plate;
    std::vector<Polyline> &m_out;
    Polyline m_line;
};

} // namespace

std::vector<Polyline> dateLine(const DialInput &input, double declinationDeg)
{
    const FaceFrame f = faceFrame(input);
    const double declinationRad = angles::radians(declinationDeg);
    // The sun lights a plane with normal m when
    // cos d (cos H dot(noon, m) + sin H dot(west, m)) + sin d dot(pole, m) > floor.
    const auto litBy = [&](Vec3 m, double floor) {
        return positiveArc(std::cos(declinationRad) * dot(f.equatorNoon, m),
                           std::cos(declinationRad) * dot(f.equatorWest, m),
                           std::sin(declinationRad) * dot(f.pole, m) - floor);
    };
    // The shadow lies within r of the foot just when dot(sun, normal) >=
    // h / hypot(h, r); beyond the plate's farthest corner it need not be traced.
    const PlateRect &p = input.plate;
    const double r =
        std::hypot(std::max(std::fabs(p.xMin), std::fabs(p.xMax)), std::max(std::fabs(p.yMin), std::fabs(p.yMax))) + 1;
    const std::optional<Arc> face = litBy(f.normal, f.height / std::hypot(f.height, r));
    const std::optional<Arc> sky = litBy({0, 0, 1}, 0);
    std::vector<Polyline> out;
    if (!face || !sky)
        return out;
    std::vector<Arc> arcs = intersect(*face, *sky);
    // Hour angles from -pi, local midnight, so that the pieces follow the day.
    for (Arc &arc : arcs)
        arc.start = std::remainder(arc.start, 2 * kPi);
    std::sort(arcs.begin(), arcs.end(), [](Arc a, Arc b) { return a.start < b.start; });
    Tracer tracer(f, declinationRad, input.plate, out);
    for (const Arc &arc : arcs)
        tracer.trace(arc);
    return out;
}

double meanObliquity(double year)
{
    const double t = (year - 2000) / 100; // Julian centuries from J2000
    const double arcseconds =
        84381.406 + t * (-46.836769 + t * (-0.0001831 + t * (0.00200340 + t * (-0.000000576 + t * -0.0000000434))));
    return arcseconds / 3600;
}

} // namespace orvane::dial
