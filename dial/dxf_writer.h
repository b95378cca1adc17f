#pragma once
// A drawing as an ASCII DXF for laser cutters, CNC routers and engravers:
// AutoCAD R2000 with LINE, LWPOLYLINE, CIRCLE and TEXT in millimetres
// ($INSUNITS 4), y up as on the plate. Each top-level group's lines lie on
// a layer of its name and its texts on one of that name and "-text", so
// that cut, score and engrave can each be set by layer; every line is
// continuous.
#include "dial/drawing.h"

#include <string>

namespace orvane::dial {

std::string dxfText(const Drawing &drawing);

} // namespace orvane::dial
