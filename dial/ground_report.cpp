#include "dial/ground_report.h"
#include "dial/analemmatic.h"

#include <cmath>

namespace orvane::dial {

namespace {

// Ground positions to the millimetre.
constexpr int kM = 3;
constexpr double kTallPerson = 1.8; // m

const char *sideName(int side) { return side > 0 ? "east" : side < 0 ? "west" : "meridian"; }
const char *sideWord(int side) { return side > 0 ? "east" : side < 0 ? "west" : "on the line"; }

Value metres(double m) { return Value::num(m, 2, Value::Form::Metres); }
Value pair(double a, double b) { return Value::list(true).add(Value::num(a, kM)).add(Value::num(b, kM)); }

TextBlock line(std::string text) { return {TextBlock::Form::Line, std::move(text), {}, {}, {}}; }
TextBlock table(std::string title, std::vector<std::string> headings)
{
    return {TextBlock::Form::Table, {}, {}, {std::move(title), std::move(headings), {}}, {}};
}

Value json(const ReportInput &in, const GroundLayout &g, double noon)
{
    const DialFace &face = in.faces->front();
    Value j = Value::record();
    j.add("half_width_m", Value::num(g.halfWidth, kM));
    j.add("minor_half_width_m", Value::num(g.minorHalfWidth, kM));
    j.add("dial_time", Value::word(in.dialTime));
    j.add("hour_step_minutes", Value::num(face.input.stepMinutes, 0));
    Value marks = Value::list();
    for (const GroundMark &m : g.marks)
        marks.add(Value::record(true)
                      .add("hour", Value::num(m.hour, 2))
                      .add("label", Value::word(m.label))
                      .add("x_m", Value::num(m.at.x, kM))
                      .add("y_m", Value::num(m.at.y, kM))
                      .add("from_centre_m", Value::num(m.fromCentre, kM))
                      .add("from_noon_m", Value::num(m.fromNoon, kM))
                      .add("side", Value::word(sideName(m.side))));
    j.add("hour_points", std::move(marks));
    Value scale = Value::list();
    for (const DateLine &line : face.dateLines) {
        Value entry = Value::record(true);
        entry.add("label", Value::word(line.label));
        if (!line.date.empty())
            entry.add("date", Value::word(line.date));
        entry.add("declination_deg", Value::num(line.declinationDeg, 3));
        entry.add("y_m", Value::num(groundDateY(face.input, line.declinationDeg), kM));
        scale.add(std::move(entry));
    }
    j.add("date_scale", std::move(scale));
    j.add("foci_m", Value::list(true).add(pair(-g.focus, 0)).add(pair(g.focus, 0)));
    j.add("string_loop_m", Value::num(g.stringLoop, kM));
    j.add("noon_point_m", Value::list(true).add(Value::num(0, kM)).add(Value::num(g.noonY, kM)));
    j.add("meridian_time", Value::clock(noon));
    j.add("gnomon_min_height_m", Value::num(g.gnomonHeight, kM));
    Value people = Value::list();
    for (const GnomonNeed &n : g.gnomon)
        people.add(Value::record(true)
                       .add("hour", Value::num(n.hour, 2))
                       .add("label", Value::word(n.label))
                       .add("height_m", Value::num(n.height, kM))
                       .add("worst_declination_deg", Value::num(n.declinationDeg, 2)));
    j.add("gnomon_by_hour", std::move(people));
    return j;
}

std::vector<Value> steps(const ReportInput &in, const GroundLayout &g, double noon)
{
    std::vector<Value> s;
    s.push_back(Value::words("Lay out the north-south line: on %1 at %2 by a clock on %3 the sun stands on the "
                             "meridian, and the shadow of a plumb line falls along it.",
                             {Value::date(in.day), Value::clock(noon), Value::word(in.clockWords)}));
    s.push_back(Value::words("Mark the centre C on the line, and the noon point N %1 m %2 of C.",
                             {metres(std::fabs(g.noonY)), Value::word(g.noonY >= 0 ? "north" : "south")}));
    s.push_back(Value::word("Stake each hour with two tapes, one from C and one from N, at the lengths in the table: "
                            "where they meet on the hour's side of the line (east or west) is the hour's mark."));
    s.push_back(Value::word("Mark the dates on the line, each its distance from C (+ north, - south)."));
    s.push_back(Value::words("To draw the ellipse, put a pin at each focus, %1 m east and west of C, and run a loop of "
                             "string %2 m long round both pins and a marker.",
                             {metres(g.focus), metres(g.stringLoop)}));
    s.push_back(Value::word(in.card ? "Stand on today's date and your shadow points to the time; add the card's "
                                      "correction for the clock."
                                    : "Stand on today's date and your shadow points to the dial's time; for the "
                                      "clock's, add the correction of a card (--card on the command line, or the "
                                      "Dial Designer's card)."));
    if (!g.gnomon.empty()) {
        std::string note = "Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from "
                           "%2 to %3 h on every day of the year.";
        // Taller than most people: their shadow falls short near noon in
        // summer, but still points the way.
        if (g.gnomonHeight > kTallPerson)
            note += " A shorter shadow still points along the line to the time.";
        s.push_back(Value::words(note, {Value::num(g.gnomonHeight, 2, Value::Form::MetresUp),
                                        Value::num(kGnomonFirstHour, 0), Value::num(kGnomonLastHour, 0)}));
    }
    return s;
}

} // namespace

Report groundReport(const ReportInput &in)
{
    const DialFace &face = in.faces->front();
    const GroundLayout &g = *face.layout.ground;
    const double noon = in.meridianClock();
    Report r;
    r.json = json(in, g, noon);
    r.correctionKey = true;
    r.steps = steps(in, g, noon);

    r.text.push_back(line("\n"));
    TextBlock figures{TextBlock::Form::Figures, {}, {}, {}, {}};
    auto &f = figures.figures;
    f.emplace_back("ellipse", Value::words("%1 m east-west by %2 m north-south",
                                           {Value::num(2 * g.halfWidth, 3), Value::num(2 * g.minorHalfWidth, 3)}));
    f.emplace_back("noon point N",
                   Value::words("%1 m %2 of the centre C",
                                {Value::num(std::fabs(g.noonY), 3), Value::word(g.noonY >= 0 ? "north" : "south")}));
    f.emplace_back("foci", Value::words("%1 m east and west of C", {Value::num(g.focus, 3)}));
    f.emplace_back("string loop", Value::words("%1 m", {Value::num(g.stringLoop, 3)}));
    f.emplace_back("true noon on " + in.day, Value::clock(noon));
    r.text.push_back(std::move(figures));

    TextBlock staking =
        table("Staking table (metres; x east, y north of C)", {"hour", "from C", "from N", "side", "x", "y"});
    for (const GroundMark &m : g.marks)
        staking.table.rows.push_back({Value::word(m.label), Value::num(m.fromCentre, 3), Value::num(m.fromNoon, 3),
                                      Value::word(sideWord(m.side)), Value::num(m.at.x, 3, Value::Form::Signed),
                                      Value::num(m.at.y, 3, Value::Form::Signed)});
    r.text.push_back(std::move(staking));

    if (!face.dateLines.empty()) {
        TextBlock dates =
            table("Date scale (metres from C along the line, + north)", {"date", "declination", "from C"});
        for (const DateLine &line : face.dateLines)
            dates.table.rows.push_back(
                {Value::word(line.label), Value::num(line.declinationDeg, 3, Value::Form::Signed),
                 Value::num(groundDateY(face.input, line.declinationDeg), 3, Value::Form::Signed)});
        r.text.push_back(std::move(dates));
    }

    TextBlock people = table("The person as gnomon (the height whose shadow reaches the mark on its worst day, "
                             "rounded up to the cm)",
                             {"hour", "height", "worst at declination"});
    for (const GnomonNeed &n : g.gnomon)
        people.table.rows.push_back({Value::word(n.label),
                                     Value::words("%1 m", {Value::num(n.height, 2, Value::Form::MetresUp)}),
                                     Value::num(n.declinationDeg, 2, Value::Form::Signed)});
    r.text.push_back(std::move(people));
    r.text.push_back(line("\n"));
    r.text.push_back({TextBlock::Form::Steps, {}, {}, {}, r.steps});

    r.csv.headings = {"hour", "label", "x_m", "y_m", "from_centre_m", "from_noon_m", "side"};
    for (const GroundMark &m : g.marks)
        r.csv.rows.push_back({Value::num(m.hour, 6, Value::Form::Shortest), Value::word(m.label),
                              Value::num(m.at.x, kM), Value::num(m.at.y, kM), Value::num(m.fromCentre, kM),
                              Value::num(m.fromNoon, kM), Value::word(sideName(m.side))});
    return r;
}

} // namespace orvane::dial
