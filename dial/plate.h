#pragma once
// Placing the plate around a dial, and cutting lines to it.
#include "dial/dial_input.h"

#include <optional>

namespace orvane::dial {

struct PlateSegment {
    PlatePoint from;
    PlatePoint to;
};

// A width x height plate (mm) for the dial, whatever input.plate says. The
// nodus's shadows fall mostly to one side of its foot: along the plate axis
// closer to that side (y on a tie), the foot lies a sixth of the plate's
// extent from the opposite edge, and across it the plate is centred on the
// foot. The side is the mean direction, seen from the foot, of the shadows
// over the lit hours of days from one solstice to the other. A south-facing
// wall in the north (and a north-facing one in the south) gets
// [-150, -250, 150, 50] for 300 x 300; a horizontal dial in the north
// [-150, -50, 150, 250], in the south [-150, -250, 150, 50]. Where shadows
// fall evenly all round (a horizontal dial on the equator) the plate is
// centred on the foot. Where that placement leaves out the line of a whole
// hour at which the sun lights the face, the plate slides about the foot, in
// twelfths of its size, to the nearest placement that leaves out the fewest
// while still holding some of each solstice's and the equinox's line it held.
PlateRect plateAround(const DialInput &input, double width = 300, double height = 300);

// The part of origin + t * direction, tMin <= t <= tMax (either may be
// infinite), that lies on the plate; none when that part is empty or a point.
std::optional<PlateSegment> clipToPlate(const PlateRect &plate, PlatePoint origin, PlatePoint direction, double tMin,
                                        double tMax);

// Where the chord from `in` (on the plate) to `out` (off it) crosses the
// plate's edge.
PlatePoint chordEdge(const PlateRect &plate, PlatePoint in, PlatePoint out);

} // namespace orvane::dial
