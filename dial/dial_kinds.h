#pragma once
// The kinds of dial, one entry each: what the command line and the window
// call it, which settings it takes, how it is laid out and drawn, and the
// words its tables use. Nothing outside this folder tells kinds apart; a
// new kind is a new entry with its layout and drawing.
#include "dial/dial_layout.h"
#include "dial/plane_drawing.h"

#include <string_view>
#include <vector>

namespace orvane::dial {

struct DialKind {
    DialType type;
    const char *commandName; // --dial's value: "vertical"
    const char *windowName;  // the designer's chooser: "Vertical"
    const char *title;       // "Vertical dial", followed by the facing when it takes one
    bool takesFacing;        // the wall's facing, degrees from north through east
    // The plate's axes and the hour lines' reference, as the tables name them.
    const char *xWord;                       // "right": x points right
    const char *yWord;                       // "up"
    const char *reference;                   // "the vertical"
    const char *positiveSide, *negativeSide; // "right", "left": the angle's sides
    const char *angleHeading;                // "From the vertical (°, + right)"
    DialLayout (*layout)(const DialInput &);
    Drawing (*draw)(const DrawingInput &);
};

// Every kind, in the order the chooser and the help list them.
const std::vector<DialKind> &dialKinds();

const DialKind &dialKind(DialType type);
// None for a name no kind has.
const DialKind *findDialKind(std::string_view commandName);

// The kind a measured wall's facing asks for: an upright wall.
const DialKind &wallDialKind();

// The hour line's angle (degrees) from the y axis on the noon shadow's side
// of the root, positive towards +x; with no root (parallel lines) from the
// kind's reference direction (the meridian's noon side, the plumb line
// down), folded into (-90, 90].
double hourLineAngle(const DialInput &input, const DialLayout &layout, const HourLine &line);

} // namespace orvane::dial
