#pragma once
// A dial's own choices, as the Dial Designer's boxes and the command line's
// options give them; the one check of their bounds; with the accepted site
// they make the geometry's input, so that both lay out the same dial.

#include "dial_dates.h"

#include "dial/dial_kinds.h"
#include "dial/dial_setting.h"
#include "text/accepted_site.h"

#include <limits>
#include <vector>

namespace orvane {

struct DialSettings {
    dial::DialType type = dial::DialType::Horizontal;
    double facing = 180;          // for kinds that take one, degrees from north through east; NaN: the kind's own
    double tilt = 90;             // for kinds that take one: the face's normal from the zenith, degrees
    double nodusHeight = 100;     // mm
    double plateWidth = 300;      // mm
    double plateHeight = 300;     // mm
    double halfWidth = 2.5;       // m, for kinds laid out on the ground
    double apertureHeight = 3;    // m, a noon mark's hole above the face
    double apertureDiameter = 10; // mm
    double markHours = 12;        // the noon mark's time of the zone's standard clock
    double xWire = std::numeric_limits<double>::quiet_NaN(); // mm; NaN: the kind's own
    double yWire = 100;                                      // mm
    int stepMinutes = 60;
    dial::DialTime time = dial::DialTime::Sun;
    DateLineChoice dateLines = DateLineChoice::Solstices;
    // The hour systems: the equal hours' lines, and the old ones beside
    // them in the order asked.
    bool equalHours = true;
    std::vector<dial::HourSystem> hourSystems;
    std::vector<SpecialDate> specialDates; // up to kMaxSpecialDates
};

using dial::DialSetting;

struct SettingRange {
    double low = 0;
    double high = 0;
    bool holds(double v) const { return v >= low && v <= high; } // false for NaN
};

// Where a setting must lie: the nodus height up to the plate's smaller side.
SettingRange settingRange(DialSetting setting, const DialSettings &settings);

struct SettingProblem {
    DialSetting setting;
    SettingRange range;
};

// The settings outside their ranges (a number that could not be read is
// NaN); the facing and the tilt only for kinds that take them, a facing the
// kind can do without also when NaN. A nodus height against a plate side
// that is refused itself is judged against the largest plate.
std::vector<SettingProblem> checkDialSettings(const DialSettings &settings);

// "a horizontal dial", "an equatorial dial".
QString aDialKind(const dial::DialKind &kind);

// Why the kind cannot be laid out at this latitude ("An analemmatic dial
// needs a latitude from 10° to 80°, north or south: ..."); empty when it can.
QString dialLatitudeProblem(const DialSettings &settings, double latitude);

// Why the kind cannot be drawn to the dial time chosen (an analemmatic
// dial to the clock); empty when it can.
QString dialTimeProblem(const DialSettings &settings);

// Why the kind cannot draw the old hour systems asked for (an analemmatic
// dial); empty when it can or none are asked.
QString hourSystemsProblem(const DialSettings &settings);

// The dial's faces (one, or an equatorial dial's two), each with its
// orientation and its plate placed around it.
std::vector<dial::DialFace> dialFaces(const AcceptedSite &site, const DialSettings &settings);

} // namespace orvane
