#include "dial/dial_kinds.h"
#include "dial/analemmatic_drawing.h"
#include "dial/bifilar.h"
#include "dial/bifilar_drawing.h"
#include "dial/bifilar_report.h"
#include "dial/face_frame.h"
#include "dial/ground_report.h"
#include "dial/noon_mark_drawing.h"
#include "dial/noon_mark_report.h"
#include "dial/noop.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>

namespace orvane::dial {

namespace {

DialFace asGiven(const DialInput &given)
{
    DialFace face;
    face.input = given;
    return face;
}

std::vector<DialFace> oneFace(const DialInput &given) { return {asGiven(given)}; }

std::vector<DialFace> levelFace(const DialInput &given)
{
    DialFace face = asGiven(given);
    face.input.facing = 180;
    face.input.tilt = 0;
    return {face};
}

std::vector<DialFace> uprightFace(const DialInput &given)
{
    DialFace face = asGiven(given);
    face.input.tilt = 90;
    return {face};
}

// A plane holding the Earth's axis and facing `facing`: its normal square
// to the axis, the face turned up (towards the equator by default).
std::vector<DialFace> polarFace(const DialInput &given)
{
    DialFace face = asGiven(given);
    DialInput &in = face.input;
    if (std::isnan(in.facing))
        in.facing = in.latitude >= 0 ? 180 : 0;
    const double a = std::cos(angles::radians(in.facing)) * std::cos(angles::radians(in.latitude));
    const double b = std::sin(angles::radians(in.latitude));
    // sin Z a + cos Z b = 0, with sin Z >= 0 and, on the equator, the face up.
    const double s = b > 0 || (b == 0 && a <= 0) ? 1 : -1;
    in.tilt = angles::degrees(std::atan2(s * b, -s * a));
    return {face};
}

// The two faces square to the axis: the one towards the north celestial
// pole, lit while the sun is north of the equator, and the one towards the
// south pole. The face looking up comes first.
std::vector<DialFace> equatorialFaces(const DialInput &given)
{
    DialFace north = asGiven(given), south = asGiven(given);
    north.input.facing = 0;
    north.input.tilt = 90 - given.latitude;
    north.lit = ORVANE_NOOP("dial", "lit from the March to the September equinox");
    south.input.facing = 180;
    south.input.tilt = 90 + given.latitude;
    south.lit = ORVANE_NOOP("dial", "lit from the September to the March equinox");
    if (given.latitude >= 0) {
        north.name = "upper";
        south.name = "lower";
        return {north, south};
    }
    south.name = "upper";
    north.name = "lower";
    return {south, north};
}

// A floor unless a facing or a tilt is given; a facing alone is a wall's.
// The hole is the nodus.
std::vector<DialFace> noonMarkFace(const DialInput &given)
{
    DialFace face = asGiven(given);
    DialInput &in = face.input;
    if (std::isnan(in.tilt))
        in.tilt = std::isnan(in.facing) ? 0 : 90;
    if (std::isnan(in.facing))
        in.facing = 180;
    in.nodusHeight = in.apertureHeight * 1000;
    return {face};
}

DialLayout noonMarkLayout(const DialInput &input)
{
    DialLayout l;
    l.noonMark = layoutNoonMark(input);
    return l;
}

// The person stands upright at the date's place on the north-south line.
DialLayout analemmaticLayout(const DialInput &input)
{
    DialLayout l;
    l.styleHeight = 90;
    l.ground = layoutGround(input);
    return l;
}

// The direction of the style's shadow at the true noon, on the plate.
PlatePoint noonShadow(const DialInput &input) { return hourLineDirection(faceFrame(input), 0); }

// The face's own settings, then the plate's and the nodus's as a plain
// entry has them.
std::vector<DialSetting> withPlate(std::initializer_list<DialSetting> own)
{
    std::vector<DialSetting> settings(own);
    const std::vector<DialSetting> plate = DialKind{}.settings;
    settings.insert(settings.end(), plate.begin(), plate.end());
    return settings;
}

} // namespace

const std::vector<DialKind> &dialKinds()
{
    static const std::vector<DialKind> kinds{
        {.type = DialType::Horizontal,
         .commandName = "horizontal",
         .windowName = ORVANE_NOOP("dial", "Horizontal"),
         .title = ORVANE_NOOP("dial", "Horizontal dial"),
         .xWord = "east",
         .yWord = "north",
         .reference = "the meridian",
         .positiveSide = "east",
         .negativeSide = "west",
         .angleHeading = ORVANE_NOOP("dial", "From the meridian (\xC2\xB0, + east)"),
         .faces = levelFace},
        {.type = DialType::Vertical,
         .commandName = "vertical",
         .windowName = ORVANE_NOOP("dial", "Vertical"),
         .title = ORVANE_NOOP("dial", "Vertical dial"),
         .settings = withPlate({DialSetting::Facing}),
         .xWord = "right",
         .yWord = "up",
         .reference = "the vertical",
         .positiveSide = "right",
         .negativeSide = "left",
         .angleHeading = ORVANE_NOOP("dial", "From the vertical (\xC2\xB0, + right)"),
         .faces = uprightFace},
        {.type = DialType::Plane,
         .commandName = "plane",
         .otherName = "reclining",
         .windowName = ORVANE_NOOP("dial", "Reclining or inclining (any plane)"),
         .title = ORVANE_NOOP("dial", "Plane dial"),
         .settings = withPlate({DialSetting::Facing, DialSetting::Tilt}),
         .faces = oneFace},
        {.type = DialType::Polar,
         .commandName = "polar",
         .windowName = ORVANE_NOOP("dial", "Polar"),
         .title = ORVANE_NOOP("dial", "Polar dial"),
         .settings = withPlate({DialSetting::Facing}),
         .facingOptional = true,
         .faces = polarFace},
        {.type = DialType::Equatorial,
         .commandName = "equatorial",
         .windowName = ORVANE_NOOP("dial", "Equatorial (both faces)"),
         .title = ORVANE_NOOP("dial", "Equatorial dial"),
         .faces = equatorialFaces},
        {.type = DialType::Analemmatic,
         .commandName = "analemmatic",
         .windowName = ORVANE_NOOP("dial", "Analemmatic (a person is the gnomon)"),
         .title = ORVANE_NOOP("dial", "Analemmatic dial"),
         .settings = {DialSetting::HalfWidth},
         .xWord = "east",
         .yWord = "north",
         .reference = "the meridian",
         .positiveSide = "east",
         .negativeSide = "west",
         .angleHeading = "",
         .faces = levelFace,
         .layout = analemmaticLayout,
         .draw = drawAnalemmaticDial,
         .plate = groundPlate,
         .dateLine = groundDateTick,
         .report = groundReport,
         .moment = groundMoment,
         .paper = Paper::ScalePlan,
         .minLatitude = kGroundMinLatitude,
         .maxLatitude = kGroundMaxLatitude,
         .latitudeReason = ORVANE_NOOP(
             "dial", "its ellipse flattens to a line near the equator, and its date scale to a point near a pole"),
         .checkRefusal = ORVANE_NOOP(
             "dial", "an analemmatic dial has no style that could stand turned: check its north-south line and "
                     "its date scale instead"),
         .clockTimeRefusal =
             ORVANE_NOOP("dial", "an analemmatic dial's hour points lie on its ellipse, where a figure-8 of clock time "
                                 "has no place: draw it to sun or zone time"),
         .oldHoursRefusal = ORVANE_NOOP(
             "dial", "an analemmatic dial's hour points lie on its ellipse, which has no place for lines of "
                     "Italian, Babylonian or unequal hours: draw it in equal hours")},
        {.type = DialType::NoonMark,
         .commandName = "noon-mark",
         .windowName = ORVANE_NOOP("dial", "Noon mark (a spot of sun through a hole)"),
         .title = ORVANE_NOOP("dial", "Noon mark"),
         .settings = {DialSetting::Facing, DialSetting::Tilt, DialSetting::ApertureHeight,
                      DialSetting::ApertureDiameter, DialSetting::MarkTime},
         .facingOptional = true,
         .tiltOptional = true,
         .faces = noonMarkFace,
         .layout = noonMarkLayout,
         .draw = drawNoonMark,
         .plate = noonMarkPlate,
         .dateLine = noDateLine,
         .report = noonMarkReport,
         .moment = noonMarkMoment,
         .reads = nullptr,
         .paper = Paper::ScalePlan,
         .checkRefusal = ORVANE_NOOP(
             "dial", "a noon mark has no style that could stand turned: check its meridian line against the "
                     "spot at the true noon instead"),
         .ownTime = DialTime::Clock,
         .oldHoursRefusal =
             ORVANE_NOOP("dial", "a noon mark shows the noon alone, with no hour lines: draw a plane dial for the old "
                                 "hours")},
        {.type = DialType::Bifilar,
         .commandName = "bifilar",
         .windowName = ORVANE_NOOP("dial", "Bifilar (two wires)"),
         .title = ORVANE_NOOP("dial", "Bifilar dial"),
         .settings = {DialSetting::Facing, DialSetting::Tilt, DialSetting::PlateWidth, DialSetting::PlateHeight,
                      DialSetting::XWire, DialSetting::YWire},
         .facingOptional = true,
         .tiltOptional = true,
         .ownDefaults = {DialSetting::XWire},
         .reference = "the y axis",
         .angleHeading = ORVANE_NOOP("dial", "From the y axis at the centre (\xC2\xB0, + towards x)"),
         .faces = bifilarFaces,
         .layout = bifilarLayout,
         .draw = drawBifilar,
         .plate = bifilarPlate,
         .dateLine = bifilarDateLine,
         .report = bifilarReport,
         .moment = bifilarMoment,
         .gnomonPage = ORVANE_NOOP("dial", "Wires"),
         .checkRefusal = ORVANE_NOOP(
             "dial", "a bifilar dial has no style that could stand turned: check the wires' heights and that "
                     "each runs along its axis instead"),
         .clockTimeRefusal = ORVANE_NOOP(
             "dial", "a bifilar dial's hour lines are straight lines of sun or zone time: draw it to sun or "
                     "zone time"),
         .oldHoursRefusal =
             ORVANE_NOOP("dial", "a bifilar dial's crossing is drawn for equal hours: draw a plane dial for the old "
                                 "hours")},
    };
    return kinds;
}

bool DialKind::takes(DialSetting setting) const
{
    return std::find(settings.begin(), settings.end(), setting) != settings.end();
}

const DialKind &dialKind(DialType type)
{
    for (const DialKind &k : dialKinds())
        if (k.type == type)
            return k;
    return dialKinds().front();
}

const DialKind *findDialKind(std::string_view commandName)
{
    for (const DialKind &k : dialKinds())
        if (commandName == k.commandName || (k.otherName && commandName == k.otherName))
            return &k;
    return nullptr;
}

const DialKind &wallDialKind() { return dialKind(DialType::Vertical); }

double hourLineAngle(const DialInput &input, const DialLayout &layout, const HourLine &line)
{
    const double dx = line.line.to.x - line.line.from.x, dy = line.line.to.y - line.line.from.y;
    if (layout.root) {
        // The lines run away from the root; the noon shadow falls on the far
        // side of the foot, or with the root on the foot (a style square to
        // the face) where the noon shadow itself falls.
        double side = -layout.root->y;
        if (std::hypot(layout.root->x, layout.root->y) <= 1e-9 * input.nodusHeight)
            side = noonShadow(input).y;
        const double sense = side < 0 ? -1 : 1;
        return angles::degrees(std::atan2(dx, sense * dy));
    }
    // Parallel lines: the half-turn that reads smaller, from the meridian's
    // northern end or the plumb line.
    const double sense = input.type == DialType::Horizontal ? 1 : -1;
    double angle = angles::degrees(std::atan2(dx, sense * dy));
    if (angle > 90)
        angle -= 180;
    else if (angle <= -90)
        angle += 180;
    return angle;
}

} // namespace orvane::dial
