#pragma once
// A drawing as SVG at full scale, for a laser cutter or an engraver: one
// user unit a millimetre, `width` and `height` the whole drawing's in mm and
// the viewBox from 0 0 over the same millimetres, everything 5 mm in from
// the top left. Each group an SVG group with its name as id.
#include "dial/drawing.h"

#include <string>

namespace orvane::dial {

inline constexpr double kSvgMargin = 5; // mm around everything

std::string svgText(const Drawing &drawing);

} // namespace orvane::dial
