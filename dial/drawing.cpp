#include "dial/drawing.h"
#include "dial/label_placer.h"

#include <algorithm>
#include <limits>

namespace orvane::dial {

namespace {

struct Extent {
    double xMin = std::numeric_limits<double>::infinity();
    double yMin = std::numeric_limits<double>::infinity();
    double xMax = -std::numeric_limits<double>::infinity();
    double yMax = -std::numeric_limits<double>::infinity();

    void add(double x0, double y0, double x1, double y1)
    {
        xMin = std::min(xMin, x0);
        yMin = std::min(yMin, y0);
        xMax = std::max(xMax, x1);
        yMax = std::max(yMax, y1);
    }
    void add(const Group &top)
    {
        forEachGroup(top, [this](const Group &g) {
            for (const Path &p : g.paths)
                for (PlatePoint q : p.points)
                    add(q.x, q.y, q.x, q.y);
            for (const Circle &c : g.circles)
                add(c.centre.x - c.radius, c.centre.y - c.radius, c.centre.x + c.radius, c.centre.y + c.radius);
            for (const Label &l : g.labels) {
                const LabelSize s = estimatedLabelSize(l.text, l.size);
                const double from = l.anchor == Anchor::Start ? 0 : l.anchor == Anchor::End ? -s.width : -s.width / 2;
                add(l.at.x + from, l.at.y - s.height / 2, l.at.x + from + s.width, l.at.y + s.height / 2);
            }
        });
    }
    PlateRect rect() const { return xMin > xMax ? PlateRect{} : PlateRect{xMin, yMin, xMax, yMax}; }
};

} // namespace

PlateRect bounds(const Group &group)
{
    Extent e;
    e.add(group);
    return e.rect();
}

PlateRect bounds(const Drawing &drawing, Part part)
{
    Extent e;
    for (const Group &g : drawing.groups)
        if (g.part == part)
            e.add(g);
    return e.rect();
}

PlateRect bounds(const Drawing &drawing)
{
    Extent e;
    for (const Group &g : drawing.groups)
        e.add(g);
    return e.rect();
}

namespace {

// Points times f, then moved by (dx, dy); pens and labels times f.
void scale(Group &g, double f, double minLabel, double dx = 0, double dy = 0)
{
    const auto to = [&](PlatePoint p) { return PlatePoint{p.x * f + dx, p.y * f + dy}; };
    g.pen.width *= f;
    for (Path &p : g.paths)
        for (PlatePoint &q : p.points)
            q = to(q);
    for (Circle &c : g.circles)
        c = {to(c.centre), c.radius * f};
    for (Label &l : g.labels) {
        l.at = to(l.at);
        l.size = f == 1 ? l.size : std::max(l.size * f, minLabel);
    }
    for (Group &child : g.groups)
        scale(child, f, minLabel, dx, dy);
}

} // namespace

Drawing scaled(const Drawing &drawing, double factor, double minLabel)
{
    Drawing out = drawing, dial, before;
    for (Group &g : out.groups)
        if (g.part != Part::Card) {
            before.groups.push_back(g);
            scale(g, factor, minLabel);
            dial.groups.push_back(g);
        }
    if (dial.groups.empty() || dial.groups.size() == out.groups.size())
        return out;
    // The card as far right of the plan, and its top as high, as by the dial.
    const PlateRect was = bounds(before), plan = bounds(dial);
    for (Group &g : out.groups)
        if (g.part == Part::Card)
            scale(g, 1, minLabel, plan.xMax - was.xMax, plan.yMax - was.yMax);
    return out;
}

Group plateGroup(const char *name, double penWidth, std::uint32_t colour, bool dashed)
{
    Group g;
    g.name = name;
    g.part = Part::Plate;
    g.pen = {penWidth, dashed, colour};
    return g;
}

} // namespace orvane::dial
