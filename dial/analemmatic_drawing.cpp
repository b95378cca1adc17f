#include "dial/analemmatic_drawing.h"

#include "dial/analemmatic.h"
#include "dial/label_placer.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>

namespace orvane::dial {

namespace {

constexpr double kMm = 1000; // millimetres in a metre
constexpr std::uint32_t kDateColour = 0x006e3c;
constexpr std::uint32_t kStakeColour = 0x960000;

Group group(const char *name, double pen, std::uint32_t colour = 0, bool dashed = false)
{
    Group g;
    g.name = name;
    g.part = Part::Plate;
    g.pen = {pen, dashed, colour};
    return g;
}

// Labels, marks and pens grow with the dial: a thirtieth of its width.
double fontFor(const DialInput &input) { return std::clamp(input.halfWidth * kMm / 15, 3.0, 200.0); }

PlatePoint mm(PlatePoint metres) { return {metres.x * kMm, metres.y * kMm}; }

void cross(Group &g, PlatePoint p, double size)
{
    g.circles.push_back({p, size});
    g.paths.push_back({{{p.x - 2 * size, p.y}, {p.x + 2 * size, p.y}}});
    g.paths.push_back({{{p.x, p.y - 2 * size}, {p.x, p.y + 2 * size}}});
}

// Each date's label east of the line, or west where the east is taken; one
// with no room on either side joins the date label in its way, east first
// ("1 Jun, 1 Jul").
Group dateScale(const FaceDrawing &face, double font, std::vector<LabelBox> placed)
{
    const double size = 0.7 * font, tick = 0.6 * font, gap = 0.1 * size;
    Group ticks = group("date-ticks", font / 40, kDateColour), labels = group("date-labels", font / 40, kDateColour);
    const std::size_t kept = placed.size(); // the marks' boxes, not labels of this group
    for (const DateLineDrawing &line : face.dateLines) {
        if (line.pieces.empty() || line.pieces.front().empty())
            continue;
        ticks.paths.push_back({line.pieces.front(), false, line.label});
        const double y = line.pieces.front().front().y;
        const LabelSize s = estimatedLabelSize(line.label, size);
        const auto boxOn = [&](double side) {
            return LabelBox{{side * (tick + 0.3 * font + s.width / 2), y}, s.width, s.height};
        };
        const auto inTheWay = [&](const LabelBox &box) {
            return std::find_if(placed.begin(), placed.end(), [&](const LabelBox &b) { return b.overlaps(box, gap); });
        };
        bool done = false;
        for (double side : {1.0, -1.0})
            if (!done && inTheWay(boxOn(side)) == placed.end()) {
                placed.push_back(boxOn(side));
                labels.labels.push_back({placed.back().centre, line.label, size});
                done = true;
            }
        if (done)
            continue;
        auto other = inTheWay(boxOn(1));
        if (other - placed.begin() < std::ptrdiff_t(kept))
            other = inTheWay(boxOn(-1));
        if (other - placed.begin() < std::ptrdiff_t(kept))
            continue; // marks' letters both sides: the tick alone
        Label &joined = labels.labels[std::size_t(other - placed.begin()) - kept];
        joined.text += ", " + line.label;
        const LabelSize wider = estimatedLabelSize(joined.text, size);
        const double side = joined.at.x < 0 ? -1 : 1;
        joined.at.x = side * (tick + 0.3 * font + wider.width / 2);
        *other = LabelBox{joined.at, wider.width, wider.height};
    }
    Group g = group("date-scale", font / 40, kDateColour);
    g.groups = {ticks, labels};
    return g;
}

} // namespace

PlateRect groundPlate(const DialInput &input, double, double)
{
    const double m = input.halfWidth * kMm, font = fontFor(input);
    const double dates = groundDateY(input, kMaxDeclination) * kMm;
    const double minor = std::fabs(std::sin(angles::radians(input.latitude))) * m;
    const double across = m + 3 * font, along = std::max(minor, std::fabs(dates)) + 3 * font;
    return {-across, -along, across, along};
}

std::vector<Polyline> groundDateTick(const DialInput &input, double declination)
{
    const double y = groundDateY(input, declination) * kMm, tick = 0.6 * fontFor(input);
    return {{{-tick, y}, {tick, y}}};
}

Drawing drawAnalemmaticDial(const DrawingInput &in)
{
    const FaceDrawing &face = in.faces.front();
    const GroundLayout &l = *face.layout.ground;
    const PlateRect &plate = face.input.plate;
    const double font = fontFor(face.input), pen = font / 40;
    Drawing d;

    Group outline = group("plate", pen);
    outline.paths.push_back(
        {{{plate.xMin, plate.yMin}, {plate.xMax, plate.yMin}, {plate.xMax, plate.yMax}, {plate.xMin, plate.yMax}},
         true});
    d.groups.push_back(outline);

    // The line runs past the ellipse and the date scale, short of the 12's number.
    const double reach = std::max(l.minorHalfWidth * kMm, groundDateY(face.input, kMaxDeclination) * kMm) + font / 2;
    Group meridian = group("north-south-line", pen, 0, true);
    meridian.paths.push_back({{{0, -reach}, {0, reach}}, false, "north-south"});
    d.groups.push_back(meridian);
    Group north = group("north-arrow", pen);
    const PlatePoint tip{plate.xMax - 1.5 * font, plate.yMax - font / 2};
    north.paths.push_back({{{tip.x, tip.y - 2 * font}, tip}});
    north.paths.push_back({{{tip.x - font / 3, tip.y - font / 2}, tip, {tip.x + font / 3, tip.y - font / 2}}});
    north.labels.push_back({{tip.x, tip.y - 2.6 * font}, "north", 0.7 * font});
    d.groups.push_back(north);

    Group ellipse = group("ellipse", pen);
    std::vector<PlatePoint> points;
    for (int i = 0; i < 360; ++i) {
        const double t = angles::radians(i);
        points.push_back({l.halfWidth * kMm * std::cos(t), l.minorHalfWidth * kMm * std::sin(t)});
    }
    ellipse.paths.push_back({points, true, "ellipse"});
    d.groups.push_back(ellipse);

    Group marks = group("hour-marks", pen), dots = group("hour-points", pen), numbers = group("hour-labels", pen);
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
    Group stakes = group("stakes", pen, kStakeColour);
    std::vector<LabelBox> taken;
    for (const auto &[name, y] : {std::pair<const char *, double>{"C", 0}, {"N", l.noonY * kMm}}) {
        cross(stakes, {0, y}, font / 5);
        const LabelSize s = estimatedLabelSize(name, 0.8 * font);
        taken.push_back({{-0.8 * font - s.width / 2, y}, s.width, s.height});
        stakes.labels.push_back({taken.back().centre, name, 0.8 * font});
    }
    d.groups.push_back(dateScale(face, font, taken));
    d.groups.push_back(stakes);

    Group foci = group("foci", pen / 2);
    for (double side : {-1.0, 1.0})
        cross(foci, {side * l.focus * kMm, 0}, font / 8);
    d.groups.push_back(foci);

    if (in.card)
        d.groups.push_back(drawCard(*in.card, {plate.xMax + kPartGap, plate.yMax}));
    return d;
}

} // namespace orvane::dial
