#pragma once
// The part of a straight segment inside a rectangle (Liang-Barsky): what a
// tile shows of a line, and where the line enters it.

#include "dial/dial_input.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace orvane {

// The parameters (0 at `a`, 1 at `b`) where the segment enters and leaves
// `r`; none when it misses. A segment along an edge counts as inside.
inline std::optional<std::pair<double, double>> segmentInside(dial::PlatePoint a, dial::PlatePoint b,
                                                              const dial::PlateRect &r)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - r.xMin, r.xMax - a.x, a.y - r.yMin, r.yMax - a.y};
    for (int i = 0; i < 4; ++i) {
        if (std::fabs(p[i]) < 1e-12) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return std::nullopt;
    return std::make_pair(t0, t1);
}

} // namespace orvane
