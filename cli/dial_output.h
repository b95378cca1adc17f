#pragma once
// The three forms of the command line's answer for a dial.

#include "dial_data.h"

#include <QString>

namespace orvane {

// The site, then "dial": the inputs, the plate, the style, the hour lines,
// the gnomon, the date lines and, with --card, the correction by day.
QString dialJson(const DialData &d);

// The dial's figures, its hour lines and date lines; with --card the card by week.
QString dialText(const DialData &d);

// With --card the card by day (date,add_s), else the hour lines (hour,label,x1,y1,x2,y2).
QString dialCsv(const DialData &d);

} // namespace orvane
