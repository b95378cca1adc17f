#include "dial/analemmatic_drawing.h"
#include "dial/noop.h"

#include "dial/analemmatic.h"
#include "dial/label_placer.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvane::dial {

namespace {

constexpr double kMm = 1000; // millimetres in a metre
constexpr std::uint32_t kDateColour = 0x006e3c;
constexpr std::uint32_t kStakeColour = 0x960000;

PlatePoint mm(PlatePoint metres) { return {metres.x * kMm, metres.y * kMm}; }

void cross(Group &g, PlatePoint p, double size)
{
    g.circles.push_back({p, size});
    g.paths.push_back({{{p.x - 2 * size, p.y}, {p.x + 2 * size, p.y}}});
    g.paths.push_back({{{p.x, p.y - 2 * size}, {p.x, p.y + 2 * size}}});
}

// Each date's label level with its tick, east of the line or west, moved
// out past whatever is in the way (`keepClear`: the marks, their letters and
// numbers, the ellipse) on the side where it moves least, within `reach` of
// the line. Ticks within a label's height of a labelled one share its label
// ("21 Jun, 1 Jul"); a label with no room is left out, its tick kept.
Group dateScale(const DialFace &face, double font, const std::vector<LabelBox> &keepClear, double reach)
{
    const double size = 0.7 * font, tick = 0.6 * font, gap = 0.1 * size;
    Group ticks = plateGroup("date-ticks", font / 40, kDateColour),
          labels = plateGroup("date-labels", font / 40, kDateColour);
    std::vector<LabelBox> boxes;  // the date labels', in the order of labels.labels
    std::vector<double> labelled; // the y of the tick each label stands at
    const auto inTheWay = [&](const LabelBox &box) -> const LabelBox * {
        for (const std::vector<LabelBox> *all : {&keepClear, static_cast<const std::vector<LabelBox> *>(&boxes)})
            for (const LabelBox &b : *all)
                if (b.overlaps(box, gap))
                    return &b;
        return nullptr;
    };
    for (const DateLine &line : face.dateLines) {
        if (line.pieces.empty() || line.pieces.front().empty())
            continue;
        ticks.paths.push_back({line.pieces.front(), false, line.label});
        const double y = line.pieces.front().front().y;
        const LabelSize s = estimatedLabelSize(line.label, size);
        std::optional<LabelBox> best;
        for (double side : {1.0, -1.0}) {
            double out = tick + 0.3 * font; // the box's inner edge from the line
            for (std::size_t tries = 0; tries <= keepClear.size() + boxes.size(); ++tries) {
                const LabelBox box{{side * (out + s.width / 2), y}, s.width, s.height};
                if (out + s.width > reach)
                    break;
                const LabelBox *other = inTheWay(box);
                if (!other) {
                    if (!best || std::fabs(box.centre.x) < std::fabs(best->centre.x))
                        best = box;
                    break;
                }
                const double past = side * other->centre.x + other->width / 2 + gap;
                if (past <= out)
                    break;
                out = past;
            }
        }
        if (!best) {
            // No room of its own: a tick within a label's height of a
            // labelled one shares its label, where the longer text fits.
            const auto near = std::find_if(labelled.begin(), labelled.end(),
                                           [&](double other) { return std::fabs(other - y) < s.height; });
            if (near == labelled.end())
                continue;
            const std::size_t i = std::size_t(near - labelled.begin());
            Label &joined = labels.labels[i];
            const std::string text = joined.text + ", " + line.label;
            const LabelSize wider = estimatedLabelSize(text, size);
            const double side = joined.at.x < 0 ? -1 : 1;
            // Widened outwards from where it stood.
            const LabelBox box{
                {joined.at.x + side * (wider.width - boxes[i].width) / 2, joined.at.y}, wider.width, wider.height};
            const LabelBox was = boxes[i];
            boxes[i] = LabelBox{};
            if (inTheWay(box)) {
                boxes[i] = was;
                continue;
            }
            boxes[i] = box;
            joined.text = text;
            joined.at = box.centre;
            continue;
        }
        boxes.push_back(*best);
        labelled.push_back(y);
        labels.labels.push_back({best->centre, line.label, size});
    }
    Group g = plateGroup("date-scale", font / 40, kDateColour);
    g.groups = {ticks, labels};
    return g;
}

} // namespace

double groundFontSize(const DialInput &input) { return std::clamp(input.halfWidth * kMm / 15, 3.0, 200.0); }

PlateRect groundPlate(const DialInput &input, double, double)
{
    const double m = input.halfWidth * kMm, font = groundFontSize(input);
    const double dates = groundDateY(input, kMaxDeclination) * kMm;
    const double minor = std::fabs(std::sin(angles::radians(input.latitude))) * m;
    const double across = m + 3 * font, along = std::max(minor, std::fabs(dates)) + 3 * font;
    return {-across, -along, across, along};
}

std::vector<Polyline> groundDateTick(const DialInput &input, double declinationDeg)
{
    const double y = groundDateY(input, declinationDeg) * kMm, tick = 0.6 * groundFontSize(input);
    return {{{-tick, y}, {tick, y}}};
}

Drawing drawAnalemmaticDial(const DrawingInput &in)
{
    const DialFace &face = in.faces.front();
    const GroundLayout &l = *face.layout.ground;
    const PlateRect &plate = face.input.plate;
    const double font = groundFontSize(face.input), pen = font / 40;
    Drawing d;

    Group outline = plateGroup("plate", pen);
    outline.paths.push_back(
        {{{plate.xMin, plate.yMin}, {plate.xMax, plate.yMin}, {plate.xMax, plate.yMax}, {plate.xMin, plate.yMax}},
         true});
    d.groups.push_back(outline);

    // The line runs past the ellipse and the date scale, short of the 12's number.
    const double reach = std::max(l.minorHalfWidth * kMm, groundDateY(face.input, kMaxDeclination) * kMm) + font / 2;
    Group meridian = plateGroup("north-south-line", pen, 0, true);
    meridian.paths.push_back({{{0, -reach}, {0, reach}}, false, "north-south"});
    d.groups.push_back(meridian);
    Group north = plateGroup("north-arrow", pen);
    const PlatePoint tip{plate.xMax - 1.5 * font, plate.yMax - font / 2};
    north.paths.push_back({{{tip.x, tip.y - 2 * font}, tip}});
    north.paths.push_back({{{tip.x - font / 3, tip.y - font / 2}, tip, {tip.x + font / 3, tip.y - font / 2}}});
    north.labels.push_back({{tip.x, tip.y - 2.6 * font}, ORVANE_NOOP("dial", "north"), 0.7 * font});
    d.groups.push_back(north);

    Group ellipse = plateGroup("ellipse", pen);
    std::vector<PlatePoint> points;
    for (int i = 0; i < 360; ++i) {
        const double t = angles::radians(i);
        points.push_back({l.halfWidth * kMm * std::cos(t), l.minorHalfWidth * kMm * std::sin(t)});
    }
    ellipse.paths.push_back({points, true, "ellipse"});
    d.groups.push_back(ellipse);

    Group marks = plateGroup("hour-marks", pen), dots = plateGroup("hour-points", pen),
          numbers = plateGroup("hour-labels", pen);
    for (const GroundMark &m : l.marks) {
        const PlatePoint p = mm(m.at);
        dots.circles.push_back({p, font / (m.hour == std::floor(m.hour) ? 4 : 8)});
        // The number outside the ellipse, along the line from the centre.
        const double r = std::hypot(p.x, p.y);
        const PlatePoint out = r > 0 ? PlatePoint{p.x / r, p.y / r} : PlatePoint{0, 1};
        const double size = m.hour == std::floor(m.hour) ? font : 0.7 * font;
        numbers.labels.push_back({{p.x + out.x * 1.2 * font, p.y + out.y * 1.2 * font}, m.label, size});
    }
    marks.groups = {dots, numbers};
    d.groups.push_back(marks);

    // The stakes' letters west of the line, clear of the noon mark's number.
    Group stakes = plateGroup("stakes", pen, kStakeColour);
    std::vector<LabelBox> taken;
    for (const auto &[name, y] : {std::pair<const char *, double>{"C", 0}, {"N", l.noonY * kMm}}) {
        cross(stakes, {0, y}, font / 5);
        const LabelSize s = estimatedLabelSize(name, 0.8 * font);
        taken.push_back({{-0.8 * font - s.width / 2, y}, s.width, s.height});
        stakes.labels.push_back({taken.back().centre, name, 0.8 * font});
    }
    Group foci = plateGroup("foci", pen / 2);
    for (double side : {-1.0, 1.0})
        cross(foci, {side * l.focus * kMm, 0}, font / 8);

    // The date labels keep clear of every mark, letter and number, and of the ellipse.
    for (const Group *marked : {&stakes, &foci, &dots})
        for (const Circle &c : marked->circles)
            taken.push_back({c.centre, 4 * c.radius, 4 * c.radius});
    for (const Label &n : numbers.labels) {
        const LabelSize s = estimatedLabelSize(n.text, n.size);
        taken.push_back({n.at, s.width, s.height});
    }
    for (PlatePoint p : points)
        taken.push_back({p, 0, 0});
    d.groups.push_back(dateScale(face, font, taken, plate.xMax));
    d.groups.push_back(stakes);
    d.groups.push_back(foci);

    if (in.card)
        d.groups.push_back(drawCard(*in.card, {plate.xMax + kPartGap, plate.yMax}));
    return d;
}

} // namespace orvane::dial
