#include "dial/ground_report.h"
#include "dial/analemmatic.h"
#include "dial/noop.h"

#include <algorithm>
#include <cmath>

namespace orvane::dial {

namespace {

// Ground positions to the millimetre.
constexpr int kM = 3;
constexpr double kTallPerson = 1.8; // m

const char *sideName(int side) { return side > 0 ? "east" : side < 0 ? "west" : "meridian"; }
const char *sideWord(int side)
{
    return side > 0   ? ORVANE_NOOP("dial", "east")
           : side < 0 ? ORVANE_NOOP("dial", "west")
                      : ORVANE_NOOP("dial", "on the line");
}

Value metres(double m) { return Value::num(m, 2, Value::Form::Metres); }
Value pair(double a, double b) { return Value::list(true).add(Value::num(a, kM)).add(Value::num(b, kM)); }

TextBlock line(std::string text) { return {TextBlock::Form::Line, Value::word(std::move(text)), {}, {}, {}}; }
TextBlock table(std::string title, std::vector<std::string> headings)
{
    return {TextBlock::Form::Table, {}, {}, {Value::word(std::move(title)), std::move(headings), {}}, {}};
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
        if (!line.twinDate.empty())
            entry.add("twin_date", Value::word(line.twinDate));
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

// "Stand up straight: anyone 1.23 m tall or taller casts a shadow that
// reaches the marks from 9 to 15 h on every day of the year"; empty where no
// hour between them is lit.
Value personNote(const GroundLayout &g)
{
    if (g.gnomon.empty())
        return Value::word("");
    // Taller than most people: their shadow falls short near noon in
    // summer, but still points the way.
    const char *note = g.gnomonHeight > kTallPerson
                           ? ORVANE_NOOP("dial", "Stand up straight: anyone %1 m tall or taller casts a shadow that "
                                                 "reaches the marks from %2 to %3 h on every day of the year. A "
                                                 "shorter shadow still points along the line to the time.")
                           : ORVANE_NOOP("dial", "Stand up straight: anyone %1 m tall or taller casts a shadow that "
                                                 "reaches the marks from %2 to %3 h on every day of the year.");
    return Value::words(note, {Value::num(g.gnomonHeight, 2, Value::Form::MetresUp), Value::num(kGnomonFirstHour, 0),
                               Value::num(kGnomonLastHour, 0)});
}

std::vector<Value> steps(const ReportInput &in, const GroundLayout &g, double noon)
{
    std::vector<Value> s;
    s.push_back(Value::words(ORVANE_NOOP("dial", "Lay out the north-south line: on %1 at %2 by a clock on %3 the sun "
                                                 "stands on the meridian, and the shadow of a plumb line falls along "
                                                 "it."),
                             {Value::date(in.day), Value::clock(noon), Value::word(in.clockWords)}));
    s.push_back(Value::words(g.noonY >= 0 ? ORVANE_NOOP("dial", "Mark the centre C on the line, and the noon point N "
                                                                "%1 m north of C.")
                                          : ORVANE_NOOP("dial", "Mark the centre C on the line, and the noon point N "
                                                                "%1 m south of C."),
                             {metres(std::fabs(g.noonY))}));
    s.push_back(Value::word(ORVANE_NOOP("dial", "Stake each hour with two tapes, one from C and one from N, at the "
                                                "lengths in the table: where they meet on the hour's side of the line "
                                                "(east or west) is the hour's mark.")));
    s.push_back(
        Value::word(ORVANE_NOOP("dial", "Mark the dates on the line, each its distance from C (+ north, - south).")));
    s.push_back(Value::words(ORVANE_NOOP("dial", "To draw the ellipse, put a pin at each focus, %1 m east and west of "
                                                 "C, and run a loop of string %2 m long round both pins and a marker."),
                             {metres(g.focus), metres(g.stringLoop)}));
    s.push_back(Value::word(in.card ? ORVANE_NOOP("dial", "Stand on today's date and your shadow points to the time; "
                                                          "add the card's correction for the clock.")
                                    : ORVANE_NOOP("dial", "Stand on today's date and your shadow points to the dial's "
                                                          "time; for the clock's, add the correction of a card (--card "
                                                          "on the command line, or the Dial Designer's card).")));
    if (const Value note = personNote(g); note.type != Value::Type::Text)
        s.push_back(note);
    return s;
}

Value northSouth(double y)
{
    return Value::words(y < 0 ? ORVANE_NOOP("dial", "%1 m south") : ORVANE_NOOP("dial", "%1 m north"),
                        {metres(std::fabs(y))});
}

void designerWords(Report &r, const std::string &title, const DialFace &face, const GroundLayout &g)
{
    r.caption = Value::words(ORVANE_NOOP("dial", "Ellipse: %1 m by %2 m"),
                             {metres(2 * g.halfWidth), metres(2 * g.minorHalfWidth)});
    r.figures =
        Value::words(ORVANE_NOOP("dial", "Noon point N %1 of the centre C. Foci %2 m east and west of C; string "
                                         "loop %3 m.\n%4"),
                     {northSouth(g.noonY), metres(g.focus), metres(g.stringLoop), personNote(g)});
    const Value size =
        Value::words(ORVANE_NOOP("dial", "%1 m by %2 m"), {metres(2 * g.halfWidth), metres(2 * g.minorHalfWidth)});
    const Value marks = g.marks.empty()
                            ? Value::word(ORVANE_NOOP("dial", "no hour marks"))
                            : Value::words(ORVANE_NOOP("dial", "%1 hour marks, from %2 to %3"),
                                           {Value::num(double(g.marks.size()), 0), Value::word(g.marks.front().label),
                                            Value::word(g.marks.back().label)});
    r.summary = Value::words(ORVANE_NOOP("dial", "Ellipse %1, %2."), {size, marks});
    r.count = Value::words(ORVANE_NOOP("dial", "%1 hour marks"), {Value::num(double(g.marks.size()), 0)});
    // Each date where it is staked, as the plan's scale shows it.
    std::string pattern;
    std::vector<Value> dates;
    for (const DateLine &line : face.dateLines) {
        const double y = groundDateY(face.input, line.declinationDeg);
        dates.push_back(Value::words(
            "%1: %2", {Value::word(line.label),
                       std::round(y * 100) == 0 ? Value::word(ORVANE_NOOP("dial", "at the centre")) : northSouth(y)}));
        pattern += (pattern.empty() ? "%" : "; %") + std::to_string(dates.size());
    }
    const Value scale =
        dates.empty() ? Value::word("")
                      : Value::words(ORVANE_NOOP("dial", " The date scale on the north-south line, from the centre C: "
                                                         "%1."),
                                     {Value::words(pattern, dates)});
    r.description = Value::words(ORVANE_NOOP("dial", "%1: an ellipse %2 on the ground, %3.%4 Stand on today's date and "
                                                     "your shadow points to the time."),
                                 {Value::word(title), size, marks, scale});
}

// The staking table, the date scale north to south and the person's height by hour.
std::vector<Table> pageTables(const DialFace &face, const GroundLayout &g)
{
    std::vector<Table> tables(1);
    tables[0].title =
        Value::word(ORVANE_NOOP("dial", "Two tapes to each hour: from C and from N, on the hour's side of the line"));
    tables[0].headings = {ORVANE_NOOP("dial", "Hour"), ORVANE_NOOP("dial", "From C (m)"),
                          ORVANE_NOOP("dial", "From N (m)"), ORVANE_NOOP("dial", "Side")};
    for (const GroundMark &m : g.marks)
        tables[0].rows.push_back(
            {Value::word(m.label), metres(m.fromCentre), metres(m.fromNoon), Value::word(sideWord(m.side))});
    if (!face.dateLines.empty()) {
        std::vector<const DateLine *> lines;
        for (const DateLine &line : face.dateLines)
            lines.push_back(&line);
        std::stable_sort(lines.begin(), lines.end(),
                         [](const DateLine *a, const DateLine *b) { return a->declinationDeg > b->declinationDeg; });
        Table &dates = tables.emplace_back();
        dates.title = Value::word(
            ORVANE_NOOP("dial", "The date scale: where to stand, from C along the line (+ north, - south)"));
        dates.headings = {ORVANE_NOOP("dial", "Date"), ORVANE_NOOP("dial", "From C (m)")};
        for (const DateLine *line : lines)
            dates.rows.push_back({Value::word(line->label), Value::num(groundDateY(face.input, line->declinationDeg), 2,
                                                                       Value::Form::MetresSigned)});
    }
    if (!g.gnomon.empty()) {
        // The plan's page says the smallest height that serves every hour;
        // here each hour's, by the same rounding, so the largest is that one.
        Table &people = tables.emplace_back();
        people.title =
            Value::word(ORVANE_NOOP("dial", "The person as gnomon: the height whose shadow reaches the hour's mark "
                                            "on every day (rounded up to the cm)"));
        people.headings = {ORVANE_NOOP("dial", "Hour"), ORVANE_NOOP("dial", "Height (m)")};
        for (const GnomonNeed &n : g.gnomon)
            people.rows.push_back({Value::word(n.label), Value::num(n.height, 2, Value::Form::MetresUp)});
    }
    return tables;
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
    r.planKey = Value::word(ORVANE_NOOP("dial", "C is the centre, N the noon point."));
    r.headline = Value::words(ORVANE_NOOP("dial", "Ellipse %1 m by %2 m"),
                              {metres(2 * g.halfWidth), metres(2 * g.minorHalfWidth)});
    for (const DialFace &f : *in.faces)
        addLitNote(r.notes, f);
    designerWords(r, in.title, face, g);
    r.size = Value::words(ORVANE_NOOP("dial", "half-width %1 m"),
                          {Value::num(face.input.halfWidth, 15, Value::Form::Shortest)});
    r.tables = pageTables(face, g);

    r.text.push_back(line("\n"));
    TextBlock figures{TextBlock::Form::Figures, {}, {}, {}, {}};
    auto &f = figures.figures;
    f.emplace_back(ORVANE_NOOP("dial", "ellipse"),
                   Value::words(ORVANE_NOOP("dial", "%1 m east-west by %2 m north-south"),
                                {Value::num(2 * g.halfWidth, 3), Value::num(2 * g.minorHalfWidth, 3)}));
    f.emplace_back(ORVANE_NOOP("dial", "noon point N"),
                   Value::words(g.noonY >= 0 ? ORVANE_NOOP("dial", "%1 m north of the centre C")
                                             : ORVANE_NOOP("dial", "%1 m south of the centre C"),
                                {Value::num(std::fabs(g.noonY), 3)}));
    f.emplace_back(ORVANE_NOOP("dial", "foci"),
                   Value::words(ORVANE_NOOP("dial", "%1 m east and west of C"), {Value::num(g.focus, 3)}));
    f.emplace_back(ORVANE_NOOP("dial", "string loop"), Value::words("%1 m", {Value::num(g.stringLoop, 3)}));
    f.emplace_back(trueNoonOn(in.day), Value::clock(noon));
    r.text.push_back(std::move(figures));

    TextBlock staking = table(ORVANE_NOOP("dial", "Staking table (metres; x east, y north of C)"),
                              {ORVANE_NOOP("dial", "hour"), ORVANE_NOOP("dial", "from C"),
                               ORVANE_NOOP("dial", "from N"), ORVANE_NOOP("dial", "side"), "x", "y"});
    for (const GroundMark &m : g.marks)
        staking.table.rows.push_back({Value::word(m.label), Value::num(m.fromCentre, 3), Value::num(m.fromNoon, 3),
                                      Value::word(sideWord(m.side)), Value::num(m.at.x, 3, Value::Form::Signed),
                                      Value::num(m.at.y, 3, Value::Form::Signed)});
    r.text.push_back(std::move(staking));

    if (!face.dateLines.empty()) {
        TextBlock dates =
            table(ORVANE_NOOP("dial", "Date scale (metres from C along the line, + north)"),
                  {ORVANE_NOOP("dial", "date"), ORVANE_NOOP("dial", "declination"), ORVANE_NOOP("dial", "from C")});
        for (const DateLine &line : face.dateLines)
            dates.table.rows.push_back(
                {Value::word(line.label), Value::num(line.declinationDeg, 3, Value::Form::Signed),
                 Value::num(groundDateY(face.input, line.declinationDeg), 3, Value::Form::Signed)});
        r.text.push_back(std::move(dates));
    }

    TextBlock people = table(
        ORVANE_NOOP("dial", "The person as gnomon (the height whose shadow reaches the mark on "
                            "its worst day, rounded up to the cm)"),
        {ORVANE_NOOP("dial", "hour"), ORVANE_NOOP("dial", "height"), ORVANE_NOOP("dial", "worst at declination")});
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
