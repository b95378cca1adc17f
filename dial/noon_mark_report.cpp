#include "dial/noon_mark_report.h"
#include "dial/noon_mark.h"
#include "dial/noop.h"

#include <cmath>
#include <cstdio>

namespace orvane::dial {

namespace {

constexpr int kM = 3; // positions to the millimetre

Value metres(double m, Value::Form form = Value::Form::Fixed) { return Value::num(m, kM, form); }
Value pair(PlatePoint p) { return Value::list(true).add(metres(p.x)).add(metres(p.y)); }
Value spotText(const SpotSize &s)
{
    return Value::words(ORVANE_NOOP("dial", "%1 x %2"), {Value::num(s.lengthMm, 0), Value::num(s.widthMm, 0)});
}

TextBlock line(Value text) { return {TextBlock::Form::Line, std::move(text), {}, {}, {}}; }

// "UTC-5 standard time", from the zone's meridian (15 degrees an hour); the
// translators find it by its shape, the numbers as %1 and %2.
std::string clockName(double zoneMeridian)
{
    [[maybe_unused]] static const char *const shapes[] = {
        ORVANE_NOOP("dial", "UTC standard time"), ORVANE_NOOP("dial", "UTC+%1 standard time"),
        ORVANE_NOOP("dial", "UTC-%1 standard time"), ORVANE_NOOP("dial", "UTC+%1:%2 standard time"),
        ORVANE_NOOP("dial", "UTC-%1:%2 standard time")};
    const int minutes = int(std::lround(zoneMeridian * 4));
    if (minutes == 0)
        return "UTC standard time";
    char text[32];
    const int m = std::abs(minutes);
    if (m % 60 == 0)
        std::snprintf(text, sizeof text, "UTC%c%d standard time", minutes < 0 ? '-' : '+', m / 60);
    else
        std::snprintf(text, sizeof text, "UTC%c%d:%02d standard time", minutes < 0 ? '-' : '+', m / 60, m % 60);
    return text;
}

// The plate's directions in words: a floor's compass points, else right,
// left, up and down the face.
const char *direction(PlatePoint v, bool level)
{
    if (std::fabs(v.y) >= std::fabs(v.x))
        return v.y >= 0 ? (level ? ORVANE_NOOP("dial", "north") : ORVANE_NOOP("dial", "up"))
                        : (level ? ORVANE_NOOP("dial", "south") : ORVANE_NOOP("dial", "down"));
    return v.x >= 0 ? (level ? ORVANE_NOOP("dial", "east") : ORVANE_NOOP("dial", "right"))
                    : (level ? ORVANE_NOOP("dial", "west") : ORVANE_NOOP("dial", "left"));
}

std::vector<Value> notes(const NoonMarkLayout &l, const std::string &mark)
{
    std::vector<Value> n;
    if (l.days.empty()) {
        n.push_back(Value::words(
            ORVANE_NOOP("dial", "The spot never falls on this face at %1: on every day of the year the sun then "
                                "stands behind the face, below the horizon or under %2\xC2\xB0 above the face."),
            {Value::word(mark), Value::num(kMinSpotElevationDeg, 0)}));
        return n;
    }
    n.push_back(Value::words(ORVANE_NOOP("dial", "The spot falls on the face at %1 on %2 days of %3."),
                             {Value::word(mark), Value::num(double(l.days.size()), 0), Value::num(l.year, 0)}));
    if (l.lowDays > 0)
        n.push_back(Value::words(
            ORVANE_NOOP("dial", "Left out: %1 days on which the sun stands under %2\xC2\xB0 above the face, the "
                                "spot too long and faint to mark."),
            {Value::num(l.lowDays, 0), Value::num(kMinSpotElevationDeg, 0)}));
    n.push_back(Value::words(
        ORVANE_NOOP("dial", "In summer time the clock runs an hour ahead: this figure-8 is crossed at %1 by it. "
                            "For a mark of summer time's noon, give the mark time an hour later (13:00)."),
        {Value::word(clockText(l.markHours + 1))}));
    n.push_back(Value::word(
        ORVANE_NOOP("dial", "The spot's centre crosses the meridian line at the true noon, from 14 minutes before "
                            "the mean sun's noon to 16 after, and stands on the figure-8 at the mark time.")));
    return n;
}

std::vector<const NoonMarkDay *> marked(const NoonMarkLayout &l)
{
    std::vector<const NoonMarkDay *> out;
    for (const NoonMarkDay &d : l.days)
        if (!d.label.empty())
            out.push_back(&d);
    return out;
}

} // namespace

Report noonMarkReport(const ReportInput &in)
{
    const DialFace &face = in.faces->front();
    const NoonMarkLayout &l = *face.layout.noonMark;
    const bool level = face.input.tilt == 0;
    const std::string mark = clockText(l.markHours), clock = clockName(face.input.zoneMeridian);
    const char *alongWord = direction(l.alongDir, level), *acrossWord = direction(l.acrossDir, level);
    const std::vector<Value> said = notes(l, mark);
    Report r;

    Value j = Value::record();
    j.add("facing_deg", Value::num(face.input.facing, 2, Value::Form::Shortest));
    j.add("tilt_deg", Value::num(face.input.tilt, 2, Value::Form::Shortest));
    j.add("aperture_height_m", metres(l.apertureHeight));
    j.add("aperture_diameter_mm", Value::num(l.apertureDiameter, 1));
    j.add("mark_time", Value::word(mark));
    j.add("clock", Value::word(clock));
    j.add("meridian_m", l.meridian ? Value::list(true).add(pair(l.meridian->from)).add(pair(l.meridian->to)) : Value{});
    Value days = Value::list();
    for (const NoonMarkDay &d : l.days) {
        Value row = Value::record(true);
        row.add("date", Value::word(d.date))
            // To a tenth of a millimetre: a millimetre a few metres from
            // the hole would turn the ray by a hundredth of a degree.
            .add("x_m", Value::num(d.at.x, 4))
            .add("y_m", Value::num(d.at.y, 4))
            .add("spot_mm", Value::list(true).add(Value::num(d.spot.lengthMm, 0)).add(Value::num(d.spot.widthMm, 0)));
        if (!d.label.empty())
            row.add("label", Value::word(d.label));
        days.add(std::move(row));
    }
    j.add("days", std::move(days));
    Value noteList = Value::list();
    for (const Value &n : said)
        noteList.add(n);
    j.add("notes", std::move(noteList));
    r.json.add("noon_mark", std::move(j));

    const Value hole = Value::words(level ? ORVANE_NOOP("dial", "%1 m above the floor, %2 mm across")
                                          : ORVANE_NOOP("dial", "%1 m above the face, %2 mm across"),
                                    {Value::num(l.apertureHeight, 3, Value::Form::Shortest),
                                     Value::num(l.apertureDiameter, 3, Value::Form::Shortest)});
    r.headline =
        Value::words(ORVANE_NOOP("dial", "Hole %1; figure-8 at %2 %3"), {hole, Value::word(mark), Value::word(clock)});
    r.size = Value::words(ORVANE_NOOP("dial", "hole %1"), {hole});
    const double length =
        l.meridian ? std::hypot(l.meridian->to.x - l.meridian->from.x, l.meridian->to.y - l.meridian->from.y) : 0;
    r.caption = Value::words(ORVANE_NOOP("dial", "Meridian line: %1 m"), {Value::num(length, 2, Value::Form::Metres)});
    const double off = std::hypot(l.lineFoot.x, l.lineFoot.y);
    const Value passes = off < 0.0005 ? Value::word(ORVANE_NOOP("dial", "through the foot F"))
                                      : Value::words(ORVANE_NOOP("dial", "%1 m %2 of the foot F"),
                                                     {Value::num(off, 3), Value::word(direction(l.lineFoot, level))});
    r.figures = Value::words(ORVANE_NOOP("dial", "The meridian line runs %1 %2; the figure-8 at %3 %4. %5"),
                             {passes, Value::word(alongWord), Value::word(mark), Value::word(clock), said.front()});
    r.count = Value::words(ORVANE_NOOP("dial", "%1 days marked"), {Value::num(double(marked(l).size()), 0)});
    r.summary = Value::words(ORVANE_NOOP("dial", "Noon mark, hole %1: %2"), {hole, said.front()});
    r.description = Value::words(
        ORVANE_NOOP("dial", "%1: a meridian line %2 m long and the figure-8 of the spot at %3. %4"),
        {Value::word(in.title), Value::num(length, 2, Value::Form::Metres), Value::word(mark), said.front()});

    r.steps.push_back(
        Value::word(level ? ORVANE_NOOP("dial", "Mark the foot F on the floor straight under the hole's centre, with a "
                                                "plumb line.")
                          : ORVANE_NOOP("dial", "Mark the foot F on the face where a line square to it from the hole's "
                                                "centre meets it.")));
    r.steps.push_back(Value::words(
        ORVANE_NOOP("dial",
                    "Draw the meridian line %1, running %2 from F's side: on %3 at %4 by a clock on %5 the spot's "
                    "centre stands on it."),
        {passes, Value::word(alongWord), Value::date(in.day), Value::clock(in.meridianClock()),
         Value::word(in.clockWords)}));
    r.steps.push_back(Value::words(
        ORVANE_NOOP("dial", "Mark each date from the table: along the line from the point beside F, then "
                            "across it (+ %1), and join the marks in the order of the year into the figure-8."),
        {Value::word(acrossWord)}));
    r.steps.push_back(
        Value::words(ORVANE_NOOP("dial", "At %1 of %2 the spot's centre stands on the day's place on the figure-8."),
                     {Value::word(mark), Value::word(clock)}));

    r.planKey = Value::word(level ? ORVANE_NOOP("dial", "F is the foot, under the hole.")
                                  : ORVANE_NOOP("dial", "F is the foot, square from the hole."));

    Table staking;
    staking.title =
        Value::words(ORVANE_NOOP("dial", "The dates: along the meridian line from beside F (+ %1), across it "
                                         "(+ %2), and the spot's length x width"),
                     {Value::word(alongWord), Value::word(acrossWord)});
    staking.headings = {ORVANE_NOOP("dial", "Date"), ORVANE_NOOP("dial", "Along (m)"),
                        ORVANE_NOOP("dial", "Across (m)"), ORVANE_NOOP("dial", "Spot (mm)")};
    for (const NoonMarkDay *d : marked(l))
        staking.rows.push_back({Value::word(d->label), Value::num(d->along, kM, Value::Form::Signed),
                                Value::num(d->across, kM, Value::Form::Signed), spotText(d->spot)});
    r.tables.push_back(staking);

    r.text.push_back(line(Value::word("\n")));
    TextBlock figures{TextBlock::Form::Figures, {}, {}, {}, {}};
    auto &f = figures.figures;
    f.emplace_back(ORVANE_NOOP("dial", "hole"), hole);
    f.emplace_back(ORVANE_NOOP("dial", "mark time"), Value::words("%1 %2", {Value::word(mark), Value::word(clock)}));
    if (l.meridian)
        f.emplace_back(ORVANE_NOOP("dial", "meridian line"),
                       Value::words(ORVANE_NOOP("dial", "from (%1, %2) to (%3, %4) m, %5 m long, %6"),
                                    {metres(l.meridian->from.x), metres(l.meridian->from.y), metres(l.meridian->to.x),
                                     metres(l.meridian->to.y), Value::num(length, 3), passes}));
    // The figure's label carries the day as the text writes it.
    f.emplace_back(trueNoonOn(in.day), Value::clock(in.meridianClock()));
    r.text.push_back(std::move(figures));
    TextBlock table{TextBlock::Form::Table, {}, {}, {}, {}};
    table.table.title = Value::words(level ? ORVANE_NOOP("dial", "Marked days (metres; along the line + %1, across + "
                                                                 "%2; x east, y north of F)")
                                           : ORVANE_NOOP("dial", "Marked days (metres; along the line + %1, across + "
                                                                 "%2; x right, y up of F)"),
                                     {Value::word(alongWord), Value::word(acrossWord)});
    table.table.headings = {
        ORVANE_NOOP("dial", "date"),     ORVANE_NOOP("dial", "along"), ORVANE_NOOP("dial", "across"), "x", "y",
        ORVANE_NOOP("dial", "spot (mm)")};
    for (const NoonMarkDay *d : marked(l))
        table.table.rows.push_back({Value::word(d->label), Value::num(d->along, kM, Value::Form::Signed),
                                    Value::num(d->across, kM, Value::Form::Signed),
                                    Value::num(d->at.x, kM, Value::Form::Signed),
                                    Value::num(d->at.y, kM, Value::Form::Signed), spotText(d->spot)});
    r.text.push_back(std::move(table));
    for (const Value &n : said)
        r.text.push_back(line(Value::words("%1\n", {n})));
    r.text.push_back(line(Value::word("\n")));
    r.text.push_back({TextBlock::Form::Steps, {}, {}, {}, r.steps});

    r.csv.headings = {"date", "label", "x_m", "y_m", "along_m", "across_m", "spot_length_mm", "spot_width_mm"};
    for (const NoonMarkDay *d : marked(l))
        r.csv.rows.push_back({Value::word(d->date), Value::word(d->label), metres(d->at.x), metres(d->at.y),
                              metres(d->along), metres(d->across), Value::num(d->spot.lengthMm, 0),
                              Value::num(d->spot.widthMm, 0)});
    return r;
}

} // namespace orvane::dial
