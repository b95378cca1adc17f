#pragma once
// A bifilar dial drawn: the plate as a plane dial's with the hour lines'
// centre for the root, the wires and their posts over it, and the wires'
// page in place of the gnomon's.
//
// Groups beyond the plane dial's: wires (on the plate: wire-lines,
// wire-posts) and, on the wires' page, wire-elevations.
#include "dial/face_frame.h"
#include "dial/plane_drawing.h"

namespace orvane::dial {

Drawing drawBifilar(const DrawingInput &in);

// The two wires' shadows across the plate and the spot where they cross.
Drawing bifilarMoment(const DialFace &face, Vec3 sun);

} // namespace orvane::dial
