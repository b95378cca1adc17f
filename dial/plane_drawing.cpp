#include "dial/plane_drawing.h"
#include "dial/label_placer.h"
#include "dial/noop.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>

namespace orvane::dial {

namespace {

constexpr double kLine = 0.5;     // mm, the stroke of drawn lines
constexpr double kFine = 0.25;    // mm, marks and the substyle
constexpr double kMarkSize = 2.5; // mm, the root's and the foot's marks
constexpr double kDateFont = 0.7; // date labels' size against the hour labels'
constexpr double kLabelGap = 0.2; // labels' distance from each other and the edges, in hour-label ems
constexpr std::uint32_t kDateColour = 0x006e3c;
constexpr std::uint32_t kStyleColour = 0x960000;
constexpr double kOldFont = 0.6; // old hours' numbers against the hour labels

struct OldHoursLook {
    const char *name;
    std::uint32_t colour;
};

OldHoursLook oldHoursLook(HourSystem system)
{
    switch (system) {
    case HourSystem::Italian:
        return {"italian-hours", 0x1f4fa0};
    case HourSystem::Babylonian:
        return {"babylonian-hours", 0xa05a00};
    case HourSystem::Unequal:
        return {"unequal-hours", 0x7a1f8c};
    }
    return {"old-hours", 0};
}

Group group(const char *name, Part part, double pen, std::uint32_t colour = 0)
{
    Group g;
    g.name = name;
    g.part = part;
    g.pen.width = pen;
    g.pen.colour = colour;
    return g;
}

// A date label, "21 Jun", as its translation finds it: the day's number
// stands for %1.
[[maybe_unused]] const char *const kDayLabels[] = {
    ORVANE_NOOP("dial", "%1 Jan"), ORVANE_NOOP("dial", "%1 Feb"), ORVANE_NOOP("dial", "%1 Mar"),
    ORVANE_NOOP("dial", "%1 Apr"), ORVANE_NOOP("dial", "%1 May"), ORVANE_NOOP("dial", "%1 Jun"),
    ORVANE_NOOP("dial", "%1 Jul"), ORVANE_NOOP("dial", "%1 Aug"), ORVANE_NOOP("dial", "%1 Sep"),
    ORVANE_NOOP("dial", "%1 Oct"), ORVANE_NOOP("dial", "%1 Nov"), ORVANE_NOOP("dial", "%1 Dec")};

std::string plainMonth(int month)
{
    static const char *const names[] = {
        ORVANE_NOOP("dial", "Jan"), ORVANE_NOOP("dial", "Feb"), ORVANE_NOOP("dial", "Mar"), ORVANE_NOOP("dial", "Apr"),
        ORVANE_NOOP("dial", "May"), ORVANE_NOOP("dial", "Jun"), ORVANE_NOOP("dial", "Jul"), ORVANE_NOOP("dial", "Aug"),
        ORVANE_NOOP("dial", "Sep"), ORVANE_NOOP("dial", "Oct"), ORVANE_NOOP("dial", "Nov"), ORVANE_NOOP("dial", "Dec")};
    return names[std::clamp(month, 1, 12) - 1];
}

std::string plainNumber(double value, int decimals)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

// A circle with a cross through it.
void mark(Group &g, PlatePoint p)
{
    g.circles.push_back({p, kMarkSize});
    g.paths.push_back({{{p.x - 2 * kMarkSize, p.y}, {p.x + 2 * kMarkSize, p.y}}});
    g.paths.push_back({{{p.x, p.y - 2 * kMarkSize}, {p.x, p.y + 2 * kMarkSize}}});
}

// The mark's word beside it where it fits on the plate clear of the lines:
// below, above, then to either side and at the corners.
std::vector<LabelBox> markWord(Group &g, const PlateRect &plate, const LineObstacles &lines, PlatePoint p,
                               const std::string &word, double size)
{
    const LabelSize s = estimatedLabelSize(word, size);
    const double gap = kLabelGap * size;
    const double dy = 2 * kMarkSize + s.height, dx = 2 * kMarkSize + s.width / 2 + gap;
    const PlatePoint offsets[] = {{0, -dy}, {0, dy}, {dx, 0}, {-dx, 0}, {dx, -dy}, {-dx, -dy}, {dx, dy}, {-dx, dy}};
    for (PlatePoint o : offsets) {
        const LabelBox box{{p.x + o.x, p.y + o.y}, s.width, s.height};
        if (box.inside(plate, gap) && !lines.crosses(box, gap / 4)) {
            g.labels.push_back({box.centre, word, size});
            return {box};
        }
    }
    return {};
}

// The shape to cut, in its own millimetres: u along the substyle from where
// it enters the plate, v up from the face. The triangle root - foot - nodus
// over the part of the substyle on the plate (cut at the plate's edge when
// the root lies off it), with the style parallel to the face a strip of the
// nodus height, and with the style square to it a pin.
struct GnomonShape {
    std::vector<PlatePoint> outline;
    PlatePoint nodus; // where the date lines take the nodus to be
};

GnomonShape gnomonShape(const DialInput &input, const DialLayout &layout)
{
    const double h = input.nodusHeight;
    if (!layout.substyle)
        return {{{0, 0}, {0, h}}, {0, h}};
    const PlateSegment &s = *layout.substyle;
    if (!layout.gnomon) {
        // The whole line through the foot, which stands this far along it.
        const double length = std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
        return {{{0, 0}, {length, 0}, {length, h}, {0, h}}, {std::hypot(s.from.x, s.from.y), h}};
    }
    const Gnomon &g = *layout.gnomon;
    std::vector<PlatePoint> outline{{0, 0}, {g.cutBase, 0}, {g.cutBase, h}};
    if (g.cutEdge > 0)
        outline.push_back({0, g.cutEdge});
    return {outline, {g.cutBase, h}};
}

// The gnomon's shape and words, its left end `left` mm right of the plate's
// origin. Its own label size: the piece is cut apart from the plate.
Group drawGnomon(const DialFace &in, bool bothSides, const NumberText &number, double left)
{
    const GnomonShape shape = gnomonShape(in.input, in.layout);
    double width = 0, height = 0;
    for (PlatePoint p : shape.outline) {
        width = std::max(width, p.x);
        height = std::max(height, p.y);
    }
    const double fontSize = std::clamp(std::max(width, height) / 20, 3.0, 10.0);
    // Its top level with the plate's.
    const PlatePoint origin{left, in.input.plate.yMax - height};
    const auto at = [origin](double u, double v) { return PlatePoint{origin.x + u, origin.y + v}; };
    Group g = group("gnomon", Part::Gnomon, kLine);
    Group outline = group("gnomon-outline", Part::Gnomon, kLine);
    Path path;
    for (PlatePoint p : shape.outline)
        path.points.push_back(at(p.x, p.y));
    path.closed = shape.outline.size() > 2;
    outline.paths.push_back(path);
    g.groups.push_back(outline);

    Group words = group("gnomon-label", Part::Gnomon, kLine);
    const double line = 1.3 * fontSize;
    const std::string mm = " mm";
    const double h = in.input.nodusHeight;
    if (width > 0) {
        words.labels.push_back({at(width / 2, -line),
                                in.layout.root ? number(in.layout.styleHeight, 2) + "\xC2\xB0"
                                               : std::string(ORVANE_NOOP("dial", "style parallel to the face")),
                                fontSize});
        words.labels.push_back({at(width / 2, -2 * line), number(width, 1) + mm, fontSize});
        words.labels.push_back({at(width + fontSize / 2, std::min(height / 2, height - 2 * fontSize)),
                                number(h, 1) + mm, fontSize, Anchor::Start});
    } else {
        words.labels.push_back({at(fontSize, height / 2),
                                "Rod " + number(h, 1) + mm + (bothSides ? " out of each face" : " out of the face"),
                                fontSize, Anchor::Start});
        words.labels.push_back({at(fontSize, height / 2 - line),
                                bothSides ? ORVANE_NOOP("dial", "through the plate at the foot, square to it")
                                          : ORVANE_NOOP("dial", "square to the plate at the foot"),
                                fontSize, Anchor::Start});
    }
    if (in.layout.gnomon && in.layout.gnomon->cutEdge > 0)
        // Inside the edge: the piece's words stay within its own width.
        words.labels.push_back({at(fontSize / 2, in.layout.gnomon->cutEdge / 2),
                                number(in.layout.gnomon->cutEdge, 1) + mm, fontSize, Anchor::Start});
    g.groups.push_back(words);

    // The nodus marked where the date lines take it, when it is not a corner.
    Group nodus = group("gnomon-nodus", Part::Gnomon, kFine, kStyleColour);
    const PlatePoint n = at(shape.nodus.x, shape.nodus.y);
    if (shape.nodus.x > 1e-6 && shape.nodus.x < width - 1e-6) {
        nodus.paths.push_back({{n, {n.x, n.y - std::min(2 * fontSize, height / 2)}}});
        nodus.labels.push_back(
            {{n.x, n.y + line / 2 + fontSize / 2}, ORVANE_NOOP("dial", "Nodus, above the foot"), fontSize});
    } else if (width > 0) {
        nodus.labels.push_back(
            {{n.x + fontSize / 2, n.y - fontSize / 2}, ORVANE_NOOP("dial", "Nodus"), fontSize, Anchor::Start});
    }
    g.groups.push_back(nodus);
    return g;
}

DialLabels placeLabels(const DialFace &in, double fontSize, const std::vector<LabelBox> &keepClear,
                       const LineObstacles &obstacles)
{
    std::vector<DateLineLabel> lines;
    for (const DateLine &line : in.dateLines)
        lines.push_back({line.label, &line.pieces, line.name != "month"});
    const auto measure = [fontSize](const std::string &text, LabelKind kind) {
        return estimatedLabelSize(text, kind == LabelKind::Hour ? fontSize : kDateFont * fontSize);
    };
    return placeDialLabels(in.input.plate, in.layout, lines, measure, kLabelGap * fontSize, keepClear, obstacles);
}

// The day of the year (0 on 1 January) of each month's first.
std::vector<int> monthStarts(int daysInYear)
{
    const int lengths[] = {31, daysInYear == 366 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<int> starts{0};
    for (int m = 0; m < 11; ++m)
        starts.push_back(starts.back() + lengths[m]);
    return starts;
}

// The figure-8 whose date scale carries the months' names: the noon's, or
// the whole hour's with the most days on the plate.
const HourLine *monthsCurve(const DialLayout &layout)
{
    const HourLine *best = nullptr;
    for (const HourLine &h : layout.hourLines) {
        if (h.hour == 12)
            return &h;
        if (h.hour == std::floor(h.hour) && (!best || h.days.size() > best->days.size()))
            best = &h;
    }
    return best;
}

// A clock dial's date scale: a short tick across each figure-8 on the first
// of each month, and on one of them the months' names, beside the tick on
// the side away from the figure's middle, where they keep clear of the
// labels already placed.
Group clockMonths(const DialFace &in, double fontSize, const MonthText &month, std::vector<LabelBox> taken)
{
    Group g = group("hour-line-months", Part::Plate, kFine);
    const int daysInYear = in.input.clockSun.days;
    const std::vector<int> starts = monthStarts(daysInYear);
    const HourLine *named = monthsCurve(in.layout);
    const double tick = 0.25 * fontSize, size = 0.5 * fontSize;
    for (const HourLine &h : in.layout.hourLines) {
        std::vector<std::optional<PlatePoint>> at(std::size_t(std::max(daysInYear, 1)));
        PlatePoint middle;
        for (const ClockMark &d : h.days) {
            at[std::size_t(d.dayOfYear) % at.size()] = d.point;
            middle.x += d.point.x / double(h.days.size());
            middle.y += d.point.y / double(h.days.size());
        }
        for (std::size_t m = 0; m < starts.size(); ++m) {
            const std::size_t d = std::size_t(starts[m]);
            if (!at[d])
                continue;
            const std::optional<PlatePoint> &before = at[(d + at.size() - 1) % at.size()];
            const std::optional<PlatePoint> &after = at[(d + 1) % at.size()];
            const PlatePoint a = before.value_or(*at[d]), b = after.value_or(*at[d]);
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            if (length < 1e-9)
                continue;
            PlatePoint n{-(b.y - a.y) / length, (b.x - a.x) / length};
            const PlatePoint p = *at[d];
            if (n.x * (p.x - middle.x) + n.y * (p.y - middle.y) < 0)
                n = {-n.x, -n.y};
            g.paths.push_back({{{p.x - tick * n.x, p.y - tick * n.y}, {p.x + tick * n.x, p.y + tick * n.y}}});
            if (&h != named)
                continue;
            const std::string text = month(int(m) + 1);
            const LabelSize s = estimatedLabelSize(text, size);
            const double off = tick + (s.width * std::fabs(n.x) + s.height * std::fabs(n.y)) / 2 + 0.1 * size;
            const LabelBox box{{p.x + off * n.x, p.y + off * n.y}, s.width, s.height};
            if (!box.inside(in.input.plate) ||
                std::any_of(taken.begin(), taken.end(), [&box](const LabelBox &t) { return t.overlaps(box); }))
                continue;
            taken.push_back(box);
            g.labels.push_back({box.centre, text, size});
        }
    }
    // Which half of the year is which, under the plate.
    const PlateRect &plate = in.input.plate;
    g.labels.push_back(
        {{(plate.xMin + plate.xMax) / 2, plate.yMin - (in.name.empty() ? 1.0 : 2.2) * fontSize},
         ORVANE_NOOP("dial", "Solid: December to June; dashed: June to December. Ticks: the first of each month"),
         kDateFont * fontSize});
    return g;
}

// One system's lines in its colour, each numbered beside its end farther
// from the foot, on a side where the number stays on the plate.
Group drawOldHours(const OldHours &hours, const PlateRect &plate, double fontSize)
{
    const OldHoursLook look = oldHoursLook(hours.system);
    Group g = group(look.name, Part::Plate, kFine, look.colour);
    Group paths = group((std::string(look.name) + "-paths").c_str(), Part::Plate, kFine, look.colour);
    Group labels = group((std::string(look.name) + "-labels").c_str(), Part::Plate, kFine, look.colour);
    const double size = kOldFont * fontSize;
    for (const OldHourLine &line : hours.lines) {
        for (const Polyline &piece : line.pieces)
            paths.paths.push_back({piece, false, line.label});
        // The end farther from the foot, where the lines spread apart.
        const Polyline &first = line.pieces.front(), &last = line.pieces.back();
        const bool atLast = std::hypot(last.back().x, last.back().y) >= std::hypot(first.front().x, first.front().y);
        const Polyline &piece = atLast ? last : first;
        const PlatePoint end = atLast ? piece.back() : piece.front();
        const PlatePoint before = atLast ? piece[piece.size() - 2] : piece[1];
        const double length = std::hypot(end.x - before.x, end.y - before.y);
        if (length <= 0)
            continue;
        const PlatePoint along{(end.x - before.x) / length, (end.y - before.y) / length};
        const LabelSize s = estimatedLabelSize(line.label, size);
        const double back = s.height / 2 + 0.3 * size;
        const double aside = (s.width * std::fabs(along.y) + s.height * std::fabs(along.x)) / 2 + 0.2 * size;
        PlatePoint at{end.x - back * along.x, end.y - back * along.y};
        for (double side : {1.0, -1.0}) {
            const LabelBox box{{at.x - side * aside * along.y, at.y + side * aside * along.x}, s.width, s.height};
            if (box.inside(plate)) {
                at = box.centre;
                break;
            }
        }
        labels.labels.push_back({at, line.label, size});
    }
    g.groups = {paths, labels};
    return g;
}

} // namespace

double plateFontSize(const PlateRect &plate)
{
    return std::clamp(std::min(plate.width(), plate.height()) / 30, 3.0, 40.0);
}

namespace {

// One face's plate, hour lines, marks and date lines, in its own plate millimetres.
// A further face is the back of the first face's plate: its outline is
// there to engrave by, not a second plate to cut.
std::vector<Group> drawFace(const DialFace &in, double fontSize, bool back, const MonthText &month)
{
    const PlateRect &plate = in.input.plate;
    const DialLayout &layout = in.layout;
    std::vector<Group> out;

    Group outline = group(back ? "back-of-plate" : "plate", Part::Plate, kLine);
    outline.paths.push_back(
        {{{plate.xMin, plate.yMax}, {plate.xMax, plate.yMax}, {plate.xMax, plate.yMin}, {plate.xMin, plate.yMin}},
         true});
    // Which face this is, under the plate, when the dial has more than one.
    if (!in.name.empty())
        outline.labels.push_back({{(plate.xMin + plate.xMax) / 2, plate.yMin - fontSize},
                                  std::string(1, char(std::toupper(static_cast<unsigned char>(in.name[0])))) +
                                      in.name.substr(1) + (back ? " face, on the back of the same plate" : " face"),
                                  fontSize});
    out.push_back(outline);

    // The marks and their words first: the labels keep clear of them. No
    // label crosses a line.
    std::vector<const Polyline *> datePieces;
    for (const DateLine &line : in.dateLines)
        for (const Polyline &piece : line.pieces)
            datePieces.push_back(&piece);
    const LineObstacles lines = dialLines(plate, layout, datePieces, 2 * fontSize);
    const double wordSize = kDateFont * fontSize;
    std::vector<LabelBox> keepClear{{{0, 0}, 4 * kMarkSize, 4 * kMarkSize}};
    Group foot = group("nodus-foot", Part::Plate, kFine);
    mark(foot, {0, 0});
    for (const LabelBox &b : markWord(foot, plate, lines, {0, 0}, ORVANE_NOOP("dial", "Foot"), wordSize))
        keepClear.push_back(b);
    Group root = group("root", Part::Plate, kFine, kStyleColour);
    // A root on the foot (a style square to the face) is the foot's mark.
    const bool rootApart = layout.root && std::hypot(layout.root->x, layout.root->y) > kMarkSize;
    if (rootApart && plate.contains(*layout.root)) {
        mark(root, *layout.root);
        keepClear.push_back({*layout.root, 4 * kMarkSize, 4 * kMarkSize});
        for (const LabelBox &b : markWord(root, plate, lines, *layout.root, ORVANE_NOOP("dial", "Root"), wordSize))
            keepClear.push_back(b);
    }
    const DialLabels labels = placeLabels(in, fontSize, keepClear, lines);

    Group hours = group("hour-lines", Part::Plate, kLine);
    Group hourPaths = group("hour-line-paths", Part::Plate, kLine);
    // A clock dial's figure-8s: the half from June to December dashed, so
    // that the two halves are told apart where they cross.
    Group latePaths = group("hour-line-late-paths", Part::Plate, kLine);
    latePaths.pen.dashed = true;
    for (const HourLine &h : layout.hourLines) {
        if (h.curve.empty())
            hourPaths.paths.push_back({{h.line.from, h.line.to}, false, h.label});
        for (std::size_t i = 0; i < h.curve.size(); ++i)
            (i < h.risingPieces ? hourPaths : latePaths).paths.push_back({h.curve[i], false, h.label});
    }
    Group hourLabels = group("hour-labels", Part::Plate, kLine);
    for (const PlacedLabel &l : labels.hours)
        hourLabels.labels.push_back({l.box.centre, l.text, fontSize});
    hours.groups = {hourPaths, hourLabels};
    // Left out, the equal hours keep their group: a reader finds it empty.
    if (!in.equalHours)
        hours.groups = {group("hour-line-paths", Part::Plate, kLine), group("hour-labels", Part::Plate, kLine)};
    if (layout.clockYear) {
        std::vector<LabelBox> taken = keepClear;
        for (const PlacedLabel &l : labels.hours)
            taken.push_back(l.box);
        for (const PlacedLabel &l : labels.dates)
            taken.push_back(l.box);
        hours.groups.push_back(latePaths);
        hours.groups.push_back(clockMonths(in, fontSize, month, taken));
    }
    out.push_back(hours);

    Group substyle = group("substyle", Part::Plate, kFine, kStyleColour);
    substyle.pen.dashed = true;
    if (layout.substyle)
        substyle.paths.push_back({{layout.substyle->from, layout.substyle->to}});
    out.push_back(substyle);
    out.push_back(root);
    out.push_back(foot);

    Group dates = group("date-lines", Part::Plate, kFine, kDateColour);
    Group datePaths = group("date-line-paths", Part::Plate, kFine, kDateColour);
    for (const DateLine &line : in.dateLines)
        for (const Polyline &piece : line.pieces)
            if (piece.size() > 1)
                datePaths.paths.push_back({piece, false, line.label});
    Group dateLabels = group("date-labels", Part::Plate, kFine, kDateColour);
    for (const PlacedLabel &l : labels.dates)
        dateLabels.labels.push_back({l.box.centre, l.text, kDateFont * fontSize});
    dates.groups = {datePaths, dateLabels};
    out.push_back(dates);
    for (const OldHours &old : in.oldHours)
        out.push_back(drawOldHours(old, plate, fontSize));
    return out;
}

// Moved right by `dx` mm, its names (and its children's) ending in "-suffix".
void shift(Group &g, double dx, const std::string &suffix)
{
    g.name += "-" + suffix;
    for (Path &p : g.paths)
        for (PlatePoint &q : p.points)
            q.x += dx;
    for (Circle &c : g.circles)
        c.centre.x += dx;
    for (Label &l : g.labels)
        l.at.x += dx;
    for (Group &child : g.groups)
        shift(child, dx, suffix);
}

} // namespace

Drawing drawPlaneDial(const DrawingInput &in)
{
    const NumberText number = in.number ? in.number : NumberText(plainNumber);
    const DialFace &first = in.faces.front();
    const PlateRect &plate = first.input.plate;
    const double fontSize = plateFontSize(plate);
    Drawing d;
    const MonthText month = in.month ? in.month : MonthText(plainMonth);
    d.groups = drawFace(first, fontSize, false, month);
    double right = plate.xMax;
    for (std::size_t i = 1; i < in.faces.size(); ++i) {
        const DialFace &face = in.faces[i];
        const double dx = right + kPartGap - face.input.plate.xMin;
        for (Group g : drawFace(face, plateFontSize(face.input.plate), true, month)) {
            shift(g, dx, face.name);
            d.groups.push_back(g);
        }
        right = face.input.plate.xMax + dx;
    }

    const Group gnomon = drawGnomon(first, in.faces.size() > 1, number, right + kPartGap);
    d.groups.push_back(gnomon);
    if (in.card) {
        const PlateRect g = bounds(gnomon);
        d.groups.push_back(drawCard(*in.card, {std::max(g.xMax, right) + kPartGap, plate.yMax}));
    }
    return d;
}

} // namespace orvane::dial
