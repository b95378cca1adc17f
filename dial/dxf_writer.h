#pragma once
// A drawing as an ASCII DXF for laser cutters, CNC routers and engravers:
// AutoCAD R12 entities (LINE, POLYLINE, CIRCLE, TEXT) in millimetres
// ($INSUNITS 4), one layer per top-level group, y up as on the plate. R12
// because every cutter's software and every DXF reader takes it.
#include "dial/drawing.h"

#include <string>

namespace orvane::dial {

std::string dxfText(const Drawing &drawing);

} // namespace orvane::dial
