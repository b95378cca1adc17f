#include "dial/bifilar_drawing.h"
#include "dial/noop.h"

#include "dial/bifilar.h"
#include "dial/moment_drawing.h"
#include "dial/plate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace orvane::dial {

namespace {

constexpr double kLine = 0.5;  // mm
constexpr double kFine = 0.25; // mm
constexpr std::uint32_t kWireColour = 0x960000;
constexpr std::uint32_t kShadowColour = 0x303030;
constexpr double kEndless = std::numeric_limits<double>::infinity();

Group group(const char *name, Part part, double pen, std::uint32_t colour = 0, bool dashed = false)
{
    Group g;
    g.name = name;
    g.part = part;
    g.pen = {pen, dashed, colour};
    return g;
}

std::string plainNumber(double value, int decimals)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

double length(const PlateSegment &s) { return std::hypot(s.to.x - s.from.x, s.to.y - s.from.y); }

// Each wire over the plate between its posts, the posts as rings.
Group wiresOnPlate(const DialFace &face, const WirePosts &posts, double fontSize)
{
    Group g = group("wires", Part::Plate, kFine, kWireColour);
    Group lines = group("wire-lines", Part::Plate, kFine, kWireColour, true);
    Group rings = group("wire-posts", Part::Plate, kFine, kWireColour);
    for (const PlateSegment &s : {posts.xWire, posts.yWire}) {
        lines.paths.push_back({{s.from, s.to}});
        for (PlatePoint p : {s.from, s.to})
            rings.circles.push_back({p, fontSize / 3});
    }
    const std::string mm = " mm";
    // Each beside its first post, inside the plate.
    const double small = fontSize * 0.8;
    rings.labels.push_back({{posts.xWire.from.x + fontSize / 2, posts.xWire.from.y - fontSize},
                            "x-wire " + plainNumber(face.input.xWire, 1) + mm,
                            small,
                            Anchor::Start});
    rings.labels.push_back({{posts.yWire.from.x + fontSize / 2, posts.yWire.from.y + fontSize},
                            "y-wire " + plainNumber(face.input.yWire, 1) + mm,
                            small,
                            Anchor::Start});
    g.groups.push_back(lines);
    g.groups.push_back(rings);
    return g;
}

// Each wire seen from the side, full size: the plate's line, the two posts
// and the wire at its height, its top level with the plate's.
Group wireElevations(const DialFace &face, const WirePosts &posts, const NumberText &number, double left)
{
    const double top = face.input.plate.yMax;
    const double fontSize = std::clamp(std::max(length(posts.xWire), length(posts.yWire)) / 30, 3.0, 10.0);
    Group g = group("wire-elevations", Part::Gnomon, kLine);
    double y = top;
    const std::string mm = " mm";
    const struct {
        const char *name;
        const char *along;
        double height;
        PlateSegment posts;
        double first, second; // the posts' places along the wire's axis
    } wires[] = {{"x-wire", "x", face.input.xWire, posts.xWire, posts.xWire.from.x, posts.xWire.to.x},
                 {"y-wire", "y", face.input.yWire, posts.yWire, posts.yWire.from.y, posts.yWire.to.y}};
    for (const auto &w : wires) {
        const double span = w.second - w.first;
        const double base = y - w.height - 2 * fontSize;
        const PlatePoint a{left, base}, b{left + span, base};
        g.paths.push_back({{{a.x - fontSize, base}, {b.x + fontSize, base}}});
        g.paths.push_back({{a, {a.x, base + w.height + fontSize}}});
        g.paths.push_back({{b, {b.x, base + w.height + fontSize}}});
        g.paths.push_back({{{a.x, base + w.height}, {b.x, base + w.height}}, false, w.name});
        g.labels.push_back({{left + span / 2, base + w.height + fontSize},
                            std::string(w.name) + ", " + number(w.height, 1) + mm + " above the plate",
                            fontSize});
        g.labels.push_back({{left + span / 2, base - fontSize},
                            "posts " + number(span, 1) + mm + " apart, at " + w.along + " " + number(w.first, 1) +
                                " and " + number(w.second, 1) + mm,
                            fontSize});
        y = base - 3 * fontSize;
    }
    return g;
}

} // namespace

Drawing drawBifilar(const DrawingInput &in)
{
    DrawingInput plain = in;
    plain.card = nullptr;
    Drawing d = drawPlaneDial(plain);
    const DialFace &face = in.faces.front();
    // No style: the plane dial's gnomon makes way for the wires' page, and
    // its root is the hour lines' centre.
    d.groups.erase(
        std::remove_if(d.groups.begin(), d.groups.end(), [](const Group &g) { return g.part == Part::Gnomon; }),
        d.groups.end());
    for (Group &g : d.groups)
        for (Label &l : g.labels)
            if (g.name == "root")
                l.text = ORVANE_NOOP("dial", "Centre");
            else if (g.name == "nodus-foot")
                l.text = ORVANE_NOOP("dial", "Wires cross above");
    const WirePosts posts = wirePosts(face);
    const NumberText number = in.number ? in.number : NumberText(plainNumber);
    d.groups.push_back(wiresOnPlate(face, posts, plateFontSize(face.input.plate)));
    const Group page = wireElevations(face, posts, number, face.input.plate.xMax + kPartGap);
    d.groups.push_back(page);
    if (in.card)
        d.groups.push_back(drawCard(*in.card, {bounds(page).xMax + kPartGap, face.input.plate.yMax}));
    return d;
}

Drawing bifilarMoment(const DialFace &face, Vec3 sun)
{
    if (!sunLights(face, sun))
        return {};
    const PlateRect &plate = face.input.plate;
    const double size = plateFontSize(plate);
    const PlatePoint spot = bifilarCrossing(face.input, sun);
    Group shadow = group("moment-shadow", Part::Plate, size / 5, kShadowColour);
    Group dot = group("moment-spot", Part::Plate, size / 5, kShadowColour);
    for (PlatePoint along : {PlatePoint{1, 0}, PlatePoint{0, 1}})
        if (const std::optional<PlateSegment> s = clipToPlate(plate, spot, along, -kEndless, kEndless))
            shadow.paths.push_back({{s->from, s->to}, false, "shadow"});
    if (plate.contains(spot))
        dot.circles.push_back({spot, size / 3});
    Drawing d;
    for (Group *g : {&shadow, &dot})
        if (!g->paths.empty() || !g->circles.empty())
            d.groups.push_back(std::move(*g));
    return d;
}

} // namespace orvane::dial
