#include "dial/clock_shadow.h"
#include "dial/plate.h"

#include <algorithm>
#include <cmath>

namespace orvane::dial {

namespace {

bool lights(const FaceFrame &f, Vec3 sun) { return sun.u > 0 && dot(sun, f.normal) > 0; }

Vec3 between(Vec3 a, Vec3 b, double t)
{
    const Vec3 v = (1 - t) * a + t * b;
    return (1 / std::sqrt(dot(v, v))) * v;
}

bool chordMisses(const PlateRect &area, PlatePoint a, PlatePoint b)
{
    return std::max(a.x, b.x) < area.xMin || std::min(a.x, b.x) > area.xMax || std::max(a.y, b.y) < area.yMin ||
           std::min(a.y, b.y) > area.yMax;
}

class Pieces {
public:
    Pieces(const PlateRect &area, std::vector<Polyline> &out) : m_area(area), m_out(out) {}

    // The next point along the curve; a break first where the curve is cut.
    void add(PlatePoint p)
    {
        const bool in = m_area.contains(p);
        if (m_last) {
            const bool wasIn = m_area.contains(*m_last);
            if (wasIn && !in) {
                m_line.push_back(chordEdge(m_area, *m_last, p));
                flush();
            } else if (!wasIn && in) {
                m_line.push_back(chordEdge(m_area, p, *m_last));
            }
        }
        if (in)
            m_line.push_back(p);
        m_last = p;
    }
    void cut()
    {
        flush();
        m_last.reset();
    }
    void flush()
    {
        if (m_line.size() >= 2)
            m_out.push_back(std::move(m_line));
        m_line.clear();
    }

private:
    const PlateRect &m_area;
    std::vector<Polyline> &m_out;
    Polyline m_line;
    std::optional<PlatePoint> m_last;
};

} // namespace

std::vector<ClockDay> clockDays(const DialInput &input, double clockHours)
{
    std::vector<ClockDay> days;
    if (!input.clockSun.at)
        return days;
    const FaceFrame f = faceFrame(input);
    for (int d = 0; d < input.clockSun.days; ++d) {
        ClockDay day{d, sunVector(input.clockSun.at(d, clockHours)), std::nullopt};
        if (lights(f, day.sun))
            day.shadow = shadowOf(f, day.sun);
        days.push_back(day);
    }
    return days;
}

std::vector<Polyline> clockCurve(const DialInput &input, const std::vector<ClockDay> &days, const PlateRect &area,
                                 double stepMm)
{
    std::vector<Polyline> out;
    if (days.empty())
        return out;
    const FaceFrame f = faceFrame(input);
    // A little under the promise: points are read off the curve, the
    // chords between them run a hair inside it.
    const double step = 0.95 * stepMm;
    Pieces pieces(area, out);
    // Starts at a day without a shadow, where there is one, so that no
    // piece is split at the year's end.
    const auto dark = std::find_if(days.begin(), days.end(), [](const ClockDay &d) { return !d.shadow; });
    const std::size_t first = dark == days.end() ? 0 : std::size_t(dark - days.begin());
    const std::size_t n = days.size();
    for (std::size_t k = 0; k <= n; ++k) {
        const ClockDay &a = days[(first + k) % n];
        if (!a.shadow) {
            pieces.cut();
            continue;
        }
        pieces.add(*a.shadow);
        if (k == n)
            break;
        const ClockDay &b = days[(first + k + 1) % n];
        if (!b.shadow || chordMisses(area, *a.shadow, *b.shadow))
            continue;
        const double chord = std::hypot(b.shadow->x - a.shadow->x, b.shadow->y - a.shadow->y);
        const int parts = std::min(1000, int(std::ceil(chord / step)));
        for (int i = 1; i < parts; ++i) {
            const Vec3 s = between(a.sun, b.sun, double(i) / parts);
            // Both ends are lit and the lit sky is convex, so this holds;
            // were it not to, the curve must not be joined across.
            if (lights(f, s))
                pieces.add(shadowOf(f, s));
            else
                pieces.cut();
        }
    }
    pieces.flush();
    return out;
}

} // namespace orvane::dial
