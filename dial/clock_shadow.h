#pragma once
// The nodus's shadow at one time of the zone's standard clock on every day
// of the year: the figure-8 a clock-time hour line or a noon mark follows.
#include "dial/date_lines.h"
#include "dial/face_frame.h"

#include <optional>
#include <vector>

namespace orvane::dial {

struct ClockDay {
    int dayOfYear = 0; // 0 on 1 January
    Vec3 sun;          // towards the sun's centre
    // Where the nodus's shadow falls on the face's plane; none while the sun
    // is down or behind the face.
    std::optional<PlatePoint> shadow;
};

// Each day of the input's clockSun year at `clockHours` of the standard
// clock; empty when the input has no clock's sun.
std::vector<ClockDay> clockDays(const DialInput &input, double clockHours);

// The curve through the days' shadows in the order of the year, closed
// round from 31 December to 1 January, as pieces on `area` with points at
// most `stepMm` apart: between two days the sun's direction is interpolated,
// not the shadow. A piece breaks where the shadow leaves the area or a day
// has none.
std::vector<Polyline> clockCurve(const DialInput &input, const std::vector<ClockDay> &days, const PlateRect &area,
                                 double stepMm = 2);

} // namespace orvane::dial
