#include "field_output.h"

#include "cli_options.h"
#include "text/result_text.h"
#include "text/wording.h"
#include "text_table.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// Bearings to 0.001 degree; what rounds up to 360 reads 0.000.
QString bearingFixed(double degrees) { return fixed(roundedBearing(degrees, 3), 3); }

// The clock's own offset, then whether that is standard or daylight-saving time.
QString clockName(const SiteClock &c)
{
    return QStringLiteral("UTC") + utcOffsetText(c.offsetSeconds() / 60) +
           (c.daylightSaving ? QStringLiteral(" DST") : QStringLiteral(" std"));
}

QString heading(const FieldData &d, const QString &zoneName)
{
    const FieldInputs &in = d.inputs;
    QString text = QStringLiteral("Field data for latitude %1, longitude %2, on the clock UTC%3")
                       .arg(QString::number(in.latitude, 'g', 10), QString::number(in.longitude, 'g', 10),
                            utcOffsetText(in.clock.offsetSeconds() / 60));
    text += in.clock.daylightSaving
                ? QStringLiteral(": UTC%1 standard + 1 h daylight saving").arg(utcOffsetText(in.clock.utcOffsetMinutes))
                : QStringLiteral(", standard time");
    if (!zoneName.isEmpty())
        text += QStringLiteral(" (%1)").arg(zoneName);
    return text + QStringLiteral("\nAngles in degrees, bearings from north through east; lengths for a plumb line "
                                 "1 m high.\n");
}

QString eventBlock(const EventField &f, const std::vector<AroundRow> &around)
{
    const QString name = fieldEventName(f.event);
    QString text = u'\n' + firstUpper(name) + u'\n';
    if (!f.seen)
        return text + QStringLiteral("  the sun is never seen %1 at this location and date\n").arg(name);

    Rows rows;
    rows << QStringList{QStringLiteral("clock, as in the result"), clockText(f.methodClock)};
    rows << QStringList{QStringLiteral("true sun due %1 at").arg(eventDirectionName(f)),
                        f.preciseClock ? clockText(*f.preciseClock, true) +
                                             QStringLiteral(" (%1 s)").arg(signedFixed(*f.differenceSeconds, 1))
                                       : QStringLiteral("never, above the horizon")};
    rows << QStringList{QStringLiteral("sun azimuth"), bearingFixed(f.azimuthDeg)};
    rows << QStringList{QStringLiteral("sun altitude"), fixed(f.altitudeDeg, 2)};
    rows << QStringList{QStringLiteral("shadow bearing"), bearingFixed(f.shadowBearingDeg)};
    rows << QStringList{QStringLiteral("shadow length"), f.shadowLengthPerM
                                                             ? fixed(*f.shadowLengthPerM, 3) + QStringLiteral(" m")
                                                             : QStringLiteral("none")};
    rows << QStringList{QStringLiteral("off the true line"),
                        signedFixed(f.offLineDeg, 3) +
                            QStringLiteral(" = %1 mm at 1 m").arg(signedFixed(f.offLineMmPerM, 1))};
    rows << QStringList{QStringLiteral("the shadow turns"), fixed(f.turnDegPerMin, 3) + QStringLiteral(" per minute")};
    for (FieldNote n : f.notes)
        rows << QStringList{QStringLiteral("note"), fieldNoteText(n)};
    text += labelled(rows);

    Rows table{
        {QStringLiteral("clock"), QStringLiteral("azimuth"), QStringLiteral("altitude"), QStringLiteral("shadow")}};
    for (const AroundRow &a : around)
        if (a.event == f.event)
            table << QStringList{clockText(a.clock), bearingFixed(a.azimuthDeg), fixed(a.altitudeDeg, 2),
                                 bearingFixed(a.shadowBearingDeg)};
    return text + u'\n' + columns(table);
}

QString daysTable(const FieldData &d)
{
    Rows table{{QStringLiteral("date"), QStringLiteral("clock"), QStringLiteral("east"), QStringLiteral("meridian"),
                QStringLiteral("west"), QStringLiteral("true east"), QStringLiteral("true meridian"),
                QStringLiteral("true west")}};
    for (const DayRow &row : d.days) {
        QStringList cells{row.date.toString(Qt::ISODate), clockName(row.clock)};
        for (const auto *times : {&row.method, &row.precise})
            for (FieldEvent e : kFieldEvents) {
                const std::optional<double> &t = (*times)[static_cast<int>(e)];
                cells << (t ? clockText(*t, times == &row.precise) : QStringLiteral("-"));
            }
        table << cells;
    }
    return QStringLiteral("\nDays (- where the sun is never seen there)\n") + columns(table);
}

QString markBlock(const MarkField &m)
{
    return QStringLiteral("\nMark at %1\n  shadow bearing     %2\n  nearest true line  %3\n  turn the mark      %4 "
                          "(%5 seen from above)\n")
        .arg(clockText(m.clock), bearingFixed(m.shadowBearingDeg), trueLineName(m.line), signedFixed(m.turnDeg, 3),
             m.turnDeg < 0 ? QStringLiteral("counterclockwise") : QStringLiteral("clockwise"));
}

QString lengthCell(const std::optional<double> &perM)
{
    return perM ? fixed(*perM, 3) + QStringLiteral(" m") : QStringLiteral("none");
}

QString sunAtBlocks(const FieldData &d)
{
    QString text;
    for (const BearingField &b : d.bearings) {
        text += QStringLiteral("\nSun at bearing %1\n").arg(QString::number(b.bearingDeg, 'g', 10));
        if (b.times.empty()) {
            text += QStringLiteral("  not reached above the horizon on this date\n");
            continue;
        }
        Rows table{{QStringLiteral("clock"), QStringLiteral("true sun at"), QStringLiteral("altitude"),
                    QStringLiteral("shadow"), QStringLiteral("length"), QStringLiteral("turns per minute")}};
        for (const SunMoment &m : b.times)
            table << QStringList{clockText(m.clock),
                                 clockText(m.preciseClock, true),
                                 fixed(m.altitudeDeg, 2),
                                 bearingFixed(m.shadowBearingDeg),
                                 lengthCell(m.shadowLengthPerM),
                                 fixed(m.turnDegPerMin, 3)};
        text += columns(table);
    }
    for (const AltitudeField &a : d.altitudes) {
        text += QStringLiteral("\nSun at altitude %1\n").arg(QString::number(a.altitudeDeg, 'g', 10));
        if (a.times.empty()) {
            text += QStringLiteral("  not reached on this date\n");
            continue;
        }
        Rows table{{QStringLiteral("clock"), QStringLiteral("true sun at"), QStringLiteral("sun"),
                    QStringLiteral("azimuth"), QStringLiteral("shadow"), QStringLiteral("length")}};
        for (const SunMoment &m : a.times)
            table << QStringList{clockText(m.clock),
                                 clockText(m.preciseClock, true),
                                 m.rising ? QStringLiteral("rising") : QStringLiteral("setting"),
                                 bearingFixed(m.azimuthDeg),
                                 bearingFixed(m.shadowBearingDeg),
                                 lengthCell(m.shadowLengthPerM)};
        text += columns(table);
    }
    if (d.wall) {
        const WallField &w = *d.wall;
        Rows table{{QStringLiteral("clock"), QStringLiteral("angle"), QStringLiteral("sun azimuth"),
                    QStringLiteral("facing"), QStringLiteral("residual")}};
        for (const WallField::Reading &r : w.readings)
            table << QStringList{clockText(r.clock), signedFixed(r.angleDeg, 3), bearingFixed(r.sunAzimuthDeg),
                                 bearingFixed(r.facingDeg), signedFixed(r.residualDeg, 3)};
        const QString equator = compassName(equatorSide(d.inputs.latitude));
        text += QStringLiteral("\nWall\n") + columns(table) +
                labelled({{QStringLiteral("the wall faces"), bearingFixed(w.facingDeg)},
                          {QStringLiteral("declination"),
                           w.side == DeclinationSide::None
                               ? fixed(w.declinationDeg, 3) + QStringLiteral(" (faces ") + equator + u')'
                               : QStringLiteral("%1 %2 of %3")
                                     .arg(fixed(w.declinationDeg, 3), declinationSideName(w.side), equator)},
                          {QStringLiteral("spread"), fixed(w.spreadDeg, 3)}});
    }
    return text;
}

} // namespace

QString fieldText(const FieldData &d, const QString &zoneName, const QLocale &locale,
                  const std::optional<SitePlace> &place, const std::optional<CompassReading> &compass)
{
    QString text = resultText(d.inputs.date, methodCrossings(d.inputs), locale);
    text.replace(QLatin1String(kCrLf), QStringLiteral("\n"));
    while (text.endsWith(u'\n'))
        text.chop(1);
    text += QStringLiteral("\n\n") + (place ? sitePlaceText(*place) : QString()) + heading(d, zoneName);
    if (compass)
        text += compassLine(compass, QLocale::c()) + u'\n';
    for (const EventField &f : d.events)
        text += eventBlock(f, d.around);
    text += daysTable(d);
    if (d.mark)
        text += markBlock(*d.mark);
    text += sunAtBlocks(d);
    if (!d.warnings.empty())
        text += u'\n';
    for (FieldWarning w : d.warnings)
        text += QStringLiteral("Warning: ") + fieldWarningText(w) + u'\n';
    return text;
}

} // namespace orvane
