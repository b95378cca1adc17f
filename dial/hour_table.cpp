#include "hour_table.h"

#include "dial_kinds.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane::dial {

std::vector<HourLineRow> hourLineRows(const DialInput &input, const DialLayout &layout)
{
    std::vector<HourLineRow> rows;
    for (const HourLine &h : layout.hourLines) {
        if (!h.curve.empty()) {
            double nearest = std::numeric_limits<double>::infinity();
            for (const Polyline &piece : h.curve)
                for (PlatePoint p : piece)
                    nearest = std::min(nearest, std::hypot(p.x, p.y));
            rows.push_back({h.hour, h.label, std::numeric_limits<double>::quiet_NaN(), nearest, {}, h.curve, h.days});
            continue;
        }
        const double dx = h.line.to.x - h.line.from.x, dy = h.line.to.y - h.line.from.y;
        const double length = std::hypot(dx, dy);
        rows.push_back({h.hour,
                        h.label,
                        hourLineAngle(input, layout, h),
                        length > 0 ? std::fabs(h.line.from.x * dy - h.line.from.y * dx) / length : 0,
                        h.line,
                        {},
                        {}});
    }
    return rows;
}

} // namespace orvane::dial
