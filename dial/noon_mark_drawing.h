#pragma once
// The noon mark drawn in millimetres on the face's axes, the foot of the
// perpendicular from the hole at the origin: the foot, the true meridian
// line, the figure-8 of the spot's centre at the mark time with its dates'
// ticks and labels, and the spot's outline to scale on the solstices and
// equinoxes.
//
// Groups by name: plate, foot, meridian-line, figure-8, date-ticks,
// date-labels, spots, direction (north on a floor, up on a wall) and card.
#include "dial/face_frame.h"
#include "dial/plane_drawing.h"

namespace orvane::dial {

// The rectangle around the line, the figure-8 and the spots with room for
// the labels (mm), whatever the width and height asked for.
PlateRect noonMarkPlate(const DialInput &input, double width, double height);

// A noon mark draws no date lines of its own: its dates lie on the figure-8.
std::vector<Polyline> noDateLine(const DialInput &input, double declinationDeg);

// The first face's layout must hold the noon mark.
Drawing drawNoonMark(const DrawingInput &in);

// The spot of sun at one instant, its outer edge to scale, with the sun in
// direction `sun` (east-north-up); nothing while the sun does not light the
// face or stands too low for a spot worth marking.
Drawing noonMarkMoment(const DialFace &face, Vec3 sun);

} // namespace orvane::dial
