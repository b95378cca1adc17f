#pragma once
// A dial's own choices, as the Dial Designer's boxes and the command line's
// options give them, checked already; with the accepted site they make the
// geometry's input, so that both lay out the same dial.

#include "dial_dates.h"

#include "dial/dial_input.h"
#include "text/accepted_site.h"

namespace orvane {

struct DialSettings {
    dial::DialType type = dial::DialType::Horizontal;
    double facing = 180;      // vertical only, degrees from north through east
    double nodusHeight = 100; // mm
    double plateWidth = 300;  // mm
    double plateHeight = 300; // mm
    int stepMinutes = 60;
    dial::DialTime time = dial::DialTime::Sun;
    DateLineChoice dateLines = DateLineChoice::Solstices;
};

dial::DialInput dialInput(const AcceptedSite &site, const DialSettings &settings);

} // namespace orvane
