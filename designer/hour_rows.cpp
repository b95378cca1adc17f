#include "hour_rows.h"

#include <cmath>

namespace orvane {

std::vector<HourRow> hourRows(const DialDesign &design)
{
    std::vector<HourRow> rows;
    for (const dial::HourLine &h : design.layout.hourLines) {
        const double dx = h.line.to.x - h.line.from.x;
        const double dy = h.line.to.y - h.line.from.y;
        const double length = std::hypot(dx, dy);
        HourRow row;
        row.hour = h.hour;
        row.label = QString::fromStdString(h.label);
        row.angle = dial::hourLineAngle(design.input, design.layout, h);
        row.distance = length > 0 ? std::fabs(h.line.from.x * dy - h.line.from.y * dx) / length : 0;
        rows.push_back(row);
    }
    return rows;
}

} // namespace orvane
