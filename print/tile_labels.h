#pragma once
// The hour names a printed tile carries beside each hour line that crosses
// it, so that a tile far from the plate's own numbers still says which line
// is which.

#include "dial/dial_layout.h"
#include "dial/label_placer.h"

#include <string>
#include <vector>

namespace orvane {

struct TileLabel {
    std::string text;
    dial::LabelBox box; // plate mm
};

// One name per hour line that crosses `inner` (the tile less the strips it
// shares with its neighbours, which name the lines there themselves), beside
// the line near where it enters, clear of `keepClear` and of each other
// where it can be.
std::vector<TileLabel> tileHourLabels(const std::vector<dial::HourLine> &lines, const dial::PlateRect &inner,
                                      double size, const std::vector<dial::LabelBox> &keepClear);

} // namespace orvane
