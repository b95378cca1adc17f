#include "dial/noon_mark_drawing.h"
#include "dial/noop.h"

#include "dial/clock_shadow.h"
#include "dial/face_frame.h"
#include "dial/label_placer.h"
#include "dial/noon_mark.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane::dial {

namespace {

constexpr double kMm = 1000;
constexpr std::uint32_t kCurveColour = 0x8a4b00;
constexpr std::uint32_t kDateColour = 0x006e3c;
constexpr std::uint32_t kSpotColour = 0xb8860b;
constexpr std::uint32_t kFootColour = 0x960000;

PlatePoint mm(PlatePoint metres) { return {metres.x * kMm, metres.y * kMm}; }
PlatePoint plus(PlatePoint a, PlatePoint b, double k = 1) { return {a.x + k * b.x, a.y + k * b.y}; }

// What the layout reaches (mm): the foot, the line and each spot whole.
PlateRect reach(const NoonMarkLayout &l)
{
    PlateRect r;
    if (l.meridian) {
        r.include(mm(l.meridian->from));
        r.include(mm(l.meridian->to));
    }
    for (const NoonMarkDay &d : l.days) {
        const double half = d.spot.lengthMm / 2;
        r.include(plus(mm(d.at), d.spotAxis, half));
        r.include(plus(mm(d.at), d.spotAxis, -half));
    }
    return r;
}

// Labels grow with the drawing: a fortieth of its longer side, legible
// on a staking plan that fits it on a page.
double fontFor(const PlateRect &r) { return std::clamp(std::max(r.width(), r.height()) / 40, 3.0, 250.0); }

// The spot's outer edge: the sun's ellipse through a point widened all
// round by the hole's radius (the two axes from spotSize).
Path spotOutline(const NoonMarkDay &d, double diameterMm)
{
    const double a = (d.spot.lengthMm - diameterMm) / 2, b = (d.spot.widthMm - diameterMm) / 2, r = diameterMm / 2;
    const PlatePoint u = d.spotAxis, v{-u.y, u.x}, c = mm(d.at);
    std::vector<PlatePoint> points;
    for (int i = 0; i < 72; ++i) {
        const double t = i * 2 * std::numbers::pi / 72, ca = std::cos(t), sa = std::sin(t);
        const double nx = b * ca, ny = a * sa, n = std::hypot(nx, ny);
        const double x = a * ca + r * nx / n, y = b * sa + r * ny / n;
        points.push_back({c.x + x * u.x + y * v.x, c.y + x * u.y + y * v.y});
    }
    return {points, true, d.date};
}

} // namespace

PlateRect noonMarkPlate(const DialInput &input, double, double)
{
    PlateRect r = reach(layoutNoonMark(input));
    const double font = fontFor(r);
    return {r.xMin - 6 * font, r.yMin - 3 * font, r.xMax + 6 * font, r.yMax + 3 * font};
}

std::vector<Polyline> noDateLine(const DialInput &, double) { return {}; }

Drawing drawNoonMark(const DrawingInput &in)
{
    const DialFace &face = in.faces.front();
    const NoonMarkLayout &l = *face.layout.noonMark;
    const PlateRect &plate = face.input.plate;
    const double font = fontFor(reach(l)), pen = font / 40;
    Drawing d;

    Group outline = plateGroup("plate", pen / 2);
    outline.paths.push_back(
        {{{plate.xMin, plate.yMin}, {plate.xMax, plate.yMin}, {plate.xMax, plate.yMax}, {plate.xMin, plate.yMax}},
         true});
    d.groups.push_back(outline);

    LineObstacles lines(plate, 4 * font);
    std::vector<LabelBox> taken;

    Group foot = plateGroup("foot", pen, kFootColour);
    foot.circles.push_back({{0, 0}, font / 5});
    foot.paths.push_back({{{-font, 0}, {font, 0}}});
    foot.paths.push_back({{{0, -font}, {0, font}}});
    const LabelSize fs = estimatedLabelSize("F", 0.8 * font);
    foot.labels.push_back({{-1.4 * font, 0.7 * font}, "F", 0.8 * font});
    taken.push_back({foot.labels.back().at, fs.width, fs.height});
    taken.push_back({{0, 0}, 2 * font, 2 * font});

    Group meridian = plateGroup("meridian-line", pen);
    if (l.meridian) {
        const PlatePoint a = mm(l.meridian->from), b = mm(l.meridian->to);
        meridian.paths.push_back({{a, b}, false, "true noon"});
        lines.add(a, b);
        // Its name beside the far end, across the line from the figure-8's middle.
        const LabelSize s = estimatedLabelSize("true noon", 0.7 * font);
        const PlatePoint at = plus(b, l.alongDir, 0.8 * font + s.height);
        meridian.labels.push_back({at, ORVANE_NOOP("dial", "true noon"), 0.7 * font});
        taken.push_back({at, s.width, s.height});
    }
    d.groups.push_back(meridian);

    // The figure-8 through every day's spot, the low days' too.
    DialInput curveInput = face.input;
    const std::vector<ClockDay> days = clockDays(curveInput, l.markHours);
    Group curve = plateGroup("figure-8", 1.5 * pen, kCurveColour);
    for (Polyline &piece : clockCurve(curveInput, days, plate, font / 4)) {
        lines.add(piece);
        curve.paths.push_back({std::move(piece), false, clockText(l.markHours)});
    }
    d.groups.push_back(curve);

    // Each marked day's tick across the curve, its label beyond on the side
    // away from the other days, or the other side, else left out.
    double meanAcross = 0;
    for (const NoonMarkDay &day : l.days)
        meanAcross += day.across / double(l.days.size());
    Group ticks = plateGroup("date-ticks", pen, kDateColour), labels = plateGroup("date-labels", pen, kDateColour);
    for (std::size_t i = 0; i < l.days.size(); ++i) {
        const NoonMarkDay &day = l.days[i];
        if (day.label.empty())
            continue;
        const PlatePoint p = mm(day.at);
        const PlatePoint prev = mm(l.days[i == 0 ? i : i - 1].at),
                         next = mm(l.days[std::min(i + 1, l.days.size() - 1)].at);
        PlatePoint normal{-(next.y - prev.y), next.x - prev.x};
        const double n = std::hypot(normal.x, normal.y);
        normal = n > 0 ? PlatePoint{normal.x / n, normal.y / n} : l.acrossDir;
        const double outward =
            (day.across >= meanAcross ? 1 : -1) * (normal.x * l.acrossDir.x + normal.y * l.acrossDir.y >= 0 ? 1 : -1);
        ticks.paths.push_back({{plus(p, normal, -0.3 * font), plus(p, normal, 0.3 * font)}, false, day.label});
        const double size = 0.6 * font;
        const LabelSize s = estimatedLabelSize(day.label, size);
        bool placed = false;
        for (int step = 0; step < 8 && !placed; ++step)
            for (double side : {outward, -outward}) {
                const double out = 0.5 * font + step * 0.4 * font;
                // The box's near edge `out` from the point, along the normal.
                const double half = std::fabs(normal.x) * s.width / 2 + std::fabs(normal.y) * s.height / 2;
                const LabelBox box{plus(p, normal, side * (out + half)), s.width, s.height};
                const bool clear = box.inside(plate) && !lines.crosses(box, 0.1 * size) &&
                                   std::none_of(taken.begin(), taken.end(),
                                                [&](const LabelBox &o) { return o.overlaps(box, 0.1 * size); });
                if (clear) {
                    labels.labels.push_back({box.centre, day.label, size});
                    taken.push_back(box);
                    placed = true;
                    break;
                }
            }
    }
    d.groups.push_back(ticks);
    d.groups.push_back(labels);

    // The spot to scale where the year turns: the solstices and equinoxes.
    Group spots = plateGroup("spots", pen / 2, kSpotColour);
    for (const NoonMarkDay &day : l.days)
        if (day.turning)
            spots.paths.push_back(spotOutline(day, l.apertureDiameter));
    d.groups.push_back(spots);
    d.groups.push_back(foot);

    // Which way is north on a floor, up on anything else.
    const FaceFrame f = faceFrame(face.input);
    const bool level = face.input.tilt == 0;
    PlatePoint to = onPlate(f, level ? Vec3{0, 1, 0} : Vec3{0, 0, 1});
    const double tn = std::hypot(to.x, to.y);
    if (tn > 1e-9) {
        to = {to.x / tn, to.y / tn};
        Group arrow = plateGroup("direction", pen);
        const PlatePoint base{plate.xMax - 2 * font - to.x * font, plate.yMax - 2.5 * font - to.y * font};
        const PlatePoint tip = plus(base, to, 2 * font), side{-to.y, to.x};
        arrow.paths.push_back({{base, tip}});
        arrow.paths.push_back({{plus(plus(tip, to, -0.5 * font), side, 0.3 * font), tip,
                                plus(plus(tip, to, -0.5 * font), side, -0.3 * font)}});
        arrow.labels.push_back({plus(base, to, -0.6 * font),
                                level ? ORVANE_NOOP("dial", "north") : ORVANE_NOOP("dial", "up"), 0.7 * font});
        d.groups.push_back(arrow);
    }

    if (in.card)
        d.groups.push_back(drawCard(*in.card, {plate.xMax + kPartGap, plate.yMax}));
    return d;
}

Drawing noonMarkMoment(const DialFace &face, Vec3 sun)
{
    const std::optional<NoonMarkDay> now = spotAt(face.input, faceFrame(face.input), sun);
    if (!now)
        return {};
    Group spot = plateGroup("moment-spot", fontFor(face.input.plate) / 8, 0x303030);
    spot.paths.push_back(spotOutline(*now, face.input.apertureDiameter));
    Drawing d;
    d.groups.push_back(std::move(spot));
    return d;
}

} // namespace orvane::dial
