#pragma once
// What a face shows at one instant, with the sun in a given direction (a
// unit vector, east-north-up): the shadow drawn on its plate and the time
// the dial reads. The kinds' entries (dial_kinds.h) point at these.
//
// Groups by name: moment-shadow (the style's or the person's shadow) and
// moment-spot (the nodus's shadow, or where the person stands).
#include "dial/dial_face.h"
#include "dial/drawing.h"
#include "dial/face_frame.h"

#include <optional>

namespace orvane::dial {

// The sun is up and on the face's front.
bool sunLights(const DialFace &face, Vec3 sun);

// A plane face: the style's shadow from its root (or, with the style
// parallel to the face, along the style) to the nodus's shadow, clipped to
// the plate, and the nodus's spot where it falls on the plate. Nothing when
// the sun does not light the face.
Drawing planeMoment(const DialFace &face, Vec3 sun);

// The hour line the style's shadow lies along, in hours of the dial's time
// [0, 24), whether or not the plate reaches that line; none when the sun
// does not light the face. Every dial whose hours are the sun's hour angle
// reads this way, the analemmatic one too.
std::optional<double> planeReads(const DialFace &face, Vec3 sun);

// A dial on the ground: the person standing at the day's place on the date
// scale (the sun's declination) and their shadow, away from the sun, as
// long as the layout's gnomon height casts it but no longer than the
// ellipse is wide.
Drawing groundMoment(const DialFace &face, Vec3 sun);

} // namespace orvane::dial
