#include "dial/bifilar_report.h"

#include "dial/bifilar.h"
#include "dial/dial_kinds.h"
#include "dial/noop.h"
#include "dial/plane_report.h"

#include <algorithm>
#include <cmath>

namespace orvane::dial {

namespace {

constexpr int kMm = 2;

Value point(PlatePoint p) { return Value::list(true).add(Value::num(p.x, kMm)).add(Value::num(p.y, kMm)); }

Value pointWords(PlatePoint p) { return Value::words("(%1, %2)", {Value::num(p.x, 1), Value::num(p.y, 1)}); }

Value mm(double x) { return Value::words("%1 mm", {Value::num(x, 1)}); }

// What the x-wire's height does for the spacing of the hours.
Value spacingNote(const DialInput &input)
{
    if (evenlySpaced(input))
        return Value::words(ORVANE_NOOP("dial", "The x-wire's height spaces the hour lines evenly, 15\xC2\xB0 an hour "
                                                "around the centre"),
                            {});
    const std::optional<double> even = evenXWire(input);
    if (!even)
        return Value::words(ORVANE_NOOP("dial", "No x-wire height spaces the hour lines evenly on this face"), {});
    return Value::words(ORVANE_NOOP("dial", "The hour lines are not evenly spaced; an x-wire %1 mm above the plate "
                                            "would space them 15\xC2\xB0 an hour"),
                        {Value::num(*even, 1)});
}

// The plane dial's members, less those of a style the wires replace.
bool styleMember(const std::string &key)
{
    static const char *const keys[] = {"nodus_height_mm", "style_height_deg", "root_mm",
                                       "substyle_mm",     "gnomon",           "lean_min_per_deg"};
    return std::any_of(std::begin(keys), std::end(keys), [&key](const char *k) { return key == k; });
}

} // namespace

Report bifilarReport(const ReportInput &in)
{
    const DialFace &face = in.faces->front();
    const DialInput &input = face.input;
    Report r = planeReport(in);
    const WirePosts posts = wirePosts(face);
    const std::optional<PlatePoint> centre = face.layout.root;
    const bool even = evenlySpaced(input);
    r.notes.push_back(spacingNote(input));

    Value json = Value::record();
    json.add("wires_mm",
             Value::record(true).add("x", Value::num(input.xWire, kMm)).add("y", Value::num(input.yWire, kMm)));
    json.add("centre_mm", centre ? point(*centre) : Value());
    json.add("evenly_spaced", Value::truth(even));
    json.add("posts_mm", Value::record(true)
                             .add("x_wire", Value::list(true).add(point(posts.xWire.from)).add(point(posts.xWire.to)))
                             .add("y_wire", Value::list(true).add(point(posts.yWire.from)).add(point(posts.yWire.to))));
    for (Member &m : r.json.items) {
        if (styleMember(m.key))
            continue;
        if (m.key == "notes") {
            m.value = Value::list();
            for (const Value &note : r.notes)
                m.value.add(note);
        }
        json.add(m.key, std::move(m.value));
    }
    r.json = std::move(json);

    // The text: the wires' figures in place of the style's, the hours from
    // the centre.
    for (TextBlock &b : r.text) {
        if (b.form == TextBlock::Form::Figures) {
            std::vector<std::pair<std::string, Value>> kept;
            for (auto &f : b.figures)
                if (f.first != "nodus height" && f.first != "style height" && f.first != "root" &&
                    f.first.rfind("gnomon", 0) != 0 && f.first != "substyle")
                    kept.push_back(std::move(f));
            kept.emplace_back(
                ORVANE_NOOP("dial", "x-wire"),
                Value::words(ORVANE_NOOP("dial", "%1 above the plate, along x over y = 0, posts at %2 "
                                                 "and %3"),
                             {mm(input.xWire), pointWords(posts.xWire.from), pointWords(posts.xWire.to)}));
            kept.emplace_back(
                ORVANE_NOOP("dial", "y-wire"),
                Value::words(ORVANE_NOOP("dial", "%1 above the plate, along y over x = 0, posts at %2 "
                                                 "and %3"),
                             {mm(input.yWire), pointWords(posts.yWire.from), pointWords(posts.yWire.to)}));
            kept.emplace_back(ORVANE_NOOP("dial", "centre"),
                              centre ? pointWords(*centre)
                                     : Value::word(ORVANE_NOOP("dial", "none: the hour lines are parallel")));
            kept.emplace_back(
                ORVANE_NOOP("dial", "evenly spaced"),
                Value::word(even ? ORVANE_NOOP("dial", "yes, 15\xC2\xB0 an hour") : ORVANE_NOOP("dial", "no")));
            b.figures = std::move(kept);
        } else if (b.form == TextBlock::Form::Table && centre && b.table.title.text.find("root") != std::string::npos) {
            b.table.title =
                Value::word(ORVANE_NOOP("dial", "Hour lines (angle at the centre from the noon side of the y axis, + "
                                                "towards x)"));
        } else if (b.form == TextBlock::Form::Line && b.line.text == axesWords(*in.kind)) {
            b.line.text = ORVANE_NOOP("dial", "Millimetres on the plate from the point under the wires' crossing: x to "
                                              "the right, y up the slope.\n\n");
        }
    }
    // The lean's line: the wires' reading does not follow a style's lean.
    r.text.erase(
        std::remove_if(r.text.begin(), r.text.end(),
                       [](const TextBlock &b) { return b.form == TextBlock::Form::Line && b.line.text == kLeanLine; }),
        r.text.end());
    r.text.push_back(noteLine(r.notes.back()));
    r.leanNote = {};

    const Value x = Value::num(input.xWire, 1, Value::Form::Grouped),
                y = Value::num(input.yWire, 1, Value::Form::Grouped);
    r.headline = Value::words(ORVANE_NOOP("dial", "Wires %1 mm (x) and %2 mm (y) above the plate"), {x, y});
    r.size = Value::words(ORVANE_NOOP("dial", "wires %1 mm and %2 mm above the plate"), {x, y});
    r.gnomonNote = Value::word(ORVANE_NOOP("dial", "Stretch each wire between its posts, parallel to the plate at its "
                                                   "height; they cross over the plate's origin"));
    r.caption = Value::words(ORVANE_NOOP("dial", "Wires: x %1 mm, y %2 mm"), {x, y});
    r.figures = centre ? Value::words(ORVANE_NOOP("dial", "Centre of the hour lines: x %1, y %2 mm%3"),
                                      {Value::num(centre->x, 1, Value::Form::Grouped),
                                       Value::num(centre->y, 1, Value::Form::Grouped),
                                       Value::word(even ? ORVANE_NOOP("dial", ", 15\xC2\xB0 an hour") : "")})
                       : Value::word(ORVANE_NOOP("dial", "No centre: the hour lines are parallel."));
    r.summary = Value::words(ORVANE_NOOP("dial", "Wires %1 and %2 mm, %3."), {x, y, r.count});
    r.description = Value::words(ORVANE_NOOP("dial", "%1, wires %2 mm (x) and %3 mm (y) above the plate. %4."),
                                 {Value::word(in.kindTitle), x, y, r.count});
    return r;
}

} // namespace orvane::dial
