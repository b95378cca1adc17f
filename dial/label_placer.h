#pragma once
// Where a dial's hour and date labels go: each on its own line, on the
// plate, clear of every other label. Shared by the SVG and the printed pages
// so that both label the same lines in the same way.
#include "dial/date_lines.h"
#include "dial/dial_layout.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane::dial {

// A label's box on the plate, in plate millimetres (y up).
struct LabelBox {
    PlatePoint centre;
    double width = 0;
    double height = 0;

    // Closer than `gap` counts as touching.
    bool overlaps(const LabelBox &other, double gap = 0) const;
    bool inside(const PlateRect &plate, double margin = 0) const;
};

struct LabelSize {
    double width = 0;
    double height = 0;
};

// A sans-serif text of `fontSize` mm, without a font at hand: about 0.62 em
// a character (digits and most lower-case letters are 0.55 to 0.64 em), one
// em high.
LabelSize estimatedLabelSize(const std::string &text, double fontSize);

// The lines labels must not cross, kept in cells so that a box asks only
// about the pieces near it.
class LineObstacles {
public:
    LineObstacles(const PlateRect &plate, double cell);
    void add(PlatePoint from, PlatePoint to, bool dateLine = false);
    void add(const Polyline &line, bool dateLine = false);
    // Whether a line runs through the box grown by `gap` on every side;
    // date lines only `withDateLines`.
    bool crosses(const LabelBox &box, double gap, bool withDateLines = true) const;

private:
    PlateRect m_plate;
    double m_cell;
    int m_columns = 1, m_rows = 1;
    std::vector<PlateSegment> m_segments;
    std::vector<bool> m_dateLine;
    std::vector<std::vector<int>> m_cells;
    int cellX(double x) const;
    int cellY(double y) const;
};

// The whole hours' lines, the substyle and the date lines of a face.
LineObstacles dialLines(const PlateRect &plate, const DialLayout &layout,
                        const std::vector<const Polyline *> &dateLines, double cell);

enum class LabelKind { Hour, Date };
using LabelMeasure = std::function<LabelSize(const std::string &text, LabelKind kind)>;

struct DateLineLabel {
    std::string text;
    const std::vector<Polyline> *pieces = nullptr;
    bool mustStand = false; // named whatever lines it must cross
};

struct PlacedLabel {
    std::string text;
    LabelBox box;
};

struct DialLabels {
    std::vector<PlacedLabel> hours; // in the order of the hour lines, those placed
    std::vector<PlacedLabel> dates; // one per group of date lines that run together
};

// Whole hours first, then the date lines (in the order given, so the
// solstices and the equinox before the months), then half and quarter
// hours. An hour's label sits beside its line, from near the outer end
// inwards; a date line's beside its line, from either end inwards. Date
// lines that run within a label's height of each other at both ends share
// one label, their texts joined ("21 Dec, 1 Jan"). A label with no free
// place is left out. Labels keep `gap` mm from each other, from the plate's
// edges and from the boxes in `keepClear` (the marks), no line in `lines`
// crosses one (but for other date lines a date label, where months crowd
// near the solstices), and none is crossed by its own line.
DialLabels placeDialLabels(const PlateRect &plate, const DialLayout &layout,
                           const std::vector<DateLineLabel> &dateLines, const LabelMeasure &measure, double gap,
                           const std::vector<LabelBox> &keepClear, const LineObstacles &lines);

} // namespace orvane::dial
