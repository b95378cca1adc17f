#include "dial/old_hours.h"

#include "dial/face_frame.h"
#include "dial/plate.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>

namespace orvane::dial {

namespace {

using angles::kPi;

// A little under the promised spacing: an edge point is read off a chord.
constexpr double kStep = 0.95 * kDateLineSpacing;
// Declination steps (degrees) before refining; fine enough that a line's
// part on the plate is never stepped over.
constexpr double kCoarse = 0.1;

// Follows the nodus's shadow at one old hour as the declination runs from
// one solstice to the other, and keeps the pieces on the plate.
class Tracer {
public:
    Tracer(const DialInput &input, HourSystem system, int hour)
        : m_f(faceFrame(input)), m_plate(input.plate), m_system(system), m_hour(hour), m_latitude(input.latitude)
    {
        // Beyond the plate's farthest corner the shadow need not be followed.
        const PlateRect &p = input.plate;
        const double r =
            std::hypot(std::max(std::fabs(p.xMin), std::fabs(p.xMax)), std::max(std::fabs(p.yMin), std::fabs(p.yMax))) +
            1;
        m_floor = m_f.height / std::hypot(m_f.height, r);
    }

    std::vector<Polyline> trace(double obliquity)
    {
        const int n = std::max(2, int(std::ceil(2 * obliquity / kCoarse)));
        double dPrev = -obliquity;
        std::optional<PlatePoint> pPrev = at(dPrev);
        if (pPrev)
            emit(dPrev, *pPrev);
        for (int i = 1; i <= n; ++i) {
            const double d = -obliquity + 2 * obliquity * i / n;
            const std::optional<PlatePoint> p = at(d);
            if (pPrev && !p) {
                const double last = boundary(dPrev, d);
                emit(last, *at(last));
                flush();
            } else if (!pPrev && p) {
                const double first = boundary(d, dPrev);
                emit(first, *at(first));
            }
            if (p)
                emit(d, *p);
            dPrev = d;
            pPrev = p;
        }
        flush();
        return std::move(m_out);
    }

private:
    std::optional<PlatePoint> at(double declinationDeg) const
    {
        const std::optional<double> h = oldHourAngle(m_system, m_hour, m_latitude, declinationDeg);
        if (!h)
            return std::nullopt;
        const Vec3 s = sunDirection(m_f, *h, angles::radians(declinationDeg));
        if (s.u < -1e-12 || dot(s, m_f.normal) <= m_floor)
            return std::nullopt;
        return shadowOf(m_f, s);
    }

    // The last declination from `valid` towards `invalid` with a shadow.
    double boundary(double valid, double invalid) const
    {
        for (int i = 0; i < 50; ++i) {
            const double mid = (valid + invalid) / 2;
            (at(mid) ? valid : invalid) = mid;
        }
        return valid;
    }

    void emit(double d, PlatePoint p)
    {
        if (m_has)
            refine(m_d, m_p, d, p, 0);
        else if (m_plate.contains(p))
            m_line.push_back(p);
        m_has = true;
        m_d = d;
        m_p = p;
    }

    void refine(double d0, PlatePoint p0, double d1, PlatePoint p1, int depth)
    {
        const double chord = std::hypot(p1.x - p0.x, p1.y - p0.y);
        if (chord > kStep && depth < 30) {
            const double dm = (d0 + d1) / 2;
            if (const std::optional<PlatePoint> pm = at(dm)) {
                refine(d0, p0, dm, *pm, depth + 1);
                refine(dm, *pm, d1, p1, depth + 1);
                return;
            }
        }
        join(d0, p0, d1, p1);
    }

    void join(double d0, PlatePoint p0, double d1, PlatePoint p1)
    {
        const bool in0 = m_plate.contains(p0), in1 = m_plate.contains(p1);
        if (in0 && in1) {
            m_line.push_back(p1);
        } else if (in0) {
            m_line.push_back(edge(d0, d1));
            flush();
        } else if (in1) {
            m_line.push_back(edge(d1, d0));
            m_line.push_back(p1);
        }
    }

    // Where the shadow leaves the plate between dIn (on it) and dOut.
    PlatePoint edge(double dIn, double dOut) const
    {
        PlatePoint in = *at(dIn), out = *at(dOut);
        for (int i = 0; i < 30; ++i) {
            const double dm = (dIn + dOut) / 2;
            const std::optional<PlatePoint> pm = at(dm);
            if (!pm)
                break;
            if (m_plate.contains(*pm)) {
                dIn = dm;
                in = *pm;
            } else {
                dOut = dm;
                out = *pm;
            }
        }
        return chordEdge(m_plate, in, out);
    }

    void flush()
    {
        if (m_line.size() >= 2)
            m_out.push_back(std::move(m_line));
        m_line.clear();
        m_has = false;
    }

    FaceFrame m_f;
    const PlateRect &m_plate;
    HourSystem m_system;
    int m_hour;
    double m_latitude;
    double m_floor = 0;
    bool m_has = false;
    double m_d = 0;
    PlatePoint m_p;
    Polyline m_line;
    std::vector<Polyline> m_out;
};

// A straight piece's two ends: its farthest points along it.
Polyline ends(const Polyline &piece)
{
    const PlatePoint a = piece.front(), b = piece.back();
    PlatePoint dir{b.x - a.x, b.y - a.y};
    if (std::hypot(dir.x, dir.y) < 1e-9)
        dir = {piece[piece.size() / 2].x - a.x, piece[piece.size() / 2].y - a.y};
    const auto along = [&](PlatePoint p) { return (p.x - a.x) * dir.x + (p.y - a.y) * dir.y; };
    const auto [lo, hi] = std::minmax_element(piece.begin(), piece.end(),
                                              [&](PlatePoint p, PlatePoint q) { return along(p) < along(q); });
    return {*lo, *hi};
}

} // namespace

const char *hourSystemName(HourSystem system)
{
    switch (system) {
    case HourSystem::Italian:
        return "italian";
    case HourSystem::Babylonian:
        return "babylonian";
    case HourSystem::Unequal:
        return "unequal";
    }
    return "";
}

std::optional<double> oldHourAngle(HourSystem system, int hour, double latitudeDeg, double declinationDeg)
{
    const double c = -std::tan(angles::radians(latitudeDeg)) * std::tan(angles::radians(declinationDeg));
    if (!(std::fabs(c) < 1))
        return std::nullopt;        // the sun stays up, or down, all day
    const double h0 = std::acos(c); // sunset
    const double hourRad = angles::radians(15.0 * hour);
    switch (system) {
    case HourSystem::Babylonian:
        return -h0 + hourRad;
    case HourSystem::Italian:
        return h0 - 2 * kPi + hourRad;
    case HourSystem::Unequal:
        return -h0 + hour * (2 * h0 / 12);
    }
    return std::nullopt;
}

OldHours oldHourLines(const DialInput &input, HourSystem system, double obliquityDeg)
{
    OldHours out;
    out.system = system;
    // The first and last hours are the horizon itself.
    const int last = system == HourSystem::Unequal ? 11 : 23;
    for (int hour = 1; hour <= last; ++hour) {
        std::vector<Polyline> pieces = Tracer(input, system, hour).trace(obliquityDeg);
        if (pieces.empty())
            continue;
        if (system != HourSystem::Unequal)
            for (Polyline &piece : pieces)
                piece = ends(piece);
        out.lines.push_back({hour, std::to_string(hour), std::move(pieces)});
    }
    return out;
}

bool sunSetsEveryDay(double latitudeDeg, double obliquityDeg) { return std::fabs(latitudeDeg) + obliquityDeg < 90; }

} // namespace orvane::dial
