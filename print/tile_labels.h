#pragma once
// The small names a printed tile carries beside each hour line and date
// line that crosses it, so that a tile far from the plate's own labels
// still says which line is which.

#include "dial/drawing.h"
#include "dial/label_placer.h"

#include <string>
#include <vector>

namespace orvane {

struct TileLabel {
    std::string text;
    dial::LabelBox box; // plate mm
};

// A line drawn on the plate: named where a reader of a piece of it needs
// to know what it shows, unnamed where it is only kept clear of.
struct TileLine {
    std::string name;
    std::vector<dial::PlatePoint> points;
};

// The plate's paths of `drawing` that meet `tile`, named by their paths.
std::vector<TileLine> tileLines(const dial::Drawing &drawing, const dial::PlateRect &tile);

// One name per named line that crosses `inner` (the tile less the strips it
// shares with its neighbours, which name the lines there themselves), beside
// the line near where it enters. Each keeps clear of every line, of
// `keepClear` and of the others; a name with no clear place is left out.
std::vector<TileLabel> tileLineLabels(const std::vector<TileLine> &lines, const dial::PlateRect &inner, double size,
                                      const std::vector<dial::LabelBox> &keepClear);

// Whether a segment passes through `box` or within `gap` of it.
bool segmentMeetsBox(dial::PlatePoint a, dial::PlatePoint b, const dial::LabelBox &box, double gap = 0);

} // namespace orvane
