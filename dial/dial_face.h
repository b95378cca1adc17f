#pragma once
// One face of a dial, from the kind's choice of its orientation to its
// drawing and report: most kinds have one, an equatorial dial two.
#include "dial/date_lines.h"
#include "dial/dial_layout.h"
#include "dial/hour_table.h"
#include "dial/old_hours.h"

#include <string>
#include <vector>

namespace orvane::dial {

// The shadow's path on one day of the year, as the face shows it.
struct DateLine {
    std::string name;  // "summer solstice" (positive declination), "equinox", "winter solstice", "month", "special"
    std::string label; // "21 Jun", "Equinox", "1 Mar": in the reader's language
    // Month and special lines: the day whose noon declination this is ("2027-03-01").
    std::string date;
    double declinationDeg = 0;
    std::vector<Polyline> pieces; // on the plate, in the order of the day
    std::string twinDate;         // special lines: the other day of the same declination
};

struct DialFace {
    std::string name; // "upper", "lower"; empty for a kind's only face
    DialInput input;  // with the face's orientation (facing, tilt) and, once placed, its plate
    // "lit from the March to the September equinox"; empty for a face the
    // sun may light on any day.
    std::string lit;
    // Laid out from the input:
    DialLayout layout;
    std::vector<HourLineRow> hourLines; // the layout's, as every output reports them
    std::vector<DateLine> dateLines;
    std::vector<OldHours> oldHours; // the old hour systems asked for, in the order asked
    bool equalHours = true;         // the equal hour lines drawn
};

} // namespace orvane::dial
