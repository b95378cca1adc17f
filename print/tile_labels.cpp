#include "tile_labels.h"
#include "segment_clip.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvane {

namespace {

bool clear(const dial::LabelBox &box, const std::vector<dial::LabelBox> &others, double gap)
{
    return std::none_of(others.begin(), others.end(), [&](const dial::LabelBox &o) { return box.overlaps(o, gap); });
}

} // namespace

std::vector<TileLabel> tileHourLabels(const std::vector<dial::HourLine> &lines, const dial::PlateRect &inner,
                                      double size, const std::vector<dial::LabelBox> &keepClear)
{
    std::vector<TileLabel> out;
    std::vector<dial::LabelBox> taken = keepClear;
    const double gap = 0.3 * size;
    for (const dial::HourLine &h : lines) {
        const auto part = segmentInside(h.line.from, h.line.to, inner);
        if (!part || part->first >= part->second)
            continue;
        const double dx = h.line.to.x - h.line.from.x, dy = h.line.to.y - h.line.from.y;
        const double length = std::hypot(dx, dy) * (part->second - part->first);
        if (length < size)
            continue;
        const dial::PlatePoint unit{dx / std::hypot(dx, dy), dy / std::hypot(dx, dy)};
        const dial::PlatePoint enter{h.line.from.x + dx * part->first, h.line.from.y + dy * part->first};
        const dial::LabelSize s = dial::estimatedLabelSize(h.label, size);
        // Beside the line, not on it: half the box's diagonal off it.
        const double aside = std::hypot(s.width, s.height) / 2 + gap;
        std::optional<dial::LabelBox> first;
        std::optional<dial::LabelBox> chosen;
        for (double along = 0; along <= length && !chosen; along += s.height) {
            for (double side : {1.0, -1.0}) {
                const dial::LabelBox box{{enter.x + unit.x * along - side * unit.y * aside,
                                          enter.y + unit.y * along + side * unit.x * aside},
                                         s.width,
                                         s.height};
                if (!box.inside(inner, gap))
                    continue;
                if (!first)
                    first = box;
                if (clear(box, taken, gap)) {
                    chosen = box;
                    break;
                }
            }
        }
        if (!chosen)
            chosen = first;
        if (chosen) {
            out.push_back({h.label, *chosen});
            taken.push_back(*chosen);
        }
    }
    return out;
}

} // namespace orvane
