#pragma once
// A dial drawn once: named groups of paths, circles and labels in
// millimetres, y up, which the SVG, DXF and page writers only serialise.
//
// The plate's groups lie in plate millimetres (origin at the nodus's foot);
// the gnomon's shape stands to the plate's right, its top level with the
// plate's; the card, when there is one, to the gnomon's right. A writer
// that prints them apart finds each part's groups by `part`.
#include "dial/dial_input.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orvane::dial {

enum class Part { Plate, Gnomon, Card };

enum class Anchor { Middle, Start, End };

struct Label {
    PlatePoint at; // the text's middle height, its middle, start or end by `anchor`
    std::string text;
    double size = 3; // mm, the em
    Anchor anchor = Anchor::Middle;
};

struct Path {
    Path() = default;
    Path(std::vector<PlatePoint> points, bool closed = false, std::string name = {})
        : points(std::move(points)), closed(closed), name(std::move(name))
    {}

    std::vector<PlatePoint> points;
    bool closed = false;
    // What the line shows, where a reader of a piece of it needs to know
    // (an hour line's label); empty for the rest.
    std::string name;
};

struct Circle {
    PlatePoint centre;
    double radius = 0;
};

struct Pen {
    double width = 0.5; // mm
    bool dashed = false;
    std::uint32_t colour = 0x000000; // 0xRRGGBB
};

struct Group {
    std::string name; // "plate", "hour-lines", "hour-labels", ...
    Part part = Part::Plate;
    Pen pen;
    std::vector<Path> paths;
    std::vector<Circle> circles;
    std::vector<Label> labels;
    std::vector<Group> groups;
};

struct Drawing {
    std::vector<Group> groups;
};

// An empty group of the plate with this pen.
Group plateGroup(const char *name, double penWidth, std::uint32_t colour = 0, bool dashed = false);

// The smallest rectangle holding every point, circle and label (labels by
// their estimated size) of the groups of `part`, or of all groups.
PlateRect bounds(const Drawing &drawing, Part part);
PlateRect bounds(const Drawing &drawing);
PlateRect bounds(const Group &group);

// The drawing shrunk by `factor` (0.02 for 1:50) about the origin, pens and
// labels too, but no label smaller than `minLabel` mm: a plan to scale. The
// card keeps its size, beside the plan as it was beside the dial.
Drawing scaled(const Drawing &drawing, double factor, double minLabel = 2);

// Calls `visit` for the group and each group inside it, depth first.
template <class Visit>
void forEachGroup(const Group &group, Visit &&visit)
{
    visit(group);
    for (const Group &g : group.groups)
        forEachGroup(g, visit);
}

} // namespace orvane::dial
