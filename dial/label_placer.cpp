#include "dial/label_placer.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvane::dial {

namespace {

constexpr double kEmPerCharacter = 0.62;
// An hour's label stays off the quarter of its line next to the root, where
// the lines crowd together.
constexpr double kHourReach = 0.75;

double distance(PlatePoint a, PlatePoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

int minutesPast(double hour) { return int(std::lround((hour - std::floor(hour)) * 60)) % 60; }

const Polyline *longestPiece(const std::vector<Polyline> &pieces)
{
    const Polyline *longest = nullptr;
    for (const Polyline &p : pieces)
        if (!longest || p.size() > longest->size())
            longest = &p;
    return longest && longest->size() > 1 ? longest : nullptr;
}

class Placer {
public:
    Placer(const PlateRect &plate, double gap, const std::vector<LabelBox> &keepClear, const LineObstacles &lines)
        : m_plate(plate), m_gap(gap), m_taken(keepClear), m_lines(lines)
    {}

    // The first of `centres` where the label fits; taken from then on.
    // Lines: all, all but the date lines, or none (a label that must stand).
    enum class Lines { All, NotDates, None };
    std::optional<LabelBox> place(LabelSize size, const std::vector<PlatePoint> &centres, Lines lines = Lines::All)
    {
        for (PlatePoint c : centres) {
            const LabelBox box{c, size.width, size.height};
            if (!box.inside(m_plate, m_gap))
                continue;
            if (std::any_of(m_taken.begin(), m_taken.end(), [&](const LabelBox &t) { return t.overlaps(box, m_gap); }))
                continue;
            if (lines != Lines::None && m_lines.crosses(box, m_gap / 4, lines == Lines::All))
                continue;
            m_taken.push_back(box);
            return box;
        }
        return std::nullopt;
    }

private:
    PlateRect m_plate;
    double m_gap;
    std::vector<LabelBox> m_taken;
    const LineObstacles &m_lines;
};

// How far from a point along the unit vector `d` a box's centre must lie for
// the box to clear the point, with half a gap to spare.
double clearance(PlatePoint d, LabelSize size, double gap)
{
    return (size.width * std::fabs(d.x) + size.height * std::fabs(d.y)) / 2 + gap / 2;
}

// Centres beside the line, just clear of it, from half a label's height in
// from its outer end towards the root, every half height: first on the side
// away from the plate's middle line through the root, then on the other.
std::vector<PlatePoint> besideHourLine(const PlateSegment &line, const std::optional<PlatePoint> &root, LabelSize size,
                                       double gap)
{
    std::vector<PlatePoint> centres;
    const double length = distance(line.from, line.to);
    if (length < 1e-9)
        return centres;
    const bool fromRoot = root && distance(*root, line.from) < 1e-6;
    const PlatePoint inward{(line.from.x - line.to.x) / length, (line.from.y - line.to.y) / length};
    PlatePoint n{-inward.y, inward.x};
    if (n.x < 0 || (n.x == 0 && n.y < 0))
        n = {-n.x, -n.y};
    // The outward side: towards +x for a line whose outer end lies on the +x side.
    if ((line.to.x - (root ? root->x : 0)) * n.x + (line.to.y - (root ? root->y : 0)) * n.y < 0)
        n = {-n.x, -n.y};
    const double off = clearance(n, size, gap);
    for (double side : {1.0, -1.0})
        for (double back = size.height / 2; back <= (fromRoot ? kHourReach : 1.0) * length; back += size.height / 2)
            centres.push_back(
                {line.to.x + inward.x * back + side * n.x * off, line.to.y + inward.y * back + side * n.y * off});
    return centres;
}

// Centres just past either end of the line, where it stops on the plate
// (the sun leaving the face), then beside the line, just clear of it on
// either side, from both ends towards the middle every half height.
std::vector<PlatePoint> besideDateLine(const Polyline &line, LabelSize size, double gap)
{
    std::vector<PlatePoint> centres;
    const auto pastEnd = [&](PlatePoint end, PlatePoint before) {
        const double d = std::max(distance(before, end), 1e-12);
        const PlatePoint out{(end.x - before.x) / d, (end.y - before.y) / d};
        const double off = clearance(out, size, gap);
        centres.push_back({end.x + out.x * off, end.y + out.y * off});
    };
    pastEnd(line.front(), line[1]);
    pastEnd(line.back(), line[line.size() - 2]);

    std::vector<double> at{0}; // arc length at each point
    for (std::size_t i = 1; i < line.size(); ++i)
        at.push_back(at.back() + distance(line[i - 1], line[i]));
    const double length = at.back();
    if (length < 1e-9)
        return centres;
    const auto besideAt = [&](double s) {
        const std::size_t i = std::clamp<std::size_t>(
            std::size_t(std::upper_bound(at.begin(), at.end(), s) - at.begin()), 1, line.size() - 1);
        const PlatePoint a = line[i - 1], b = line[i];
        const double piece = std::max(at[i] - at[i - 1], 1e-12);
        const double f = std::clamp((s - at[i - 1]) / piece, 0.0, 1.0);
        const PlatePoint p{a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)};
        // The normal pointing up the plate first; far enough along it that
        // the box clears the line.
        PlatePoint n{-(b.y - a.y) / piece, (b.x - a.x) / piece};
        if (n.y < 0 || (n.y == 0 && n.x < 0))
            n = {-n.x, -n.y};
        const double off = clearance(n, size, gap);
        centres.push_back({p.x + n.x * off, p.y + n.y * off});
        centres.push_back({p.x - n.x * off, p.y - n.y * off});
    };
    for (double s = 0; s <= length / 2; s += size.height / 2) {
        besideAt(s);
        besideAt(length - s);
    }
    return centres;
}

// A clock dial's figure-8: centres past its far end from the root (the
// foot with no root), then past its near end, then beside its longest piece.
std::vector<PlatePoint> besideClockCurve(const HourLine &h, const std::optional<PlatePoint> &root, LabelSize size,
                                         double gap)
{
    const PlatePoint from = root.value_or(PlatePoint{});
    const PlatePoint *nearest = nullptr, *farthest = nullptr;
    for (const Polyline &piece : h.curve)
        for (const PlatePoint &p : piece) {
            if (!nearest || distance(from, p) < distance(from, *nearest))
                nearest = &p;
            if (!farthest || distance(from, p) > distance(from, *farthest))
                farthest = &p;
        }
    std::vector<PlatePoint> centres;
    if (!farthest)
        return centres;
    for (const auto &[end, sense] : {std::pair{farthest, 1.0}, std::pair{nearest, -1.0}}) {
        const double d = distance(from, *end);
        if (d < 1e-9)
            continue;
        const PlatePoint out{sense * (end->x - from.x) / d, sense * (end->y - from.y) / d};
        const double off = clearance(out, size, gap);
        for (double more : {0.0, 0.5, 1.0})
            centres.push_back(
                {end->x + out.x * (off + more * size.height), end->y + out.y * (off + more * size.height)});
    }
    if (const Polyline *piece = longestPiece(h.curve))
        for (PlatePoint c : besideDateLine(*piece, size, gap))
            centres.push_back(c);
    return centres;
}

struct DateGroup {
    const Polyline *line; // the first line's longest piece, which the label follows
    std::string text;
    // Each line's own piece and text, for when the joined label finds no room.
    std::vector<std::pair<const Polyline *, std::string>> members;
    bool mustStand = false;
};

// Lines whose ends both lie within a label's height of a group's first line join it.
std::vector<DateGroup> dateGroups(const std::vector<DateLineLabel> &lines, const LabelMeasure &measure)
{
    std::vector<DateGroup> groups;
    for (const DateLineLabel &line : lines) {
        const Polyline *piece = line.pieces ? longestPiece(*line.pieces) : nullptr;
        if (!piece)
            continue;
        const double near = measure(line.text, LabelKind::Date).height;
        const auto together = [&](const DateGroup &g) {
            return distance(g.line->front(), piece->front()) < near && distance(g.line->back(), piece->back()) < near;
        };
        if (const auto g = std::find_if(groups.begin(), groups.end(), together); g != groups.end()) {
            g->text += ", " + line.text;
            g->members.push_back({piece, line.text});
            g->mustStand = g->mustStand || line.mustStand;
        } else {
            groups.push_back({piece, line.text, {{piece, line.text}}, line.mustStand});
        }
    }
    return groups;
}

} // namespace

LineObstacles::LineObstacles(const PlateRect &plate, double cell) : m_plate(plate), m_cell(std::max(cell, 1e-3))
{
    m_columns = std::clamp(int(std::ceil(plate.width() / m_cell)), 1, 512);
    m_rows = std::clamp(int(std::ceil(plate.height() / m_cell)), 1, 512);
    m_cells.resize(std::size_t(m_columns) * std::size_t(m_rows));
}

int LineObstacles::cellX(double x) const
{
    return std::clamp(int(std::floor((x - m_plate.xMin) / m_plate.width() * m_columns)), 0, m_columns - 1);
}

int LineObstacles::cellY(double y) const
{
    return std::clamp(int(std::floor((y - m_plate.yMin) / m_plate.height() * m_rows)), 0, m_rows - 1);
}

void LineObstacles::add(PlatePoint from, PlatePoint to, bool dateLine)
{
    const int index = int(m_segments.size());
    m_segments.push_back({from, to});
    m_dateLine.push_back(dateLine);
    for (int x = cellX(std::min(from.x, to.x)); x <= cellX(std::max(from.x, to.x)); ++x)
        for (int y = cellY(std::min(from.y, to.y)); y <= cellY(std::max(from.y, to.y)); ++y)
            m_cells[std::size_t(y) * std::size_t(m_columns) + std::size_t(x)].push_back(index);
}

void LineObstacles::add(const Polyline &line, bool dateLine)
{
    for (std::size_t i = 1; i < line.size(); ++i)
        add(line[i - 1], line[i], dateLine);
}

bool LineObstacles::crosses(const LabelBox &box, double gap, bool withDateLines) const
{
    const PlateRect r{box.centre.x - box.width / 2 - gap, box.centre.y - box.height / 2 - gap,
                      box.centre.x + box.width / 2 + gap, box.centre.y + box.height / 2 + gap};
    for (int x = cellX(r.xMin); x <= cellX(r.xMax); ++x)
        for (int y = cellY(r.yMin); y <= cellY(r.yMax); ++y)
            for (int i : m_cells[std::size_t(y) * std::size_t(m_columns) + std::size_t(x)]) {
                if (!withDateLines && m_dateLine[std::size_t(i)])
                    continue;
                const PlateSegment &s = m_segments[std::size_t(i)];
                const PlatePoint d{s.to.x - s.from.x, s.to.y - s.from.y};
                if (r.contains(s.from) || r.contains(s.to) || clipToPlate(r, s.from, d, 0, 1))
                    return true;
            }
    return false;
}

LineObstacles dialLines(const PlateRect &plate, const DialLayout &layout,
                        const std::vector<const Polyline *> &dateLines, double cell)
{
    LineObstacles lines(plate, cell);
    // Half and quarter hours' lines crowd too close for a numeral between
    // them; each label keeps clear of its own line by where it stands.
    for (const HourLine &h : layout.hourLines) {
        if (minutesPast(h.hour) != 0)
            continue;
        if (h.curve.empty())
            lines.add(h.line.from, h.line.to);
        for (const Polyline &piece : h.curve)
            lines.add(piece);
    }
    if (layout.substyle)
        lines.add(layout.substyle->from, layout.substyle->to);
    for (const Polyline *line : dateLines)
        lines.add(*line, true);
    return lines;
}

bool LabelBox::overlaps(const LabelBox &other, double gap) const
{
    return std::fabs(centre.x - other.centre.x) < (width + other.width) / 2 + gap &&
           std::fabs(centre.y - other.centre.y) < (height + other.height) / 2 + gap;
}

bool LabelBox::inside(const PlateRect &plate, double margin) const
{
    return centre.x - width / 2 >= plate.xMin + margin && centre.x + width / 2 <= plate.xMax - margin &&
           centre.y - height / 2 >= plate.yMin + margin && centre.y + height / 2 <= plate.yMax - margin;
}

LabelSize estimatedLabelSize(const std::string &text, double fontSize)
{
    // UTF-8: count the bytes that start a character ("°" is two bytes, one character).
    const auto characters =
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return {kEmPerCharacter * fontSize * double(characters), fontSize};
}

DialLabels placeDialLabels(const PlateRect &plate, const DialLayout &layout,
                           const std::vector<DateLineLabel> &dateLines, const LabelMeasure &measure, double gap,
                           const std::vector<LabelBox> &keepClear, const LineObstacles &lines)
{
    Placer placer(plate, gap, keepClear, lines);
    std::vector<std::optional<PlacedLabel>> hours(layout.hourLines.size());
    const auto placeHours = [&](auto wanted) {
        for (std::size_t i = 0; i < layout.hourLines.size(); ++i) {
            const HourLine &h = layout.hourLines[i];
            if (!wanted(minutesPast(h.hour)))
                continue;
            const LabelSize size = measure(h.label, LabelKind::Hour);
            const std::vector<PlatePoint> centres = h.curve.empty() ? besideHourLine(h.line, layout.root, size, gap)
                                                                    : besideClockCurve(h, layout.root, size, gap);
            if (const std::optional<LabelBox> box = placer.place(size, centres))
                hours[i] = PlacedLabel{h.label, *box};
        }
    };

    DialLabels out;
    placeHours([](int minutes) { return minutes == 0; });
    const auto placeDate = [&](const Polyline &line, const std::string &text, Placer::Lines lines) {
        const LabelSize size = measure(text, LabelKind::Date);
        if (const std::optional<LabelBox> box = placer.place(size, besideDateLine(line, size, gap), lines)) {
            out.dates.push_back({text, *box});
            return true;
        }
        return false;
    };
    // Those that must stand (the solstices, the equinox, the maker's own
    // dates) are named whatever lines they must cross; the months where they
    // find room.
    for (const DateGroup &g : dateGroups(dateLines, measure)) {
        const bool mustStand = g.mustStand;
        bool named = placeDate(*g.line, g.text, Placer::Lines::NotDates);
        if (!named && g.members.size() > 1) {
            named = placeDate(*g.line, g.members.front().second, Placer::Lines::NotDates);
            for (std::size_t m = 1; m < g.members.size(); ++m)
                placeDate(*g.members[m].first, g.members[m].second, Placer::Lines::NotDates);
        }
        if (!named && mustStand)
            placeDate(*g.line, g.members.front().second, Placer::Lines::None);
    }
    placeHours([](int minutes) { return minutes == 30; });
    placeHours([](int minutes) { return minutes != 0 && minutes != 30; });
    for (const std::optional<PlacedLabel> &h : hours)
        if (h)
            out.hours.push_back(*h);
    return out;
}

} // namespace orvane::dial
