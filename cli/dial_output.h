#pragma once
// The three forms of the command line's answer for a dial.

#include "dial_data.h"

#include <QString>

#include <optional>

namespace orvane {

// The site, then "dial": the inputs, the plate, the style, the hour lines,
// the gnomon, the date lines and, with --card, the correction by day.
QString dialJson(const DialData &d);

// The dial's figures, its hour lines and date lines; with --card the card by week.
QString dialText(const DialData &d);

// With --card the card by day (date,add_s), else the hour lines (hour,label,x1,y1,x2,y2).
QString dialCsv(const DialData &d);

// The angle (degrees) at the root from the plate's y axis, taken on the side
// the root's shadow falls at noon, to the hour line, positive towards +x:
// the afternoon's lines are positive. None when the style is parallel to
// the face.
std::optional<double> hourLineAngle(const dial::DialLayout &layout, const dial::HourLine &line);

} // namespace orvane
