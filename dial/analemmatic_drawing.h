#pragma once
// The analemmatic dial drawn in millimetres on the ground's axes (x east,
// y north, origin at the centre C): the ellipse, its hour marks and
// numbers, the date scale, the centre and noon stakes, the foci and, when
// given, the card beside it.
//
// Groups by name: plate, north-south-line, ellipse, hour-marks
// (hour-points, hour-labels), date-scale (date-ticks, date-labels), stakes,
// foci and card.
#include "dial/plane_drawing.h"

namespace orvane::dial {

// The rectangle around the ellipse and the date scale with room for the
// labels (mm), whatever the plate's width and height say.
PlateRect groundPlate(const DialInput &input, double width, double height);

// The labels' size (mm): they, the marks and the pens grow with the dial,
// a thirtieth of its width.
double groundFontSize(const DialInput &input);

// A tick across the north-south line where a person stands on the day of
// this declination: the date scale's "line".
std::vector<Polyline> groundDateTick(const DialInput &input, double declinationDeg);

// The first face's layout must hold the ground layout.
Drawing drawAnalemmaticDial(const DrawingInput &in);

} // namespace orvane::dial
