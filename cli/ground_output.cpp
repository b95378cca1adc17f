#include "ground_output.h"

#include "dial_output.h"
#include "text_table.h"

#include "field/ground_staking.h"
#include "text/result_text.h"

#include <cmath>

namespace orvane {

namespace {

// Ground positions to the millimetre.
constexpr int kM = 3;

QString sideName(int side) { return side > 0 ? "east" : side < 0 ? "west" : "meridian"; }

} // namespace

void groundJson(JsonWriter &w, const DialData &d)
{
    const DialDesign &design = d.design;
    const dial::GroundLayout &g = *design.faces.front().layout.ground;
    w.value("half_width_m", g.halfWidth, kM);
    w.value("minor_half_width_m", g.minorHalfWidth, kM);
    w.value("dial_time", dialTimeName(design.faces.front().input.time));
    w.value("hour_step_minutes", design.faces.front().input.stepMinutes);
    w.beginArray("hour_points");
    for (const dial::GroundMark &m : g.marks) {
        w.beginObject(nullptr, true);
        w.value("hour", m.hour, 2);
        w.value("label", QString::fromStdString(m.label));
        w.value("x_m", m.at.x, kM);
        w.value("y_m", m.at.y, kM);
        w.value("from_centre_m", m.fromCentre, kM);
        w.value("from_noon_m", m.fromNoon, kM);
        w.value("side", sideName(m.side));
        w.endObject();
    }
    w.endArray();
    w.beginArray("date_scale");
    for (const DesignDateLine &line : design.faces.front().dateLines) {
        w.beginObject(nullptr, true);
        w.value("label", line.label);
        if (line.date.isValid())
            w.value("date", line.date.toString(Qt::ISODate));
        w.value("declination_deg", line.declination, 3);
        w.value("y_m", dial::groundDateY(design.faces.front().input, line.declination), kM);
        w.endObject();
    }
    w.endArray();
    w.beginArray("foci_m", true);
    for (double side : {-1.0, 1.0}) {
        w.beginArray(nullptr, true);
        w.value(nullptr, side * g.focus, kM);
        w.value(nullptr, 0.0, kM);
        w.endArray();
    }
    w.endArray();
    w.value("string_loop_m", g.stringLoop, kM);
    w.beginArray("noon_point_m", true);
    w.value(nullptr, 0.0, kM);
    w.value(nullptr, g.noonY, kM);
    w.endArray();
    w.value("meridian_time", timeText(design.meridianClock.value_or(0.5), QLocale::c()));
    w.value("gnomon_min_height_m", g.gnomonHeight, kM);
    w.beginArray("gnomon_by_hour");
    for (const dial::GnomonNeed &n : g.gnomon) {
        w.beginObject(nullptr, true);
        w.value("hour", n.hour, 2);
        w.value("label", QString::fromStdString(n.label));
        w.value("height_m", n.height, kM);
        w.value("worst_declination_deg", n.declinationDeg, 2);
        w.endObject();
    }
    w.endArray();
    if (!correctionJson(w, d))
        w.null("correction");
}

QString groundText(const DialData &d)
{
    const DialDesign &design = d.design;
    const dial::GroundLayout &g = *design.faces.front().layout.ground;
    const QLocale c = QLocale::c();
    Rows figures;
    figures << QStringList{QStringLiteral("ellipse"),
                           QStringLiteral("%1 m east-west by %2 m north-south")
                               .arg(fixed(2 * g.halfWidth, 3), fixed(2 * g.minorHalfWidth, 3))};
    figures << QStringList{
        QStringLiteral("noon point N"),
        QStringLiteral("%1 m %2 of the centre C").arg(fixed(std::fabs(g.noonY), 3), g.noonY >= 0 ? "north" : "south")};
    figures << QStringList{QStringLiteral("foci"), QStringLiteral("%1 m east and west of C").arg(fixed(g.focus, 3))};
    figures << QStringList{QStringLiteral("string loop"), fixed(g.stringLoop, 3) + QStringLiteral(" m")};
    figures << QStringList{QStringLiteral("true noon on %1").arg(design.site.date.toString(Qt::ISODate)),
                           timeText(design.meridianClock.value_or(0.5), c)};
    QString text = labelled(figures);

    text += QStringLiteral("\nStaking table (metres; x east, y north of C)\n");
    Rows rows{{QStringLiteral("hour"), QStringLiteral("from C"), QStringLiteral("from N"), QStringLiteral("side"),
               QStringLiteral("x"), QStringLiteral("y")}};
    for (const dial::GroundMark &m : g.marks)
        rows << QStringList{QString::fromStdString(m.label), fixed(m.fromCentre, 3), fixed(m.fromNoon, 3),
                            groundSideWord(m.side),          signedFixed(m.at.x, 3), signedFixed(m.at.y, 3)};
    text += columns(rows);

    if (!design.faces.front().dateLines.empty()) {
        text += QStringLiteral("\nDate scale (metres from C along the line, + north)\n");
        Rows dates{{QStringLiteral("date"), QStringLiteral("declination"), QStringLiteral("from C")}};
        for (const DesignDateLine &line : design.faces.front().dateLines)
            dates << QStringList{line.label, signedFixed(line.declination, 3),
                                 signedFixed(dial::groundDateY(design.faces.front().input, line.declination), 3)};
        text += columns(dates);
    }

    text += QStringLiteral("\nThe person as gnomon (the height whose shadow reaches the mark on its worst day, "
                           "rounded up to the cm)\n");
    Rows people{{QStringLiteral("hour"), QStringLiteral("height"), QStringLiteral("worst at declination")}};
    for (const dial::GnomonNeed &n : g.gnomon)
        people << QStringList{QString::fromStdString(n.label), heightNeededText(n.height, c) + QStringLiteral(" m"),
                              signedFixed(n.declinationDeg, 2)};
    text += columns(people);

    text += u'\n';
    int step = 0;
    for (const QString &s : stakingSteps(design, c))
        text += QStringLiteral("%1. %2\n").arg(++step).arg(s);
    return text;
}

QString groundCsv(const DialData &d)
{
    QString text = QStringLiteral("hour,label,x_m,y_m,from_centre_m,from_noon_m,side\n");
    for (const dial::GroundMark &m : d.design.faces.front().layout.ground->marks)
        text +=
            QStringList{
                QString::number(m.hour, 'g', 6), QString::fromStdString(m.label), fixed(m.at.x, kM), fixed(m.at.y, kM),
                fixed(m.fromCentre, kM),         fixed(m.fromNoon, kM),           sideName(m.side)}
                .join(u',') +
            u'\n';
    return text;
}

} // namespace orvane
