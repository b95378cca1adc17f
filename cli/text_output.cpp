#include "field_output.h"

#include "cli_options.h"
#include "text/result_text.h"
#include "text/translation.h"
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
           (c.daylightSaving ? translate("cli", " DST") : translate("cli", " std"));
}

QString heading(const FieldData &d, const QString &zoneName)
{
    const FieldInputs &in = d.inputs;
    const QString latitude = QString::number(in.latitude, 'g', 10), longitude = QString::number(in.longitude, 'g', 10);
    const QString offset = utcOffsetText(in.clock.offsetSeconds() / 60);
    QString text =
        in.clock.daylightSaving
            ? translate("cli", "Field data for latitude %1, longitude %2, on the clock UTC%3: UTC%4 standard + 1 h "
                               "daylight saving")
                  .arg(latitude, longitude, offset, utcOffsetText(in.clock.utcOffsetMinutes))
            : translate("cli", "Field data for latitude %1, longitude %2, on the clock UTC%3, standard time")
                  .arg(latitude, longitude, offset);
    if (!zoneName.isEmpty())
        text += QStringLiteral(" (%1)").arg(zoneName);
    return text + u'\n' +
           translate("cli", "Angles in degrees, bearings from north through east; lengths for a plumb line 1 m high.") +
           u'\n';
}

QString eventBlock(const EventField &f, const std::vector<AroundRow> &around)
{
    const QString name = fieldEventWords(f.event);
    QString text = u'\n' + firstUpper(name) + u'\n';
    if (!f.seen)
        return text + translate("cli", "  the sun is never seen %1 at this location and date\n").arg(name);

    Rows rows;
    rows << QStringList{translate("cli", "clock, as in the result"), clockText(f.methodClock)};
    rows << QStringList{translate("cli", "true sun due %1 at").arg(eventDirectionWords(f)),
                        f.preciseClock ? clockText(*f.preciseClock, true) +
                                             QStringLiteral(" (%1 s)").arg(signedFixed(*f.differenceSeconds, 1))
                                       : translate("cli", "never, above the horizon")};
    rows << QStringList{translate("cli", "sun azimuth"), bearingFixed(f.azimuthDeg)};
    rows << QStringList{translate("cli", "sun altitude"), fixed(f.altitudeDeg, 2)};
    rows << QStringList{translate("cli", "shadow bearing"), bearingFixed(f.shadowBearingDeg)};
    rows << QStringList{translate("cli", "shadow length"), f.shadowLengthPerM
                                                               ? fixed(*f.shadowLengthPerM, 3) + QStringLiteral(" m")
                                                               : translate("cli", "none")};
    rows << QStringList{translate("cli", "off the true line"),
                        signedFixed(f.offLineDeg, 3) +
                            translate("cli", " = %1 mm at 1 m").arg(signedFixed(f.offLineMmPerM, 1))};
    rows << QStringList{translate("cli", "the shadow turns"),
                        translate("cli", "%1 per minute").arg(fixed(f.turnDegPerMin, 3))};
    for (FieldNote n : f.notes)
        rows << QStringList{translate("cli", "note"), fieldNoteText(n)};
    text += labelled(rows);

    Rows table{{translate("cli", "clock"), translate("cli", "azimuth"), translate("cli", "altitude"),
                translate("cli", "shadow")}};
    for (const AroundRow &a : around)
        if (a.event == f.event)
            table << QStringList{clockText(a.clock), bearingFixed(a.azimuthDeg), fixed(a.altitudeDeg, 2),
                                 bearingFixed(a.shadowBearingDeg)};
    return text + u'\n' + columns(table);
}

QString daysTable(const FieldData &d)
{
    Rows table{{translate("cli", "date"), translate("cli", "clock"), translate("cli", "east"),
                translate("cli", "meridian"), translate("cli", "west"), translate("cli", "true east"),
                translate("cli", "true meridian"), translate("cli", "true west")}};
    for (const DayRow &row : d.days) {
        QStringList cells{row.date.toString(Qt::ISODate), clockName(row.clock)};
        for (const auto *times : {&row.method, &row.precise})
            for (FieldEvent e : kFieldEvents) {
                const std::optional<double> &t = (*times)[static_cast<int>(e)];
                cells << (t ? clockText(*t, times == &row.precise) : QStringLiteral("-"));
            }
        table << cells;
    }
    return u'\n' + translate("cli", "Days (- where the sun is never seen there)") + u'\n' + columns(table);
}

QString markBlock(const MarkField &m)
{
    return u'\n' + translate("cli", "Mark at %1").arg(clockText(m.clock)) + u'\n' +
           labelled({{translate("cli", "shadow bearing"), bearingFixed(m.shadowBearingDeg)},
                     {translate("cli", "nearest true line"), trueLineName(m.line)},
                     {translate("cli", "turn the mark"),
                      (m.turnDeg < 0 ? translate("cli", "%1 (counterclockwise seen from above)")
                                     : translate("cli", "%1 (clockwise seen from above)"))
                          .arg(signedFixed(m.turnDeg, 3))}});
}

QString lengthCell(const std::optional<double> &perM)
{
    return perM ? fixed(*perM, 3) + QStringLiteral(" m") : translate("cli", "none");
}

QString sunAtBlocks(const FieldData &d)
{
    QString text;
    for (const BearingField &b : d.bearings) {
        text += u'\n' + translate("cli", "Sun at bearing %1").arg(QString::number(b.bearingDeg, 'g', 10)) + u'\n';
        if (b.times.empty()) {
            text += translate("cli", "  not reached above the horizon on this date\n");
            continue;
        }
        Rows table{{translate("cli", "clock"), translate("cli", "true sun at"), translate("cli", "altitude"),
                    translate("cli", "shadow"), translate("cli", "length"), translate("cli", "turns per minute")}};
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
        text += u'\n' + translate("cli", "Sun at altitude %1").arg(QString::number(a.altitudeDeg, 'g', 10)) + u'\n';
        if (a.times.empty()) {
            text += translate("cli", "  not reached on this date\n");
            continue;
        }
        Rows table{{translate("cli", "clock"), translate("cli", "true sun at"), translate("cli", "sun"),
                    translate("cli", "azimuth"), translate("cli", "shadow"), translate("cli", "length")}};
        for (const SunMoment &m : a.times)
            table << QStringList{clockText(m.clock),
                                 clockText(m.preciseClock, true),
                                 m.rising ? translate("cli", "rising") : translate("cli", "setting"),
                                 bearingFixed(m.azimuthDeg),
                                 bearingFixed(m.shadowBearingDeg),
                                 lengthCell(m.shadowLengthPerM)};
        text += columns(table);
    }
    if (d.wall) {
        const WallField &w = *d.wall;
        Rows table{{translate("cli", "clock"), translate("cli", "angle"), translate("cli", "sun azimuth"),
                    translate("cli", "facing"), translate("cli", "residual")}};
        for (const WallField::Reading &r : w.readings)
            table << QStringList{clockText(r.clock), signedFixed(r.angleDeg, 3), bearingFixed(r.sunAzimuthDeg),
                                 bearingFixed(r.facingDeg), signedFixed(r.residualDeg, 3)};
        const QString equator = compassWords(equatorSide(d.inputs.latitude));
        text += u'\n' + translate("cli", "Wall") + u'\n' + columns(table) +
                labelled({{translate("cli", "the wall faces"), bearingFixed(w.facingDeg)},
                          {translate("cli", "declination"),
                           w.side == DeclinationSide::None
                               ? translate("cli", "%1 (faces %2)").arg(fixed(w.declinationDeg, 3), equator)
                               : translate("cli", "%1 %2 of %3")
                                     .arg(fixed(w.declinationDeg, 3), declinationSideName(w.side), equator)},
                          {translate("cli", "spread"), fixed(w.spreadDeg, 3)}});
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
        text += translate("cli", "Warning: %1").arg(fieldWarningText(w)) + u'\n';
    return text;
}

} // namespace orvane
