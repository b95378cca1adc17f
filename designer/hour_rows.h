#pragma once
// The designer's hour table: each line's angle and distance from the foot.

#include "field/dial_design.h"

#include <QString>

#include <vector>

namespace orvane {

// One hour line: its angle from the kind's reference (the meridian, the
// vertical; dial::hourLineAngle), and the perpendicular distance from the
// nodus's foot to the line (mm).
struct HourRow {
    double hour = 0;
    QString label;
    double angle = 0;
    double distance = 0;
};
std::vector<HourRow> hourRows(const DialDesign &design);

} // namespace orvane
