#include "dial/plane_drawing.h"
#include "dial/label_placer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace orvane::dial {

namespace {

constexpr double kLine = 0.5;     // mm, the stroke of drawn lines
constexpr double kFine = 0.25;    // mm, marks and the substyle
constexpr double kMarkSize = 2.5; // mm, the root's and the foot's marks
constexpr double kDateFont = 0.7; // date labels' size against the hour labels'
constexpr double kLabelGap = 0.2; // labels' distance from each other and the edges, in hour-label ems
constexpr std::uint32_t kDateColour = 0x006e3c;
constexpr std::uint32_t kStyleColour = 0x960000;

Group group(const char *name, Part part, double pen, std::uint32_t colour = 0)
{
    Group g;
    g.name = name;
    g.part = part;
    g.pen.width = pen;
    g.pen.colour = colour;
    return g;
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

// The mark's word beside it, below or else above, where it fits on the plate.
std::vector<LabelBox> markWord(Group &g, const PlateRect &plate, PlatePoint p, const std::string &word, double size)
{
    const LabelSize s = estimatedLabelSize(word, size);
    for (double side : {-1.0, 1.0}) {
        const LabelBox box{{p.x, p.y + side * (2 * kMarkSize + s.height)}, s.width, s.height};
        if (box.inside(plate, kLabelGap * size)) {
            g.labels.push_back({box.centre, word, size});
            return {box};
        }
    }
    return {};
}

// The shape to cut: the triangle root - foot - nodus over the part of the
// substyle that lies on the plate (a trapezoid when the root lies off it),
// or with the style parallel to the face a strip of the nodus height. In
// its own millimetres: u along the substyle from where it enters the plate,
// v up from the face.
std::vector<PlatePoint> gnomonShape(const DialInput &input, const DialLayout &layout)
{
    const double h = input.nodusHeight;
    if (!layout.substyle)
        return {{0, 0}, {0, h}}; // a pin standing square to the face
    const PlateSegment &s = *layout.substyle;
    if (!layout.root) {
        const double length = std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
        return {{0, 0}, {length, 0}, {length, h}, {0, h}};
    }
    const double base = layout.gnomon->base;
    const double enter = std::hypot(s.from.x - layout.root->x, s.from.y - layout.root->y);
    std::vector<PlatePoint> shape{{0, 0}, {base - enter, 0}, {base - enter, h}};
    if (enter > 1e-6)
        shape.push_back({0, enter * h / base});
    return shape;
}

// The gnomon's shape and words, its left end `left` mm right of the plate's origin.
Group drawGnomon(const FaceDrawing &in, const NumberText &number, double left, double fontSize)
{
    const std::vector<PlatePoint> shape = gnomonShape(in.input, in.layout);
    double width = 0, height = 0;
    for (PlatePoint p : shape) {
        width = std::max(width, p.x);
        height = std::max(height, p.y);
    }
    // Its top level with the plate's.
    const PlatePoint origin{left, in.input.plate.yMax - height};
    const auto at = [origin](double u, double v) { return PlatePoint{origin.x + u, origin.y + v}; };
    Group g = group("gnomon", Part::Gnomon, kLine);
    Group outline = group("gnomon-outline", Part::Gnomon, kLine);
    Path path;
    for (PlatePoint p : shape)
        path.points.push_back(at(p.x, p.y));
    path.closed = shape.size() > 2;
    outline.paths.push_back(path);
    g.groups.push_back(outline);

    Group words = group("gnomon-label", Part::Gnomon, kLine);
    const double line = 1.3 * fontSize;
    words.labels.push_back(
        {at(width / 2, -line),
         in.layout.root ? number(in.layout.styleHeight, 2) + "\xC2\xB0" : std::string("style parallel to the face"),
         fontSize});
    if (width > 0)
        words.labels.push_back({at(width / 2, -2 * line), number(width, 1) + " mm", fontSize});
    words.labels.push_back({at(width + fontSize / 2, std::min(height / 2, height - 2 * fontSize)),
                            number(in.input.nodusHeight, 1) + " mm", fontSize, Anchor::Start});
    words.labels.push_back({at(width + fontSize / 2, height - fontSize / 2), "Nodus", fontSize, Anchor::Start});
    g.groups.push_back(words);
    return g;
}

DialLabels placeLabels(const FaceDrawing &in, double fontSize, const std::vector<LabelBox> &keepClear)
{
    std::vector<DateLineLabel> lines;
    for (const DateLineDrawing &line : in.dateLines)
        lines.push_back({line.label, &line.pieces});
    const auto measure = [fontSize](const std::string &text, LabelKind kind) {
        return estimatedLabelSize(text, kind == LabelKind::Hour ? fontSize : kDateFont * fontSize);
    };
    return placeDialLabels(in.input.plate, in.layout, lines, measure, kLabelGap * fontSize, keepClear);
}

} // namespace

double plateFontSize(const PlateRect &plate)
{
    return std::clamp(std::min(plate.width(), plate.height()) / 30, 3.0, 40.0);
}

namespace {

// One face's plate, hour lines, marks and date lines, in its own plate millimetres.
std::vector<Group> drawFace(const FaceDrawing &in, double fontSize)
{
    const PlateRect &plate = in.input.plate;
    const DialLayout &layout = in.layout;
    std::vector<Group> out;

    Group outline = group("plate", Part::Plate, kLine);
    outline.paths.push_back(
        {{{plate.xMin, plate.yMax}, {plate.xMax, plate.yMax}, {plate.xMax, plate.yMin}, {plate.xMin, plate.yMin}},
         true});
    // Which face this is, under the plate, when the dial has more than one.
    if (!in.name.empty())
        outline.labels.push_back(
            {{(plate.xMin + plate.xMax) / 2, plate.yMin - fontSize},
             std::string(1, char(std::toupper(static_cast<unsigned char>(in.name[0])))) + in.name.substr(1) + " face",
             fontSize});
    out.push_back(outline);

    // The marks and their words first: the labels keep clear of them.
    const double wordSize = kDateFont * fontSize;
    std::vector<LabelBox> keepClear{{{0, 0}, 4 * kMarkSize, 4 * kMarkSize}};
    Group foot = group("nodus-foot", Part::Plate, kFine);
    mark(foot, {0, 0});
    for (const LabelBox &b : markWord(foot, plate, {0, 0}, "Foot", wordSize))
        keepClear.push_back(b);
    Group root = group("root", Part::Plate, kFine, kStyleColour);
    // A root on the foot (a style square to the face) is the foot's mark.
    const bool rootApart = layout.root && std::hypot(layout.root->x, layout.root->y) > kMarkSize;
    if (rootApart && plate.contains(*layout.root)) {
        mark(root, *layout.root);
        keepClear.push_back({*layout.root, 4 * kMarkSize, 4 * kMarkSize});
        for (const LabelBox &b : markWord(root, plate, *layout.root, "Root", wordSize))
            keepClear.push_back(b);
    }
    const DialLabels labels = placeLabels(in, fontSize, keepClear);

    Group hours = group("hour-lines", Part::Plate, kLine);
    Group hourPaths = group("hour-line-paths", Part::Plate, kLine);
    for (const HourLine &h : layout.hourLines)
        hourPaths.paths.push_back({{h.line.from, h.line.to}, false, h.label});
    Group hourLabels = group("hour-labels", Part::Plate, kLine);
    for (const PlacedLabel &l : labels.hours)
        hourLabels.labels.push_back({l.box.centre, l.text, fontSize});
    hours.groups = {hourPaths, hourLabels};
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
    for (const DateLineDrawing &line : in.dateLines)
        for (const Polyline &piece : line.pieces)
            if (piece.size() > 1)
                datePaths.paths.push_back({piece, false, line.label});
    Group dateLabels = group("date-labels", Part::Plate, kFine, kDateColour);
    for (const PlacedLabel &l : labels.dates)
        dateLabels.labels.push_back({l.box.centre, l.text, kDateFont * fontSize});
    dates.groups = {datePaths, dateLabels};
    out.push_back(dates);
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
    const FaceDrawing &first = in.faces.front();
    const PlateRect &plate = first.input.plate;
    const double fontSize = plateFontSize(plate);
    Drawing d;
    d.groups = drawFace(first, fontSize);
    double right = plate.xMax;
    for (std::size_t i = 1; i < in.faces.size(); ++i) {
        const FaceDrawing &face = in.faces[i];
        const double dx = right + kPartGap - face.input.plate.xMin;
        for (Group g : drawFace(face, plateFontSize(face.input.plate))) {
            shift(g, dx, face.name);
            d.groups.push_back(g);
        }
        right = face.input.plate.xMax + dx;
    }

    const Group gnomon = drawGnomon(first, number, right + kPartGap, fontSize);
    d.groups.push_back(gnomon);
    if (in.card) {
        const PlateRect g = bounds(gnomon);
        d.groups.push_back(drawCard(*in.card, {std::max(g.xMax, right) + kPartGap, plate.yMax}));
    }
    return d;
}

} // namespace orvane::dial
