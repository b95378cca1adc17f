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

void scale(Group &g, double f, double minLabel)
{
    g.pen.width *= f;
    for (Path &p : g.paths)
        for (PlatePoint &q : p.points)
            q = {q.x * f, q.y * f};
    for (Circle &c : g.circles)
        c = {{c.centre.x * f, c.centre.y * f}, c.radius * f};
    for (Label &l : g.labels) {
        l.at = {l.at.x * f, l.at.y * f};
        l.size = std::max(l.size * f, minLabel);
    }
    for (Group &child : g.groups)
        scale(child, f, minLabel);
}

} // namespace

Drawing scaled(const Drawing &drawing, double factor, double minLabel)
{
    Drawing out = drawing;
    for (Group &g : out.groups)
        scale(g, factor, minLabel);
    return out;
}

} // namespace orvane::dial
