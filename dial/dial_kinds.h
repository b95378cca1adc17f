#pragma once
// The kinds of dial, one entry each: what the command line and the window
// call it, which settings it takes, how it is laid out and drawn, and the
// words its tables use. Nothing outside this folder tells kinds apart; a
// new kind is a new entry with its layout and drawing.
#include "dial/dial_layout.h"
#include "dial/plane_drawing.h"
#include "dial/plate.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane::dial {

// One face of a dial: most kinds have one, an equatorial dial two.
struct DialFace {
    std::string name; // "upper", "lower"; empty for a kind's only face
    DialInput input;  // with the face's orientation (facing, tilt)
    // "lit from the March to the September equinox"; empty for a face the
    // sun may light on any day.
    std::string lit;
};

struct DialKind {
    DialType type;
    const char *commandName;         // --dial's value: "vertical"
    const char *otherName = nullptr; // another value --dial takes for it, or null
    const char *windowName;          // the designer's chooser: "Vertical"
    const char *title;               // "Vertical dial", followed by the facing and the tilt when it takes them
    bool takesFacing = false;        // the face's facing, degrees from north through east
    bool facingOptional = false;     // ... which has a default
    bool takesTilt = false;          // the face's tilt from the zenith, degrees
    // The plate's axes and the hour lines' reference, as the tables name
    // them; a face read from in front, y up its slope, unless the entry says
    // otherwise.
    const char *xWord = "right";                                // x points right
    const char *yWord = "up the slope";                         // "up"
    const char *reference = "the line of steepest slope";       // "the vertical"
    const char *positiveSide = "right", *negativeSide = "left"; // the angle's sides
    const char *angleHeading = "From the line of steepest slope (\xC2\xB0, + right)";
    // The faces for the site and the settings in `given` (latitude,
    // longitude, facing, tilt, nodus, step, time); a facing it may do
    // without is NaN when not given. The one place a face's facing and tilt
    // are decided: a setting the kind does not take is overwritten, whatever
    // `given` holds. The plates are placed afterwards.
    std::vector<DialFace> (*faces)(const DialInput &given) = nullptr;
    DialLayout (*layout)(const DialInput &) = layoutDial;
    Drawing (*draw)(const DrawingInput &) = drawPlaneDial;
    // The rest as a plane dial has them unless the entry says otherwise.
    // The plate around a face, from the width and height asked for (mm).
    PlateRect (*plate)(const DialInput &, double width, double height) = plateAround;
    // What the face shows for the day of a declination (degrees).
    std::vector<Polyline> (*dateLine)(const DialInput &, double declinationDeg) = orvane::dial::dateLine;
    bool takesPlate = true;      // a plate's size and the nodus's height (mm)
    bool takesHalfWidth = false; // an ellipse's half-width on the ground (m)
    // Where it can be laid out: |latitude| from minLatitude to maxLatitude,
    // and the reason when not.
    double minLatitude = 0, maxLatitude = 90;
    const char *latitudeReason = nullptr;
};

// Every kind, in the order the chooser and the help list them.
const std::vector<DialKind> &dialKinds();

const DialKind &dialKind(DialType type);
// None for a name no kind has (either of its names).
const DialKind *findDialKind(std::string_view commandName);

// The kind a measured wall's facing asks for: an upright wall.
const DialKind &wallDialKind();

// The hour line's angle (degrees) from the y axis on the noon shadow's side
// of the root, positive towards +x; with no root (parallel lines) from the
// kind's reference direction (the meridian's noon side, the plumb line
// down), folded into (-90, 90].
double hourLineAngle(const DialInput &input, const DialLayout &layout, const HourLine &line);

} // namespace orvane::dial
