#pragma once
// A dial of two wires stretched parallel to the face, crossing above the
// plate's origin: one along the plate's x axis, one along its y axis. The
// time is where their shadows cross. That point is the shadow a nodus at the
// y-wire's height would throw, stretched along y by the ratio of the
// heights, so the hour lines stay straight and meet where the plane dial's
// style root goes under the same stretch.
#include "dial/dial_face.h"
#include "dial/face_frame.h"

#include <optional>
#include <vector>

namespace orvane::dial {

inline constexpr double kMinWireHeight = 5; // mm

// The shadows' crossing for the sun in direction s (east-north-up), in
// plate mm; needs s to light the face.
PlatePoint bifilarCrossing(const DialInput &input, Vec3 s);

// Where the hour lines meet; none when they run parallel (the Earth's axis
// parallel to the face).
std::optional<PlatePoint> bifilarCentre(const DialInput &input);

// The x-wire's height (mm) that spaces the hour lines at the centre as the
// hour angles are spaced, 15 degrees an hour, with the y-wire at its
// height; none on a face where no height does.
std::optional<double> evenXWire(const DialInput &input);
bool evenlySpaced(const DialInput &input);

// A level face unless a facing or a tilt is given (a facing alone is a
// wall's); an x-wire not given spaces the hours evenly where a height does,
// otherwise matches the y-wire.
std::vector<DialFace> bifilarFaces(const DialInput &given);
PlateRect bifilarPlate(const DialInput &input, double width, double height);
DialLayout bifilarLayout(const DialInput &input);
std::vector<Polyline> bifilarDateLine(const DialInput &input, double declinationDeg);

// Where each wire's two posts stand on the plate: on the wire's line,
// between the plate's edge and the farthest the crossing reaches.
struct WirePosts {
    PlateSegment xWire; // on y = 0
    PlateSegment yWire; // on x = 0
};
WirePosts wirePosts(const DialFace &face);

} // namespace orvane::dial
