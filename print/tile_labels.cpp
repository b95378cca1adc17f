#include "tile_labels.h"
#include "segment_clip.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvane {

namespace {

using Segment = std::pair<dial::PlatePoint, dial::PlatePoint>;

dial::PlateRect grown(const dial::PlateRect &r, double by)
{
    return {r.xMin - by, r.yMin - by, r.xMax + by, r.yMax + by};
}

std::vector<Segment> segmentsOf(const dial::Path &path)
{
    std::vector<Segment> out;
    for (std::size_t i = 1; i < path.points.size(); ++i)
        out.emplace_back(path.points[i - 1], path.points[i]);
    if (path.closed && path.points.size() > 2)
        out.emplace_back(path.points.back(), path.points.front());
    return out;
}

// The place for `text` beside the line near where it enters `inner`: the
// first, walking along the line, that is clear of everything.
std::optional<dial::LabelBox> besideLine(const TileLine &line, const dial::PlateRect &inner, double size,
                                         const std::vector<dial::LabelBox> &taken,
                                         const std::vector<Segment> &obstacles)
{
    const dial::LabelSize s = dial::estimatedLabelSize(line.name, size);
    const double gap = 0.3 * size;
    // Beside the line, not on it: half the box's diagonal off it.
    const double aside = std::hypot(s.width, s.height) / 2 + gap;
    const auto clear = [&](const dial::LabelBox &box) {
        return box.inside(inner, gap) &&
               std::none_of(taken.begin(), taken.end(),
                            [&](const dial::LabelBox &o) { return box.overlaps(o, gap); }) &&
               std::none_of(obstacles.begin(), obstacles.end(),
                            [&](const Segment &o) { return segmentMeetsBox(o.first, o.second, box, gap / 2); });
    };
    double inside = 0;
    for (std::size_t i = 1; i < line.points.size(); ++i)
        if (const auto part = segmentInside(line.points[i - 1], line.points[i], inner))
            inside += (part->second - part->first) *
                      std::hypot(line.points[i].x - line.points[i - 1].x, line.points[i].y - line.points[i - 1].y);
    if (inside < size)
        return std::nullopt; // a corner clipped: too little of the line to name
    for (std::size_t i = 1; i < line.points.size(); ++i) {
        const dial::PlatePoint a = line.points[i - 1], b = line.points[i];
        const auto part = segmentInside(a, b, inner);
        if (!part || part->first >= part->second)
            continue;
        const double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
        const dial::PlatePoint unit{dx / length, dy / length};
        for (double along = part->first * length; along <= part->second * length; along += s.height)
            for (double side : {1.0, -1.0}) {
                const dial::LabelBox box{
                    {a.x + unit.x * along - side * unit.y * aside, a.y + unit.y * along + side * unit.x * aside},
                    s.width,
                    s.height};
                if (clear(box))
                    return box;
            }
    }
    return std::nullopt;
}

} // namespace

bool segmentMeetsBox(dial::PlatePoint a, dial::PlatePoint b, const dial::LabelBox &box, double gap)
{
    const dial::PlateRect r{box.centre.x - box.width / 2 - gap, box.centre.y - box.height / 2 - gap,
                            box.centre.x + box.width / 2 + gap, box.centre.y + box.height / 2 + gap};
    return segmentInside(a, b, r).has_value();
}

std::vector<TileLine> tileLines(const dial::Drawing &drawing, const dial::PlateRect &tile)
{
    std::vector<TileLine> out;
    for (const dial::Group &top : drawing.groups)
        if (top.part == dial::Part::Plate)
            dial::forEachGroup(top, [&](const dial::Group &g) {
                for (const dial::Path &path : g.paths) {
                    const std::vector<Segment> segments = segmentsOf(path);
                    if (std::none_of(segments.begin(), segments.end(),
                                     [&](const Segment &s) { return segmentInside(s.first, s.second, tile); }))
                        continue;
                    TileLine line{path.name, path.points};
                    if (path.closed && path.points.size() > 2)
                        line.points.push_back(path.points.front());
                    out.push_back(std::move(line));
                }
            });
    return out;
}

std::vector<TileLabel> tileLineLabels(const std::vector<TileLine> &lines, const dial::PlateRect &inner, double size,
                                      const std::vector<dial::LabelBox> &keepClear)
{
    // Only what lies near the tile can be in a name's way.
    const dial::PlateRect near = grown(inner, size);
    std::vector<Segment> obstacles;
    for (const TileLine &line : lines)
        for (std::size_t i = 1; i < line.points.size(); ++i)
            if (segmentInside(line.points[i - 1], line.points[i], near))
                obstacles.emplace_back(line.points[i - 1], line.points[i]);
    std::vector<TileLabel> out;
    std::vector<dial::LabelBox> taken = keepClear;
    for (const TileLine &line : lines) {
        if (line.name.empty())
            continue;
        if (const auto box = besideLine(line, inner, size, taken, obstacles)) {
            out.push_back({line.name, *box});
            taken.push_back(*box);
        }
    }
    return out;
}

} // namespace orvane
