#include "hour_table.h"

#include "dial_kinds.h"

#include <cmath>

namespace orvane::dial {

std::vector<HourLineRow> hourLineRows(const DialInput &input, const DialLayout &layout)
{
    std::vector<HourLineRow> rows;
    for (const HourLine &h : layout.hourLines) {
        const double dx = h.line.to.x - h.line.from.x, dy = h.line.to.y - h.line.from.y;
        const double length = std::hypot(dx, dy);
        rows.push_back({h.hour, h.label, hourLineAngle(input, layout, h),
                        length > 0 ? std::fabs(h.line.from.x * dy - h.line.from.y * dx) / length : 0, h.line});
    }
    return rows;
}

} // namespace orvane::dial
