#include "dial_output.h"
#include "field/dial_choices.h"
#include "ground_output.h"

#include "cli_options.h"
#include "dial/card_drawing.h"
#include "json_writer.h"
#include "site_json.h"
#include "text_table.h"

#include "text/wording.h"

#include "dial/dial_kinds.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// Plate positions to 0.01 mm, degrees to 0.001.
constexpr int kMmDecimals = 2;
constexpr int kDegDecimals = 3;

double rounded(double x) { return std::round(x * 100) / 100; }

// Rounded, then kept on the rounded plate: a point on an edge stays on it.
dial::PlatePoint onPlate(const dial::PlateRect &plate, dial::PlatePoint p)
{
    return {std::clamp(rounded(p.x), rounded(plate.xMin), rounded(plate.xMax)),
            std::clamp(rounded(p.y), rounded(plate.yMin), rounded(plate.yMax))};
}

void point(JsonWriter &w, dial::PlatePoint p, const char *key = nullptr)
{
    w.beginArray(key, true);
    w.value(nullptr, p.x, kMmDecimals);
    w.value(nullptr, p.y, kMmDecimals);
    w.endArray();
}

void segment(JsonWriter &w, const char *key, const dial::PlateRect &plate, const dial::PlateSegment &s)
{
    w.beginArray(key, true);
    point(w, onPlate(plate, s.from));
    point(w, onPlate(plate, s.to));
    w.endArray();
}

void dateLines(JsonWriter &w, const DesignFace &face)
{
    w.beginArray("date_lines");
    for (const DesignDateLine &line : face.dateLines) {
        // One entry per piece the plate leaves, one with no points when it leaves none.
        const std::vector<dial::Polyline> none(1);
        for (const dial::Polyline &piece : line.pieces.empty() ? none : line.pieces) {
            w.beginObject();
            w.value("name", line.name);
            w.value("label", line.label);
            if (line.date.isValid())
                w.value("date", line.date.toString(Qt::ISODate));
            w.value("declination_deg", line.declination, kDegDecimals);
            w.beginArray("points_mm", true);
            for (dial::PlatePoint p : piece)
                point(w, onPlate(face.input.plate, p));
            w.endArray();
            w.endObject();
        }
    }
    w.endArray();
}

QString pointText(dial::PlatePoint p) { return QStringLiteral("(%1, %2)").arg(fixed(p.x, 1), fixed(p.y, 1)); }

// What one face shows: its orientation, plate, style, hour lines, gnomon and date lines.
void faceJson(JsonWriter &w, const DesignFace &face)
{
    const dial::DialLayout &l = face.layout;
    const dial::PlateRect &plate = face.input.plate;
    // A level face looks nowhere in particular.
    if (face.input.tilt != 0)
        w.value("facing_deg", face.input.facing, kDegDecimals);
    else
        w.null("facing_deg");
    w.value("tilt_deg", face.input.tilt, kDegDecimals);
    w.beginArray("plate_mm", true);
    for (double x : {plate.xMin, plate.yMin, plate.xMax, plate.yMax})
        w.value(nullptr, x, kMmDecimals);
    w.endArray();
    w.value("style_height_deg", l.styleHeight, kDegDecimals);
    if (l.root)
        point(w, *l.root, "root_mm"); // may lie off the plate
    else
        w.null("root_mm");
    if (l.substyle)
        segment(w, "substyle_mm", plate, *l.substyle);
    else
        w.null("substyle_mm");

    w.beginArray("hour_lines");
    for (const dial::HourLineRow &h : face.hourLines) {
        w.beginObject(nullptr, true);
        w.value("hour", h.hour, 2);
        w.value("label", QString::fromStdString(h.label));
        w.value("angle_deg", h.angleDeg, kDegDecimals);
        segment(w, "points_mm", plate, h.line);
        w.endObject();
    }
    w.endArray();

    if (l.gnomon) {
        w.beginObject("gnomon", true);
        w.value("style_length_mm", l.gnomon->styleLength, kMmDecimals);
        w.value("height_mm", l.gnomon->height, kMmDecimals);
        w.value("base_mm", l.gnomon->base, kMmDecimals);
        // The piece as cut, over the substyle on the plate.
        w.value("cut_base_mm", l.gnomon->cutBase, kMmDecimals);
        w.value("cut_edge_mm", l.gnomon->cutEdge, kMmDecimals);
        w.value("cut_style_mm", l.gnomon->cutStyle, kMmDecimals);
        w.endObject();
    } else {
        w.null("gnomon");
    }
    dateLines(w, face);
}

} // namespace

QString dialTimeName(dial::DialTime time) { return QLatin1String(choiceOf(kDialTimes, time).option); }

bool correctionJson(JsonWriter &w, const DialData &d)
{
    if (!d.options.card || !d.design.card)
        return false;
    w.beginArray("correction");
    for (const CardDay &day : d.design.card->days) {
        w.beginObject(nullptr, true);
        w.value("date", day.date.toString(Qt::ISODate));
        w.value("add_s", day.addSeconds, 1);
        w.endObject();
    }
    w.endArray();
    return true;
}

QString dialJson(const DialData &d)
{
    const DialDesign &design = d.design;
    JsonWriter w;
    w.beginObject();
    writeSiteJson(w, d.site, d.zoneName, d.place);
    w.beginObject("dial");
    w.value("type", QLatin1String(design.kind->commandName));
    if (design.faces.front().layout.ground) {
        groundJson(w, d);
        w.endObject();
        w.endObject();
        return w.text();
    }
    w.value("nodus_height_mm", design.faces.front().input.nodusHeight, kMmDecimals);
    w.value("dial_time", dialTimeName(design.faces.front().input.time));
    w.value("hour_step_minutes", design.faces.front().input.stepMinutes);
    // The first face's keys at the top, as for every dial of one face.
    faceJson(w, design.faces.front());
    w.beginArray("notes");
    for (const QString &note : design.faceNotes)
        w.value(nullptr, note);
    w.endArray();
    if (design.lean.empty()) {
        w.null("lean_min_per_deg");
    } else {
        // Each hour: [June solstice, December solstice], null where unlit.
        w.beginObject("lean_min_per_deg", true);
        for (const DialDesign::Lean &lean : design.lean) {
            w.beginArray(QByteArray::number(lean.hour).constData(), true);
            for (const std::optional<double> &m : {lean.june, lean.december})
                if (m)
                    w.value(nullptr, *m, 2);
                else
                    w.null(nullptr);
            w.endArray();
        }
        w.endObject();
    }
    if (design.faces.size() > 1) {
        w.beginArray("faces");
        for (const DesignFace &face : design.faces) {
            w.beginObject();
            w.value("name", face.name);
            w.value("lit", face.lit);
            faceJson(w, face);
            w.endObject();
        }
        w.endArray();
    }
    correctionJson(w, d);
    w.endObject();
    w.endObject();
    return w.text();
}

// One face's figures, hour lines and date lines.
QString faceText(const dial::DialKind &kind, const DesignFace &face)
{
    const dial::DialLayout &l = face.layout;
    const dial::PlateRect &plate = face.input.plate;
    Rows figures;
    if (face.input.tilt != 0)
        figures << QStringList{face.input.tilt == 90 ? QStringLiteral("the wall faces")
                                                     : QStringLiteral("the face looks"),
                               fixed(face.input.facing, 3)};
    if (kind.takes(dial::DialSetting::Tilt) || (face.input.tilt != 0 && face.input.tilt != 90))
        figures << QStringList{QStringLiteral("tilt from the zenith"), fixed(face.input.tilt, 3)};
    figures << QStringList{QStringLiteral("nodus height"), fixed(face.input.nodusHeight, 1) + QStringLiteral(" mm")};
    figures << QStringList{QStringLiteral("plate"), QStringLiteral("x %1 to %2, y %3 to %4")
                                                        .arg(fixed(plate.xMin, 1), fixed(plate.xMax, 1),
                                                             fixed(plate.yMin, 1), fixed(plate.yMax, 1))};
    figures << QStringList{QStringLiteral("style height"), fixed(l.styleHeight, 3)};
    figures << QStringList{QStringLiteral("root"), l.root ? pointText(*l.root)
                                                          : QStringLiteral("none: the style runs parallel to the "
                                                                           "face, the hour lines are parallel")};
    if (l.substyle)
        figures << QStringList{QStringLiteral("substyle"),
                               pointText(l.substyle->from) + QStringLiteral(" to ") + pointText(l.substyle->to)};
    if (l.gnomon)
        figures << QStringList{
            QStringLiteral("gnomon"),
            QStringLiteral("style %1 mm, height %2 mm, base %3 mm")
                .arg(fixed(l.gnomon->styleLength, 1), fixed(l.gnomon->height, 1), fixed(l.gnomon->base, 1))};
    if (l.gnomon && l.gnomon->cutEdge > 0)
        figures << QStringList{
            QStringLiteral("gnomon as cut"),
            QStringLiteral("base %1 mm from the plate's edge to the foot, edge %2 mm at the "
                           "plate's edge, style %3 mm (the root lies off the plate)")
                .arg(fixed(l.gnomon->cutBase, 1), fixed(l.gnomon->cutEdge, 1), fixed(l.gnomon->cutStyle, 1))};
    QString text = labelled(figures);

    text += l.root ? QStringLiteral("\nHour lines (angle at the root from the noon side of the y axis, + towards x)\n")
                   : QStringLiteral("\nHour lines (parallel: angle from %1, + towards x)\n")
                         .arg(QLatin1String(kind.reference));
    Rows lines{{QStringLiteral("hour"), QStringLiteral("angle"), QStringLiteral("from"), QStringLiteral("to")}};
    for (const dial::HourLineRow &h : face.hourLines)
        lines << QStringList{QString::fromStdString(h.label), signedFixed(h.angleDeg, 3), pointText(h.line.from),
                             pointText(h.line.to)};
    text += columns(lines);

    if (!face.dateLines.empty()) {
        text += QStringLiteral("\nDate lines\n");
        Rows dates{{QStringLiteral("line"), QStringLiteral("declination"), QStringLiteral("points"),
                    QStringLiteral("from"), QStringLiteral("to")}};
        for (const DesignDateLine &line : face.dateLines) {
            std::size_t count = 0;
            for (const dial::Polyline &piece : line.pieces)
                count += piece.size();
            const bool seen = count > 0;
            dates << QStringList{line.label, signedFixed(line.declination, 3), QString::number(count),
                                 seen ? pointText(line.pieces.front().front()) : QStringLiteral("off the plate"),
                                 seen ? pointText(line.pieces.back().back()) : QString()};
        }
        text += columns(dates);
    }
    return text;
}

namespace {

// With --card, the card by week.
QString cardText(const DialData &d)
{
    if (!d.options.card || !d.design.card)
        return {};
    QString text = QStringLiteral("\nCorrection card %1: add to the dial's reading to get the clock's time\n")
                       .arg(d.site.date.year());
    Rows card{{QStringLiteral("week from"), QStringLiteral("add"), QStringLiteral("seconds")}};
    for (const CardDay &day : weeklyRows(*d.design.card))
        card << QStringList{day.date.toString(Qt::ISODate),
                            QString::fromStdString(dial::minutesSeconds(day.addSeconds)),
                            signedFixed(day.addSeconds, 1)};
    return text + columns(card);
}

} // namespace

QString dialText(const DialData &d)
{
    const DialDesign &design = d.design;
    const dial::DialKind &kind = *design.kind;
    const FieldInputs &s = d.site;
    QString text = d.place ? sitePlaceText(*d.place) : QString();
    text += QStringLiteral("%1 for latitude %2, longitude %3, showing %4\n")
                .arg(QString::fromUtf8(kind.title), QString::number(s.latitude, 'g', 10),
                     QString::number(s.longitude, 'g', 10),
                     design.faces.front().input.time == dial::DialTime::Zone
                         ? QStringLiteral("zone time (the 12 line at UTC%1's mean noon)")
                               .arg(utcOffsetText(s.clock.utcOffsetMinutes))
                         : QStringLiteral("sun time"));
    if (design.faces.front().layout.ground)
        return text + u'\n' + groundText(d) + cardText(d);
    text += QStringLiteral("Millimetres on the plate from the nodus's foot: x to the %1, y %2.\n\n")
                .arg(QLatin1String(kind.xWord), QLatin1String(kind.yWord));
    for (const DesignFace &face : design.faces) {
        if (!face.name.isEmpty())
            text += QStringLiteral("%1The %2 face, %3\n")
                        .arg(&face == &design.faces.front() ? QString() : QStringLiteral("\n"), face.name, face.lit);
        text += faceText(kind, face);
    }
    for (const QString &note : design.faceNotes)
        text += QStringLiteral("\nNote: %1.\n").arg(note);
    if (!design.leanNote.isEmpty())
        text += QStringLiteral("\nLean: %1.\n").arg(design.leanNote);
    return text + cardText(d);
}

QString dialCsv(const DialData &d)
{
    QString text;
    if (d.options.card && d.design.card) {
        text = QStringLiteral("date,add_s\n");
        for (const CardDay &day : d.design.card->days)
            text += day.date.toString(Qt::ISODate) + u',' + fixed(day.addSeconds, 1) + u'\n';
        return text;
    }
    if (d.design.faces.front().layout.ground)
        return groundCsv(d);
    // A dial of two faces names each row's face first.
    const bool named = d.design.faces.size() > 1;
    text = QStringLiteral("%1hour,label,x1,y1,x2,y2\n").arg(named ? QStringLiteral("face,") : QString());
    for (const DesignFace &face : d.design.faces)
        for (const dial::HourLineRow &h : face.hourLines) {
            const dial::PlatePoint a = onPlate(face.input.plate, h.line.from), b = onPlate(face.input.plate, h.line.to);
            QStringList cells{QString::number(h.hour, 'g', 6),
                              QString::fromStdString(h.label),
                              fixed(a.x, 2),
                              fixed(a.y, 2),
                              fixed(b.x, 2),
                              fixed(b.y, 2)};
            if (named)
                cells.prepend(face.name);
            text += cells.join(u',') + u'\n';
        }
    return text;
}

} // namespace orvane
