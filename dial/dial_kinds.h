#pragma once
// The kinds of dial, one entry each: what the command line and the window
// call it, which settings it takes, how it is laid out and drawn, and the
// words its tables use. Nothing outside this folder tells kinds apart; a
// new kind is a new entry with its layout and drawing.
#include "dial/dial_face.h"
#include "dial/dial_layout.h"
#include "dial/dial_setting.h"
#include "dial/moment_drawing.h"
#include "dial/noop.h"
#include "dial/plane_drawing.h"
#include "dial/plane_report.h"
#include "dial/plate.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::dial {

enum class Paper { FullSizeTiles, ScalePlan };

struct DialKind {
    DialType type;
    const char *commandName;         // --dial's value: "vertical"
    const char *otherName = nullptr; // another value --dial takes for it, or null
    const char *windowName;          // the designer's chooser: "Vertical"
    const char *title;               // "Vertical dial", followed by the facing and the tilt when it takes them
    // The settings it takes; a plate's size and the nodus's height unless
    // the entry says otherwise.
    std::vector<DialSetting> settings = {DialSetting::PlateWidth, DialSetting::PlateHeight, DialSetting::NodusHeight};
    bool facingOptional = false; // the facing, when taken, has a default
    bool tiltOptional = false;   // the tilt, when taken, has a default
    // Further settings it works out itself when not given.
    std::vector<DialSetting> ownDefaults = {};
    // The plate's axes and the hour lines' reference, as the tables name
    // them; a face read from in front, y up its slope, unless the entry says
    // otherwise.
    const char *xWord = "right";                                // x points right
    const char *yWord = "up the slope";                         // "up"
    const char *reference = "the line of steepest slope";       // "the vertical"
    const char *positiveSide = "right", *negativeSide = "left"; // the angle's sides
    const char *angleHeading = ORVANE_NOOP("dial", "From the line of steepest slope (\xC2\xB0, + right)");
    // The faces for the site and the settings in `given` (latitude,
    // longitude, facing, tilt, nodus, step, time); a facing it may do
    // without is NaN when not given. The one place a face's facing and tilt
    // are decided: a setting the kind does not take is overwritten, whatever
    // `given` holds. The plates are placed afterwards.
    std::vector<DialFace> (*faces)(const DialInput &given) = nullptr;
    // The face's lines; beyond the hour angle and the declination a layout
    // may ask the input's sunYear for the clock's noon, sunrise and sunset.
    DialLayout (*layout)(const DialInput &) = layoutDial;
    Drawing (*draw)(const DrawingInput &) = drawPlaneDial;
    // The rest as a plane dial has them unless the entry says otherwise.
    // The plate around a face, from the width and height asked for (mm).
    PlateRect (*plate)(const DialInput &, double width, double height) = plateAround;
    // What the face shows for the day of a declination (degrees).
    std::vector<Polyline> (*dateLine)(const DialInput &, double declinationDeg) = orvane::dial::dateLine;
    // The figures, tables and steps every answer writes.
    Report (*report)(const ReportInput &) = planeReport;
    // What a face shows with the sun in direction `sun` (a unit vector,
    // east-north-up): the shadow's groups in the face's plate millimetres,
    // none while the sun does not light it; and the time it reads then, in
    // hours of the face's DialInput::time, or none. A plane face's style and
    // nodus, read by the sun's hour angle, unless the entry says otherwise.
    Drawing (*moment)(const DialFace &, Vec3 sun) = planeMoment;
    // Null for a kind that reads no time at an arbitrary moment.
    std::optional<double> (*reads)(const DialFace &, Vec3 sun) = planeReads;
    // The paper its drawing goes on: full size in tiles with the gnomon's
    // page, or a plan to a round scale with the report's tables and steps.
    Paper paper = Paper::FullSizeTiles;
    // The heading of the full-size pages of what stands on the plate.
    const char *gnomonPage = ORVANE_NOOP("dial", "Gnomon");
    // Where it can be laid out: |latitude| from minLatitude to maxLatitude,
    // and the reason when not.
    double minLatitude = 0, maxLatitude = 90;
    const char *latitudeReason = nullptr;
    // Why readings of a standing dial cannot check it (no style to turn),
    // or null where they can.
    const char *checkRefusal = nullptr;
    // Why it cannot be drawn to the clock (--dial-time clock), or null where
    // it can.
    const char *clockTimeRefusal = nullptr;
    // The time it is drawn to whatever was asked, where it has one of its own.
    std::optional<DialTime> ownTime = std::nullopt;
    // Why it cannot be drawn in other hours than the equal ones (--hours),
    // or null where it can.
    const char *oldHoursRefusal = nullptr;

    bool takes(DialSetting setting) const;
    // Taken, and may be left out (NaN) for the kind's own.
    bool mayOmit(DialSetting setting) const
    {
        return (setting == DialSetting::Facing && facingOptional) || (setting == DialSetting::Tilt && tiltOptional) ||
               std::find(ownDefaults.begin(), ownDefaults.end(), setting) != ownDefaults.end();
    }
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
