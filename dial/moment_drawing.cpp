#include "dial/moment_drawing.h"

#include "dial/analemmatic.h"
#include "dial/analemmatic_drawing.h"
#include "dial/plane_drawing.h"
#include "dial/plate.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane::dial {

namespace {

constexpr std::uint32_t kShadowColour = 0x303030;
constexpr double kMm = 1000; // millimetres in a metre
constexpr double kEndless = std::numeric_limits<double>::infinity();

Group momentGroup(const char *name, double pen)
{
    Group g;
    g.name = name;
    g.pen = {pen, false, kShadowColour};
    return g;
}

void addSegment(Group &g, const std::optional<PlateSegment> &s)
{
    if (s)
        g.paths.push_back({{s->from, s->to}, false, "shadow"});
}

Drawing shadowAndSpot(Group shadow, Group spot)
{
    Drawing d;
    for (Group *g : {&shadow, &spot})
        if (!g->paths.empty() || !g->circles.empty())
            d.groups.push_back(std::move(*g));
    return d;
}

} // namespace

bool sunLights(const DialFace &face, Vec3 sun) { return sun.u > 0 && dot(sun, faceFrame(face.input).normal) > 0; }

Drawing planeMoment(const DialFace &face, Vec3 sun)
{
    if (!sunLights(face, sun))
        return {};
    const FaceFrame f = faceFrame(face.input);
    const PlateRect &plate = face.input.plate;
    const double size = plateFontSize(plate);
    const PlatePoint spot = shadowOf(f, sun);
    Group shadow = momentGroup("moment-shadow", size / 5), dot = momentGroup("moment-spot", size / 5);
    if (const std::optional<PlatePoint> root = styleRoot(f))
        addSegment(shadow, clipToPlate(plate, *root, {spot.x - root->x, spot.y - root->y}, 0, 1));
    else // the style runs along the face, its shadow with it
        addSegment(shadow, clipToPlate(plate, spot, onPlate(f, f.pole), -kEndless, kEndless));
    if (plate.contains(spot))
        dot.circles.push_back({spot, size / 3});
    return shadowAndSpot(std::move(shadow), std::move(dot));
}

std::optional<double> planeReads(const DialFace &face, Vec3 sun)
{
    if (!sunLights(face, sun))
        return std::nullopt;
    const FaceFrame f = faceFrame(face.input);
    return hourOf(face.input, std::atan2(dot(sun, f.equatorWest), dot(sun, f.equatorNoon)));
}

Drawing groundMoment(const DialFace &face, Vec3 sun)
{
    if (!sunLights(face, sun) || !face.layout.ground)
        return {};
    const GroundLayout &l = *face.layout.ground;
    const FaceFrame f = faceFrame(face.input);
    const double declinationDeg = angles::degrees(std::asin(std::clamp(dot(sun, f.pole), -1.0, 1.0)));
    const PlatePoint stand{0, groundDateY(face.input, declinationDeg) * kMm};
    const double across = std::hypot(sun.e, sun.n);
    const double cast = across < 1e-12 ? 0 : l.gnomonHeight * kMm * across / sun.u;
    const double length = std::min(cast, 2 * l.halfWidth * kMm);
    const double size = groundFontSize(face.input);
    Group shadow = momentGroup("moment-shadow", size / 4), person = momentGroup("moment-spot", size / 4);
    if (length > 0)
        addSegment(shadow,
                   clipToPlate(face.input.plate, stand, {-sun.e / across * length, -sun.n / across * length}, 0, 1));
    person.circles.push_back({stand, size / 3});
    return shadowAndSpot(std::move(shadow), std::move(person));
}

} // namespace orvane::dial
