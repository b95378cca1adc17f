#include "delta_t.h"

#include <array>
#include <iterator>

namespace orvane::sky {

namespace {

// Delta T = sum c[i] * ((year - origin) / scale)^i over [from, next from).
struct Segment {
    double from;
    double origin;
    double scale;
    std::array<double, 8> c;
};

constexpr Segment kSegments[] = {
    {-500, 0, 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521, 0}},
    {500, 1000, 100, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073, 0}},
    {1600, 1600, 1, {120, -0.9808, -0.01532, 1 / 7129.0, 0, 0, 0, 0}},
    {1700, 1700, 1, {8.83, 0.1603, -0.0059285, 0.00013336, -1 / 1174000.0, 0, 0, 0}},
    {1800, 1800, 1, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875}},
    {1860, 1860, 1, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1 / 233174.0, 0, 0}},
    {1900, 1900, 1, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197, 0, 0, 0}},
    {1920, 1920, 1, {21.20, 0.84493, -0.076100, 0.0020936, 0, 0, 0, 0}},
    {1941, 1950, 1, {29.07, 0.407, -1 / 233.0, 1 / 2547.0, 0, 0, 0, 0}},
};

} // namespace

double deltaTSeconds(double decimalYear)
{
    if (decimalYear < kSegments[0].from) {
        // The long-term parabola of Morrison and Stephenson.
        const double u = (decimalYear - 1820) / 100;
        return -20 + 32 * u * u;
    }
    const Segment *s = std::begin(kSegments);
    while (std::next(s) != std::end(kSegments) && decimalYear >= std::next(s)->from)
        ++s;
    // The last segment also serves past its end, up to where ERFA takes over.
    const double u = (decimalYear - s->origin) / s->scale;
    double sum = 0;
    for (auto c = s->c.rbegin(); c != s->c.rend(); ++c)
        sum = sum * u + *c;
    return sum;
}

} // namespace orvane::sky
