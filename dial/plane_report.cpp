#include "dial/plane_report.h"
#include "dial/dial_kinds.h"
#include "dial/lean.h"
#include "dial/noop.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace orvane::dial {

namespace {

// Plate positions to 0.01 mm in JSON and CSV, 0.1 mm in words; degrees to 0.001.
constexpr int kMm = 2;
constexpr int kDeg = 3;

double rounded(double x) { return std::round(x * 100) / 100; }

// Rounded, then kept on the rounded plate: a point on an edge stays on it.
PlatePoint onPlate(const PlateRect &plate, PlatePoint p)
{
    return {std::clamp(rounded(p.x), rounded(plate.xMin), rounded(plate.xMax)),
            std::clamp(rounded(p.y), rounded(plate.yMin), rounded(plate.yMax))};
}

Value point(PlatePoint p) { return Value::list(true).add(Value::num(p.x, kMm)).add(Value::num(p.y, kMm)); }

Value segment(const PlateRect &plate, const PlateSegment &s)
{
    return Value::list(true).add(point(onPlate(plate, s.from))).add(point(onPlate(plate, s.to)));
}

Value pointWords(PlatePoint p) { return Value::words("(%1, %2)", {Value::num(p.x, 1), Value::num(p.y, 1)}); }

Value dateLinesJson(const DialFace &face)
{
    Value lines = Value::list();
    for (const DateLine &line : face.dateLines) {
        // One entry per piece the plate leaves, one with no points when it leaves none.
        const std::vector<Polyline> none(1);
        for (const Polyline &piece : line.pieces.empty() ? none : line.pieces) {
            Value entry = Value::record();
            entry.add("name", Value::word(line.name)).add("label", Value::word(line.label));
            if (!line.date.empty())
                entry.add("date", Value::word(line.date));
            if (!line.twinDate.empty())
                entry.add("twin_date", Value::word(line.twinDate));
            entry.add("declination_deg", Value::num(line.declinationDeg, kDeg));
            Value points = Value::list(true);
            for (PlatePoint p : piece)
                points.add(point(onPlate(face.input.plate, p)));
            entry.add("points_mm", std::move(points));
            lines.add(std::move(entry));
        }
    }
    return lines;
}

// "italian_lines": an entry for each piece of each line on the plate.
std::string oldHoursKey(HourSystem system) { return std::string(hourSystemName(system)) + "_lines"; }

Value oldHoursJson(const DialFace &face, const OldHours &hours)
{
    Value lines = Value::list();
    for (const OldHourLine &line : hours.lines)
        for (const Polyline &piece : line.pieces) {
            Value points = Value::list(true);
            for (PlatePoint p : piece)
                points.add(point(onPlate(face.input.plate, p)));
            lines.add(Value::record(true)
                          .add("hour", Value::num(line.hour, 0))
                          .add("label", Value::word(line.label))
                          .add("points_mm", std::move(points)));
        }
    return lines;
}

// "Italian hours": the system's name as a title.
std::string oldHoursTitle(HourSystem system)
{
    std::string name = hourSystemName(system);
    name[0] = char(name[0] - 'a' + 'A');
    return name + " hours";
}

// What each system counts from, for the tables' titles.
const char *oldHoursCount(HourSystem system)
{
    switch (system) {
    case HourSystem::Italian:
        return "hours since the previous sunset";
    case HourSystem::Babylonian:
        return "hours since sunrise";
    case HourSystem::Unequal:
        return "twelfths of the daylight since sunrise";
    }
    return "";
}

// The old hours' table title, a whole sentence for each system.
std::string oldHoursTableTitle(HourSystem system, bool none)
{
    switch (system) {
    case HourSystem::Italian:
        return none ? ORVANE_NOOP("dial", "Italian hours (hours since the previous sunset), between the solstices: "
                                          "none on the plate")
                    : ORVANE_NOOP("dial", "Italian hours (hours since the previous sunset), between the solstices");
    case HourSystem::Babylonian:
        return none ? ORVANE_NOOP("dial", "Babylonian hours (hours since sunrise), between the solstices: none on the "
                                          "plate")
                    : ORVANE_NOOP("dial", "Babylonian hours (hours since sunrise), between the solstices");
    case HourSystem::Unequal:
        return none ? ORVANE_NOOP("dial", "Unequal hours (twelfths of the daylight since sunrise), between the "
                                          "solstices: none on the plate")
                    : ORVANE_NOOP("dial", "Unequal hours (twelfths of the daylight since sunrise), between the "
                                          "solstices");
    }
    return oldHoursTitle(system) + " (" + oldHoursCount(system) + "), between the solstices" +
           (none ? ": none on the plate" : "");
}

TextBlock oldHoursText(const OldHours &hours)
{
    TextBlock table{TextBlock::Form::Table, {}, {}, {}, {}};
    table.table.title = Value::word(oldHoursTableTitle(hours.system, hours.lines.empty()));
    table.table.headings = {ORVANE_NOOP("dial", "hour"), ORVANE_NOOP("dial", "points"), ORVANE_NOOP("dial", "from"),
                            ORVANE_NOOP("dial", "to")};
    for (const OldHourLine &line : hours.lines)
        for (const Polyline &piece : line.pieces)
            table.table.rows.push_back({Value::word(line.label), Value::num(double(piece.size()), 0),
                                        pointWords(piece.front()), pointWords(piece.back())});
    return table;
}

// A clock dial's hour line: `points_mm` its figure-8 as a list of pieces,
// each a list of points, and `days` each day whose point falls on the lit
// plate.
Value clockLineJson(const DialFace &face, const HourLineRow &h)
{
    Value pieces = Value::list();
    for (const Polyline &piece : h.curve) {
        Value points = Value::list(true);
        for (PlatePoint p : piece)
            points.add(point(onPlate(face.input.plate, p)));
        pieces.add(std::move(points));
    }
    Value days = Value::list();
    for (const ClockMark &d : h.days)
        days.add(Value::record(true)
                     .add("date", Value::word(isoDate(face.input.clockSun.year, d.dayOfYear)))
                     .add("mm", point(onPlate(face.input.plate, d.point))));
    return Value::record()
        .add("hour", Value::num(h.hour, 2))
        .add("label", Value::word(h.label))
        .add("angle_deg", Value())
        .add("points_mm", std::move(pieces))
        .add("days", std::move(days));
}

// The shadow's point on one day, or a dash where that day's is off the
// plate or unlit.
Value pointOn(const HourLineRow &h, int dayOfYear)
{
    for (const ClockMark &d : h.days)
        if (d.dayOfYear == dayOfYear)
            return pointWords(d.point);
    return Value::word("-");
}

// A clock dial's hour lines in words: each hour's point on the equinoxes
// and the solstices, and on how many days it falls on the plate.
TextBlock clockLinesText(const DialFace &face)
{
    const YearTurns t = face.layout.clockYear.value_or(YearTurns{});
    const int year = face.input.clockSun.year;
    TextBlock hours{TextBlock::Form::Table, {}, {}, {}, {}};
    hours.table.title = Value::words(ORVANE_NOOP("dial", "Hour lines to the standard clock: the shadow's point on the "
                                                         "equinoxes and the solstices (%1, %2, %3, %4; - off the plate "
                                                         "or unlit)"),
                                     {Value::word(isoDate(year, t.march)), Value::word(isoDate(year, t.june)),
                                      Value::word(isoDate(year, t.september)), Value::word(isoDate(year, t.december))});
    hours.table.headings = {ORVANE_NOOP("dial", "hour"),
                            ORVANE_NOOP("dial", "days"),
                            ORVANE_NOOP("dial", "March equinox"),
                            ORVANE_NOOP("dial", "June solstice"),
                            ORVANE_NOOP("dial", "September equinox"),
                            ORVANE_NOOP("dial", "December solstice")};
    for (const HourLineRow &h : face.hourLines)
        hours.table.rows.push_back({Value::word(h.label), Value::num(double(h.days.size()), 0), pointOn(h, t.march),
                                    pointOn(h, t.june), pointOn(h, t.september), pointOn(h, t.december)});
    return hours;
}

// The sentences that name a kind's reference, whole for each reference so
// that each reads as one text in every language.
struct ReferenceWords {
    const char *reference, *positiveSide, *parallelTitle, *noonOn, *noonPositive, *noonNegative;
};

const ReferenceWords *referenceWords(const DialKind &kind)
{
    static const ReferenceWords table[] = {
        {"the line of steepest slope", "right",
         ORVANE_NOOP("dial", "Hour lines (parallel: angle from the line of steepest slope, + towards x)"),
         ORVANE_NOOP("dial", " The 12 o'clock line lies on the line of steepest slope through the foot."),
         ORVANE_NOOP("dial", " The 12 o'clock line lies %1\xC2\xB0 right of the line of steepest slope."),
         ORVANE_NOOP("dial", " The 12 o'clock line lies %1\xC2\xB0 left of the line of steepest slope.")},
        {"the vertical", "right", ORVANE_NOOP("dial", "Hour lines (parallel: angle from the vertical, + towards x)"),
         ORVANE_NOOP("dial", " The 12 o'clock line lies on the vertical through the foot."),
         ORVANE_NOOP("dial", " The 12 o'clock line lies %1\xC2\xB0 right of the vertical."),
         ORVANE_NOOP("dial", " The 12 o'clock line lies %1\xC2\xB0 left of the vertical.")},
        {"the meridian", "east", ORVANE_NOOP("dial", "Hour lines (parallel: angle from the meridian, + towards x)"),
         ORVANE_NOOP("dial", " The 12 o'clock line lies on the meridian through the foot."),
         ORVANE_NOOP("dial", " The 12 o'clock line lies %1\xC2\xB0 east of the meridian."),
         ORVANE_NOOP("dial", " The 12 o'clock line lies %1\xC2\xB0 west of the meridian.")},
        {"the y axis", "right", ORVANE_NOOP("dial", "Hour lines (parallel: angle from the y axis, + towards x)"),
         ORVANE_NOOP("dial", " The 12 o'clock line lies on the y axis through the foot."),
         ORVANE_NOOP("dial", " The 12 o'clock line lies %1\xC2\xB0 right of the y axis."),
         ORVANE_NOOP("dial", " The 12 o'clock line lies %1\xC2\xB0 left of the y axis.")},
    };
    for (const ReferenceWords &w : table)
        if (std::strcmp(w.reference, kind.reference) == 0 && std::strcmp(w.positiveSide, kind.positiveSide) == 0)
            return &w;
    return nullptr;
}

// Straight hour lines in words: each one's angle and ends.
TextBlock straightLinesText(const DialFace &face, const DialKind &kind)
{
    TextBlock hours{TextBlock::Form::Table, {}, {}, {}, {}};
    const ReferenceWords *words = referenceWords(kind);
    hours.table.title = Value::word(
        face.layout.root ? ORVANE_NOOP("dial", "Hour lines (angle at the root from the noon side of the y axis, + "
                                               "towards x)")
        : words          ? words->parallelTitle
                         : std::string("Hour lines (parallel: angle from ") + kind.reference + ", + towards x)");
    hours.table.headings = {ORVANE_NOOP("dial", "hour"), ORVANE_NOOP("dial", "angle"), ORVANE_NOOP("dial", "from"),
                            ORVANE_NOOP("dial", "to")};
    for (const HourLineRow &h : face.hourLines)
        hours.table.rows.push_back({Value::word(h.label), Value::num(h.angleDeg, 3, Value::Form::Signed),
                                    pointWords(h.line.from), pointWords(h.line.to)});
    return hours;
}

// What one face shows: its orientation, plate, style, hour lines, gnomon and date lines.
void faceJson(Value &json, const DialFace &face)
{
    const DialLayout &l = face.layout;
    const PlateRect &plate = face.input.plate;
    // A level face looks nowhere in particular.
    json.add("facing_deg", face.input.tilt != 0 ? Value::num(face.input.facing, kDeg) : Value());
    json.add("tilt_deg", Value::num(face.input.tilt, kDeg));
    Value corners = Value::list(true);
    for (double x : {plate.xMin, plate.yMin, plate.xMax, plate.yMax})
        corners.add(Value::num(x, kMm));
    json.add("plate_mm", std::move(corners));
    json.add("style_height_deg", Value::num(l.styleHeight, kDeg));
    json.add("root_mm", l.root ? point(*l.root) : Value()); // may lie off the plate
    json.add("substyle_mm", l.substyle ? segment(plate, *l.substyle) : Value());
    Value hours = Value::list();
    for (const HourLineRow &h : face.hourLines)
        hours.add(h.curve.empty() ? Value::record(true)
                                        .add("hour", Value::num(h.hour, 2))
                                        .add("label", Value::word(h.label))
                                        .add("angle_deg", Value::num(h.angleDeg, kDeg))
                                        .add("points_mm", segment(plate, h.line))
                                  : clockLineJson(face, h));
    json.add("hour_lines", std::move(hours));
    if (l.gnomon) {
        // The piece as cut, over the substyle on the plate, after its triangle.
        json.add("gnomon", Value::record(true)
                               .add("style_length_mm", Value::num(l.gnomon->styleLength, kMm))
                               .add("height_mm", Value::num(l.gnomon->height, kMm))
                               .add("base_mm", Value::num(l.gnomon->base, kMm))
                               .add("cut_base_mm", Value::num(l.gnomon->cutBase, kMm))
                               .add("cut_edge_mm", Value::num(l.gnomon->cutEdge, kMm))
                               .add("cut_style_mm", Value::num(l.gnomon->cutStyle, kMm)));
    } else {
        json.add("gnomon", Value());
    }
    json.add("date_lines", dateLinesJson(face));
    for (const OldHours &hours : face.oldHours)
        json.add(oldHoursKey(hours.system), oldHoursJson(face, hours));
}

// One face's figures, hour lines and date lines in words.
void faceText(std::vector<TextBlock> &text, const DialFace &face, const ReportInput &in)
{
    const DialLayout &l = face.layout;
    const PlateRect &plate = face.input.plate;
    TextBlock figures{TextBlock::Form::Figures, {}, {}, {}, {}};
    auto &f = figures.figures;
    if (face.input.tilt != 0)
        f.emplace_back(face.input.tilt == 90 ? ORVANE_NOOP("dial", "the wall faces")
                                             : ORVANE_NOOP("dial", "the face looks"),
                       Value::num(face.input.facing, 3));
    // A kind whose tilt is given, or a face neither level nor upright, says its tilt.
    if (in.kind->takes(DialSetting::Tilt) || (face.input.tilt != 0 && face.input.tilt != 90))
        f.emplace_back(ORVANE_NOOP("dial", "tilt from the zenith"), Value::num(face.input.tilt, 3));
    f.emplace_back(ORVANE_NOOP("dial", "nodus height"), Value::words("%1 mm", {Value::num(face.input.nodusHeight, 1)}));
    f.emplace_back(ORVANE_NOOP("dial", "plate"), Value::words(ORVANE_NOOP("dial", "x %1 to %2, y %3 to %4"),
                                                              {Value::num(plate.xMin, 1), Value::num(plate.xMax, 1),
                                                               Value::num(plate.yMin, 1), Value::num(plate.yMax, 1)}));
    f.emplace_back(ORVANE_NOOP("dial", "style height"), Value::num(l.styleHeight, 3));
    f.emplace_back(ORVANE_NOOP("dial", "root"),
                   l.root ? pointWords(*l.root)
                          : Value::word(ORVANE_NOOP("dial", "none: the style runs parallel to the face, the hour "
                                                            "lines are parallel")));
    if (l.substyle)
        f.emplace_back(
            ORVANE_NOOP("dial", "substyle"),
            Value::words(ORVANE_NOOP("dial", "%1 to %2"), {pointWords(l.substyle->from), pointWords(l.substyle->to)}));
    if (l.gnomon)
        f.emplace_back(ORVANE_NOOP("dial", "gnomon"),
                       Value::words(ORVANE_NOOP("dial", "style %1 mm, height %2 mm, base %3 mm"),
                                    {Value::num(l.gnomon->styleLength, 1), Value::num(l.gnomon->height, 1),
                                     Value::num(l.gnomon->base, 1)}));
    if (l.gnomon && l.gnomon->cutEdge > 0)
        f.emplace_back(ORVANE_NOOP("dial", "gnomon as cut"),
                       Value::words(ORVANE_NOOP("dial", "base %1 mm from the plate's edge to the foot, edge %2 mm at "
                                                        "the plate's edge, style %3 mm (the root lies off the plate)"),
                                    {Value::num(l.gnomon->cutBase, 1), Value::num(l.gnomon->cutEdge, 1),
                                     Value::num(l.gnomon->cutStyle, 1)}));
    text.push_back(std::move(figures));

    text.push_back(face.layout.clockYear ? clockLinesText(face) : straightLinesText(face, *in.kind));
    for (const OldHours &hours : face.oldHours)
        text.push_back(oldHoursText(hours));

    if (face.dateLines.empty())
        return;
    TextBlock dates{TextBlock::Form::Table, {}, {}, {}, {}};
    dates.table.title = Value::word(ORVANE_NOOP("dial", "Date lines"));
    dates.table.headings = {ORVANE_NOOP("dial", "line"), ORVANE_NOOP("dial", "declination"),
                            ORVANE_NOOP("dial", "points"), ORVANE_NOOP("dial", "from"), ORVANE_NOOP("dial", "to")};
    for (const DateLine &line : face.dateLines) {
        std::size_t count = 0;
        for (const Polyline &piece : line.pieces)
            count += piece.size();
        const bool seen = count > 0;
        dates.table.rows.push_back(
            {Value::word(line.label), Value::num(line.declinationDeg, 3, Value::Form::Signed),
             Value::num(double(count), 0),
             seen ? pointWords(line.pieces.front().front()) : Value::word(ORVANE_NOOP("dial", "off the plate")),
             seen ? pointWords(line.pieces.back().back()) : Value::word("")});
    }
    text.push_back(std::move(dates));
}

TextBlock line(std::string text) { return {TextBlock::Form::Line, Value::word(std::move(text)), {}, {}, {}}; }

} // namespace

const char *const kLeanLine = ORVANE_NOOP("dial", "\nLean: %1.\n");

TextBlock noteLine(const Value &note)
{
    return {TextBlock::Form::Line, Value::words(ORVANE_NOOP("dial", "\nNote: %1.\n"), {note}), {}, {}, {}};
}

// The line above the figures: where the plate's millimetres run from, a
// whole sentence for each pair of axes.
std::string axesWords(const DialKind &kind)
{
    const std::string x = kind.xWord, y = kind.yWord;
    if (x == "right" && y == "up the slope")
        return ORVANE_NOOP("dial", "Millimetres on the plate from the nodus's foot: x to the right, y up the "
                                   "slope.\n\n");
    if (x == "right" && y == "up")
        return ORVANE_NOOP("dial", "Millimetres on the plate from the nodus's foot: x to the right, y up.\n\n");
    if (x == "east" && y == "north")
        return ORVANE_NOOP("dial", "Millimetres on the plate from the nodus's foot: x to the east, y north.\n\n");
    return "Millimetres on the plate from the nodus's foot: x to the " + x + ", y " + y + ".\n\n";
}

namespace {

// "The upper face, lit from the March to the September equinox".
Value faceTitle(const DialFace &face)
{
    static const char *const titles[][3] = {
        {"upper", "lit from the March to the September equinox",
         ORVANE_NOOP("dial", "The upper face, lit from the March to the September equinox\n")},
        {"upper", "lit from the September to the March equinox",
         ORVANE_NOOP("dial", "The upper face, lit from the September to the March equinox\n")},
        {"lower", "lit from the March to the September equinox",
         ORVANE_NOOP("dial", "The lower face, lit from the March to the September equinox\n")},
        {"lower", "lit from the September to the March equinox",
         ORVANE_NOOP("dial", "The lower face, lit from the September to the March equinox\n")},
    };
    for (const auto &t : titles)
        if (face.name == t[0] && face.lit == t[1])
            return Value::word(t[2]);
    return Value::word("The " + face.name + " face, " + face.lit + "\n");
}

// "16, 17 and 18": items in a sentence, each language joining its own way.
Value listWords(std::vector<Value> items)
{
    Value list = items.empty() ? Value() : std::move(items.back());
    for (std::size_t i = items.size(); i-- > 1;)
        list = Value::words(i + 1 == items.size() ? ORVANE_NOOP("dial", "%1 and %2") : ORVANE_NOOP("dial", "%1, %2"),
                            {std::move(items[i - 1]), std::move(list)});
    return list;
}

// The hours as the dial labels them, in a sentence.
Value hoursWords(const std::vector<double> &hours)
{
    std::vector<Value> items;
    for (double h : hours)
        items.push_back(Value::word(hourLabel(h)));
    return listWords(std::move(items));
}

// How the old hours are reckoned, and where the sun does not set every day:
// the systems drawn named whole at the start and within the sentence.
void oldHoursNotes(std::vector<Value> &notes, const DialFace &face)
{
    if (face.oldHours.empty())
        return;
    static const char *const subjects[][3] = {
        {"i", ORVANE_NOOP("dial", "The Italian hour lines"), ORVANE_NOOP("dial", "the Italian hour lines")},
        {"b", ORVANE_NOOP("dial", "The Babylonian hour lines"), ORVANE_NOOP("dial", "the Babylonian hour lines")},
        {"u", ORVANE_NOOP("dial", "The unequal hour lines"), ORVANE_NOOP("dial", "the unequal hour lines")},
        {"ib", ORVANE_NOOP("dial", "The Italian and Babylonian hour lines"),
         ORVANE_NOOP("dial", "the Italian and Babylonian hour lines")},
        {"iu", ORVANE_NOOP("dial", "The Italian and unequal hour lines"),
         ORVANE_NOOP("dial", "the Italian and unequal hour lines")},
        {"bu", ORVANE_NOOP("dial", "The Babylonian and unequal hour lines"),
         ORVANE_NOOP("dial", "the Babylonian and unequal hour lines")},
        {"ibu", ORVANE_NOOP("dial", "The Italian, Babylonian and unequal hour lines"),
         ORVANE_NOOP("dial", "the Italian, Babylonian and unequal hour lines")},
    };
    std::string key;
    for (const OldHours &h : face.oldHours)
        key += h.system == HourSystem::Italian ? 'i' : h.system == HourSystem::Babylonian ? 'b' : 'u';
    const auto *subject =
        std::find_if(std::begin(subjects), std::end(subjects), [&key](const auto &s) { return key == s[0]; });
    if (subject == std::end(subjects))
        return;
    notes.push_back(Value::words(ORVANE_NOOP("dial", "%1 are reckoned in sun time from sunrise and sunset of the sun's "
                                                     "centre on the geometric horizon (altitude 0, no refraction), "
                                                     "whatever time the equal hours are drawn to"),
                                 {Value::word((*subject)[1])}));
    if (!sunSetsEveryDay(face.input.latitude, kMaxDeclination))
        notes.push_back(Value::words(ORVANE_NOOP("dial", "Here the sun stays up, or down, all day around a solstice: "
                                                         "%1 are drawn for the days on which it rises and sets"),
                                     {Value::word((*subject)[2])}));
}

// A face no hour line falls on, in a whole sentence for each face.
std::string noHourLineNote(const DialFace &face, const Value &which)
{
    const bool lit = faceEverLit(face.input);
    if (face.name.empty())
        return lit ? ORVANE_NOOP("dial", "No hour line falls on the face: the sun lights it only between two hours' "
                                         "lines")
                   : ORVANE_NOOP("dial", "No hour line falls on the face: the sun never lights it above the horizon "
                                         "here");
    if (face.name == "upper")
        return lit ? ORVANE_NOOP("dial", "No hour line falls on the upper face: the sun lights it only between two "
                                         "hours' lines")
                   : ORVANE_NOOP("dial", "No hour line falls on the upper face: the sun never lights it above the "
                                         "horizon here");
    if (face.name == "lower")
        return lit ? ORVANE_NOOP("dial", "No hour line falls on the lower face: the sun lights it only between two "
                                         "hours' lines")
                   : ORVANE_NOOP("dial", "No hour line falls on the lower face: the sun never lights it above the "
                                         "horizon here");
    return "No hour line falls on " + which.text +
           (lit ? ": the sun lights it only between two hours' lines"
                : ": the sun never lights it above the horizon here");
}

// Which half of the year each face is lit, and the hours the plate leaves out.
std::vector<Value> faceNotes(const std::vector<DialFace> &faces)
{
    std::vector<Value> notes;
    oldHoursNotes(notes, faces.front());
    for (const DialFace &face : faces) {
        addLitNote(notes, face);
        const Value which = faceWords(face);
        const bool offPlate = !face.layout.offPlate.empty();
        if (!face.layout.hourLines.empty()) {
            if (offPlate)
                notes.push_back(Value::words(
                    ORVANE_NOOP("dial", "The plate leaves out the lines of %1 h, when the sun also lights %2"),
                    {hoursWords(face.layout.offPlate), which}));
        } else if (offPlate) {
            notes.push_back(Value::words(ORVANE_NOOP("dial", "No hour line falls on %1's plate: the sun lights it only "
                                                             "at %2 h, whose lines fall off it"),
                                         {which, hoursWords(face.layout.offPlate)}));
        } else {
            notes.push_back(Value::words(noHourLineNote(face, which), {}));
        }
    }
    return notes;
}

// Within 5° of upright or level: how far the readings at 9, 12 and 15 h
// move for each degree the face leans beyond its drawn tilt, at the June
// and the December solstice (minutes, none where the sun does not light it
// then).
struct LeanRow {
    int hour = 12;
    std::optional<double> june, december;
};

std::vector<LeanRow> leanRows(const std::vector<DialFace> &faces)
{
    std::vector<LeanRow> rows;
    if (faces.size() != 1 || !leanMatters(faces.front().input))
        return rows;
    for (int hour : {9, 12, 15})
        rows.push_back({hour, leanMinutesPerDegree(faces.front().input, hour, kMaxDeclination),
                        leanMinutesPerDegree(faces.front().input, hour, -kMaxDeclination)});
    return rows;
}

Value leanWords(const DialInput &input, const std::vector<LeanRow> &rows)
{
    if (rows.empty())
        return {};
    const auto minutes = [](const std::optional<double> &m) {
        return m ? Value::num(*m, 1, Value::Form::Signed) : Value::word(ORVANE_NOOP("dial", "unlit"));
    };
    std::vector<Value> at;
    for (const LeanRow &row : rows)
        at.push_back(Value::words("%1 h %2 / %3", {Value::num(row.hour, 0), minutes(row.june), minutes(row.december)}));
    return Value::words(ORVANE_NOOP("dial", "Each degree the face leans beyond its tilt of %1° (its top towards "
                                            "where it looks) moves the readings by, in minutes at the June / "
                                            "December solstice: %2, %3, %4 (+ reads later; less towards the "
                                            "equinoxes)"),
                        {Value::num(input.tilt, 0), at[0], at[1], at[2]});
}

// "15 hour lines, from 5 to 19", by the first and the last hour.
Value hourRange(const std::vector<HourLineRow> &rows)
{
    const auto [first, last] =
        std::minmax_element(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.hour < b.hour; });
    return Value::words(ORVANE_NOOP("dial", "%1 hour lines, from %2 to %3"),
                        {Value::num(double(rows.size()), 0), Value::word(first->label), Value::word(last->label)});
}

// Where the 12 o'clock line lies from the kind's reference, or why none does.
Value noonWords(const DialKind &kind, const std::vector<HourLineRow> &rows)
{
    const auto noon = std::find_if(rows.begin(), rows.end(), [](const auto &r) { return r.hour == 12; });
    if (noon == rows.end())
        return Value::word(ORVANE_NOOP("dial", " No 12 o'clock line on this plate."));
    if (!noon->curve.empty())
        return Value::word(ORVANE_NOOP("dial", " Each line is the figure-8 of the shadow at its hour of the standard "
                                               "clock through the year."));
    const Value angle = Value::num(std::fabs(noon->angleDeg), 2, Value::Form::Grouped);
    if (const ReferenceWords *words = referenceWords(kind))
        return std::fabs(noon->angleDeg) < 0.005
                   ? Value::word(words->noonOn)
                   : Value::words(noon->angleDeg > 0 ? words->noonPositive : words->noonNegative, {angle});
    if (std::fabs(noon->angleDeg) < 0.005)
        return Value::word(std::string(" The 12 o'clock line lies on ") + kind.reference + " through the foot.");
    return Value::words(std::string(" The 12 o'clock line lies %1° ") +
                            (noon->angleDeg > 0 ? kind.positiveSide : kind.negativeSide) + " of " + kind.reference +
                            ".",
                        {angle});
}

// How to cut and stand the gnomon.
Value gnomonWords(const std::vector<DialFace> &faces, const Value &nodus)
{
    const DialLayout &l = faces.front().layout;
    if (l.gnomon && !l.substyle)
        return faces.size() > 1 ? Value::words(ORVANE_NOOP("dial", "A rod through the plate at the foot, square to it, "
                                                                   "standing %1 mm out of each face; its ends are the "
                                                                   "nodus"),
                                               {nodus})
                                : Value::words(ORVANE_NOOP("dial", "A rod at the foot, square to the plate, standing "
                                                                   "%1 mm out of it; its end is the nodus"),
                                               {nodus});
    if (l.gnomon)
        return Value::word(
            ORVANE_NOOP("dial", "Cut the shape; stand its lower edge on the substyle, the upright edge on the foot"));
    return Value::word(ORVANE_NOOP("dial", "Cut the rectangle; stand it on the substyle, its top edge is the style, "
                                           "the nodus over the foot where marked"));
}

// The first face as the designer shows it beside the preview.
void designerWords(Report &r, const ReportInput &in)
{
    const DialFace &face = in.faces->front();
    const std::vector<HourLineRow> &rows = face.hourLines;
    const Value style = Value::num(face.layout.styleHeight, 2, Value::Form::Grouped);
    r.caption = Value::words(ORVANE_NOOP("dial", "Style height: %1°"), {style});
    Value root =
        Value::word(ORVANE_NOOP("dial", "No root: the style runs parallel to the face, and so do the hour lines."));
    Value distance = Value::word(ORVANE_NOOP("dial", ", no root"));
    if (const std::optional<PlatePoint> &p = face.layout.root) {
        const Value far = Value::num(std::hypot(p->x, p->y), 1, Value::Form::Grouped);
        root =
            Value::words(ORVANE_NOOP("dial", "Root: %1 mm from the nodus's foot (x %2, y %3 mm)"),
                         {far, Value::num(p->x, 1, Value::Form::Grouped), Value::num(p->y, 1, Value::Form::Grouped)});
        distance = Value::words(ORVANE_NOOP("dial", ", root %1 mm from the foot"), {far});
    }
    r.figures = Value::words(
        "%1%2", {root, Value::word(rows.empty() ? ORVANE_NOOP("dial", "\nNo hour line falls on this plate.") : "")});
    r.count = rows.empty() ? Value::word("")
                           : Value::words(ORVANE_NOOP("dial", "%1 hour lines"), {Value::num(double(rows.size()), 0)});
    r.summary =
        Value::words(ORVANE_NOOP("dial", "Style height %1°%2, %3."),
                     {style, distance,
                      rows.empty() ? Value::word(ORVANE_NOOP("dial", "no hour line on the plate")) : hourRange(rows)});
    // The kind's title comes in its words already.
    const Value title = Value::word(in.kindTitle);
    r.description = rows.empty()
                        ? Value::words(ORVANE_NOOP("dial", "%1, style height %2°. No hour line falls on this plate."),
                                       {title, style})
                        : Value::words(ORVANE_NOOP("dial", "%1, style height %2°. %3.%4"),
                                       {title, style, hourRange(rows), noonWords(*in.kind, rows)});
}

// A clock dial's CSV: a row for each day an hour's point falls on the lit
// plate.
Table clockCsv(const std::vector<DialFace> &faces)
{
    const bool named = faces.size() > 1;
    Table csv;
    csv.headings = {"hour", "label", "date", "x", "y"};
    if (named)
        csv.headings.insert(csv.headings.begin(), "face");
    for (const DialFace &face : faces)
        for (const HourLineRow &h : face.hourLines)
            for (const ClockMark &d : h.days) {
                const PlatePoint p = onPlate(face.input.plate, d.point);
                std::vector<Value> row{Value::num(h.hour, 6, Value::Form::Shortest), Value::word(h.label),
                                       Value::word(isoDate(face.input.clockSun.year, d.dayOfYear)),
                                       Value::num(p.x, kMm), Value::num(p.y, kMm)};
                if (named)
                    row.insert(row.begin(), Value::word(face.name));
                csv.rows.push_back(std::move(row));
            }
    return csv;
}

// The old hours' pieces after the equal ones, their label naming the
// system ("italian 13"): a row for each piece's two ends, or on a clock
// dial's day rows a row for each end with no date.
void oldHoursCsv(Table &csv, const std::vector<DialFace> &faces, bool byPoint)
{
    for (const DialFace &face : faces)
        for (const OldHours &hours : face.oldHours)
            for (const OldHourLine &line : hours.lines)
                for (const Polyline &piece : line.pieces) {
                    const PlatePoint a = onPlate(face.input.plate, piece.front()),
                                     b = onPlate(face.input.plate, piece.back());
                    const Value hour = Value::num(line.hour, 0);
                    const Value label = Value::word(std::string(hourSystemName(hours.system)) + " " + line.label);
                    std::vector<std::vector<Value>> rows;
                    if (byPoint)
                        for (PlatePoint p : {a, b})
                            rows.push_back({hour, label, Value::word(""), Value::num(p.x, kMm), Value::num(p.y, kMm)});
                    else
                        rows.push_back({hour, label, Value::num(a.x, kMm), Value::num(a.y, kMm), Value::num(b.x, kMm),
                                        Value::num(b.y, kMm)});
                    for (std::vector<Value> &row : rows) {
                        if (faces.size() > 1)
                            row.insert(row.begin(), Value::word(face.name));
                        csv.rows.push_back(std::move(row));
                    }
                }
}

} // namespace

Report planeReport(const ReportInput &in)
{
    const std::vector<DialFace> &faces = *in.faces;
    const DialFace &first = faces.front();
    Report r;
    r.json.add("nodus_height_mm", Value::num(first.input.nodusHeight, kMm));
    r.json.add("dial_time", Value::word(in.dialTime));
    r.json.add("hour_step_minutes", Value::num(first.input.stepMinutes, 0));
    // The first face's keys at the top, as for every dial of one face.
    faceJson(r.json, first);
    r.headline = Value::words(ORVANE_NOOP("dial", "Style height %1°"),
                              {Value::num(first.layout.styleHeight, 2, Value::Form::Grouped)});
    designerWords(r, in);
    const Value nodus = Value::num(first.input.nodusHeight, 15, Value::Form::Shortest);
    r.size = Value::words(ORVANE_NOOP("dial", "nodus %1 mm above the plate"), {nodus});
    r.gnomonNote = gnomonWords(faces, nodus);
    r.notes = faceNotes(faces);
    Value notes = Value::list();
    for (const Value &note : r.notes)
        notes.add(note);
    r.json.add("notes", std::move(notes));
    const std::vector<LeanRow> lean = leanRows(faces);
    r.leanNote = leanWords(first.input, lean);
    if (lean.empty()) {
        r.json.add("lean_min_per_deg", Value());
    } else {
        // Each hour: [June solstice, December solstice], null where unlit.
        Value json = Value::record(true);
        for (const LeanRow &l : lean) {
            Value pair = Value::list(true);
            for (const std::optional<double> &m : {l.june, l.december})
                pair.add(m ? Value::num(*m, 2) : Value());
            json.add(std::to_string(l.hour), std::move(pair));
        }
        r.json.add("lean_min_per_deg", std::move(json));
    }
    if (faces.size() > 1) {
        Value all = Value::list();
        for (const DialFace &face : faces) {
            Value entry = Value::record();
            entry.add("name", Value::word(face.name)).add("lit", Value::word(face.lit));
            faceJson(entry, face);
            all.add(std::move(entry));
        }
        r.json.add("faces", std::move(all));
    }

    r.text.push_back(line(axesWords(*in.kind)));
    for (const DialFace &face : faces) {
        if (!face.name.empty())
            r.text.push_back({TextBlock::Form::Line,
                              Value::words("%1%2", {Value::word(&face == &first ? "" : "\n"), faceTitle(face)}),
                              {},
                              {},
                              {}});
        faceText(r.text, face, in);
    }
    for (const Value &note : r.notes)
        r.text.push_back(noteLine(note));
    if (!lean.empty())
        r.text.push_back({TextBlock::Form::Line, Value::words(kLeanLine, {r.leanNote}), {}, {}, {}});

    // A dial of two faces names each row's face first.
    const bool named = faces.size() > 1;
    if (first.layout.clockYear) {
        r.csv = clockCsv(faces);
        oldHoursCsv(r.csv, faces, true);
        return r;
    }
    r.csv.headings = {"hour", "label", "x1", "y1", "x2", "y2"};
    if (named)
        r.csv.headings.insert(r.csv.headings.begin(), "face");
    for (const DialFace &face : faces)
        for (const HourLineRow &h : face.hourLines) {
            const PlatePoint a = onPlate(face.input.plate, h.line.from), b = onPlate(face.input.plate, h.line.to);
            std::vector<Value> row{Value::num(h.hour, 6, Value::Form::Shortest),
                                   Value::word(h.label),
                                   Value::num(a.x, kMm),
                                   Value::num(a.y, kMm),
                                   Value::num(b.x, kMm),
                                   Value::num(b.y, kMm)};
            if (named)
                row.insert(row.begin(), Value::word(face.name));
            r.csv.rows.push_back(std::move(row));
        }
    oldHoursCsv(r.csv, faces, false);
    return r;
}

} // namespace orvane::dial
