#pragma once
// A face's hour lines as every output reports them, worked out once: the
// JSON, the text, the CSV, the designer's table and the printed pages only
// write these rows.
#include "dial/dial_input.h"
#include "dial/dial_layout.h"

#include <string>
#include <vector>

namespace orvane::dial {

struct HourLineRow {
    double hour = 0;
    std::string label; // "9", "9:30", as the plate is labelled
    // From the y axis on the noon shadow's side of the root, + towards x; or
    // for parallel lines from the kind's reference (hourLineAngle). NaN for
    // a clock dial's figure-8, which has no one angle.
    double angleDeg = 0;
    double distanceMm = 0; // square from the nodus's foot to the line; to a figure-8's nearest point
    PlateSegment line;     // on the plate, the first end at the root's if there is a root
    // A clock dial's figure-8 and days (HourLine), in place of the line.
    std::vector<Polyline> curve;
    std::vector<ClockMark> days;
};

std::vector<HourLineRow> hourLineRows(const DialInput &input, const DialLayout &layout);

} // namespace orvane::dial
