#include "sheet_text.h"

#include "shadow_plan.h"
#include "sun_at_text.h"

#include "text/report_text.h"
#include "text/result_text.h"
#include "text/summer_time.h"
#include "text/time_zones.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

using angles::kSecondsPerDay;

bool hasNote(const EventField &f, FieldNote n) { return std::find(f.notes.begin(), f.notes.end(), n) != f.notes.end(); }

bool castsShadow(const EventField &f) { return f.seen && f.shadowLengthPerM.has_value(); }

// "due east", "due south" (or north), "due west".
QString bearingWords(const EventField &f) { return QStringLiteral("due ") + eventDirectionName(f); }

} // namespace

QString eventTitle(FieldEvent e) { return firstUpper(fieldEventName(e)); }

QString eventAim(const EventField &f) { return QStringLiteral("sun ") + bearingWords(f); }

QString degreesText(double degrees, const QLocale &locale, int decimals)
{
    return plainLocale(locale).toString(degrees, 'f', decimals) + QChar(0x00B0);
}

QString bearingText(double degrees, const QLocale &locale, int decimals)
{
    return degreesText(roundedBearing(degrees, decimals), locale, decimals);
}

QString heightText(double metres, const QLocale &locale) { return plainLocale(locale).toString(metres, 'f', 2); }

QString lengthText(double metres, const QLocale &locale)
{
    return plainLocale(locale).toString(metres, 'f', 2) + QStringLiteral(" m");
}

QString shadowText(double bearingDeg, std::optional<double> lengthPerM, double plumbHeightM, const QLocale &locale)
{
    return QStringLiteral("Shadow ") + bearingText(bearingDeg, locale) +
           (lengthPerM ? QStringLiteral(", ") + lengthText(*lengthPerM * plumbHeightM, locale) + QStringLiteral(" long")
                       : QStringLiteral(", none"));
}

QString turnText(double degPerMin, const QLocale &locale)
{
    return QStringLiteral("Turns %1 a minute, %2")
        .arg(degreesText(std::fabs(degPerMin), locale, 2),
             degPerMin >= 0 ? QStringLiteral("clockwise") : QStringLiteral("anticlockwise"));
}

EventTexts eventTexts(const EventField &f, double plumbHeightM, const QLocale &locale)
{
    EventTexts t;
    if (!f.seen) {
        t.clock = QStringLiteral("never seen");
        t.precise = QStringLiteral("The sun never stands %1 above the horizon on this date.").arg(bearingWords(f));
        t.unusable = true;
        return t;
    }
    t.clock = timeText(f.methodClock / kSecondsPerDay, locale);
    if (f.preciseClock && f.differenceSeconds)
        t.precise = QStringLiteral("Precise %1 (%2 s)")
                        .arg(timeTextTenths(*f.preciseClock, locale),
                             signedNumberText(*f.differenceSeconds, 1, locale, NegativeZero::Kept));
    else
        t.precise = QStringLiteral("Precise: the true sun does not reach this bearing above the horizon");
    t.altitude = QStringLiteral("Sun's altitude ") + degreesText(f.altitudeDeg, locale);
    t.shadow = shadowText(f.shadowBearingDeg, f.shadowLengthPerM, plumbHeightM, locale);
    t.turn = turnText(f.turnDegPerMin, locale);
    t.offLine = QStringLiteral("Off the true line %1 (%2 mm/m)")
                    .arg(degreesText(std::fabs(f.offLineDeg), locale, 2),
                         plainLocale(locale).toString(std::fabs(f.offLineMmPerM), 'f', 1));
    for (FieldNote n : f.notes)
        t.notes << firstUpper(fieldNoteText(n));
    t.unusable = hasNote(f, FieldNote::BelowHorizon);
    return t;
}

QStringList aroundHeaders()
{
    return {QStringLiteral("Clock"), QStringLiteral("Azimuth"), QStringLiteral("Altitude"),
            QStringLiteral("Shadow bearing")};
}

QStringList aroundCells(const AroundRow &row, const QLocale &locale)
{
    return {timeText(row.clock / kSecondsPerDay, locale), bearingText(row.azimuthDeg, locale),
            degreesText(row.altitudeDeg, locale), bearingText(row.shadowBearingDeg, locale)};
}

QStringList dayHeaders(const FieldData &d)
{
    QStringList headers{QStringLiteral("Date")};
    for (FieldEvent e : kFieldEvents)
        headers << firstUpper(e != FieldEvent::Meridian ? fieldEventName(e) : eventDirectionName(d.events[1]));
    for (const BearingField &b : d.bearings)
        headers << bearingValueText(b.bearingDeg, QLocale());
    return headers;
}

QStringList dayCells(const DayRow &row, const QLocale &locale)
{
    QStringList cells{locale.toString(row.date, QStringLiteral("ddd ")) +
                      locale.toString(row.date, QLocale::ShortFormat)};
    for (const std::optional<double> &t : row.method)
        cells << (t ? timeText(*t / kSecondsPerDay, locale) : QStringLiteral("never"));
    for (const std::vector<double> &clocks : row.bearingClocks) {
        QStringList times;
        for (double c : clocks)
            times << timeText(c / kSecondsPerDay, locale);
        cells << (times.isEmpty() ? QStringLiteral("never") : times.join(QStringLiteral(", ")));
    }
    return cells;
}

QString siteText(const SheetRequest &r, const QLocale &locale)
{
    return QStringLiteral("Latitude %1 %2, Longitude %3 %4")
        .arg(reportNumberText(std::fabs(r.latitude), locale), firstUpper(compassName(latitudeSide(r.latitude))),
             reportNumberText(std::fabs(r.longitude), locale),
             firstUpper(compassName(r.west ? Compass::West : Compass::East)));
}

QString dateText(const QDate &date, const QLocale &locale) { return locale.toString(date, QLocale::LongFormat); }

QString clockDescription(const SheetRequest &r)
{
    const QString offset = utcOffsetName(r.clock.offsetSeconds() / 60);
    return QStringLiteral("Clock: %1, %2 (%3)")
        .arg(timeZoneName(r.clock.zoneIndex),
             r.clock.daylightSaving ? QStringLiteral("daylight saving time") : QStringLiteral("standard time"), offset);
}

QString summerTimeLine(const SheetRequest &r)
{
    return r.clock.zone ? firstUpper(summerTimeWords(*r.clock.zone, r.date.year())) : QString();
}

QString markText(const MarkField &m, const QLocale &locale)
{
    const QString line = trueLineName(m.line);
    const QString bearing = bearingText(m.shadowBearingDeg, locale);
    if (std::fabs(m.turnDeg) < 0.05)
        return QStringLiteral("The shadow then pointed to %1: the mark lies on the %2 line.").arg(bearing, line);
    return QStringLiteral("The shadow then pointed to %1: the mark belongs to the %2 line. Turn it %3 %4 (seen from "
                          "above) about the foot of the plumb line.")
        .arg(bearing, line, degreesText(std::fabs(m.turnDeg), locale),
             m.turnDeg > 0 ? QStringLiteral("clockwise") : QStringLiteral("anticlockwise"));
}

QString planDescription(const FieldData &d, double plumbHeightM, const QLocale &locale)
{
    QStringList sentences{
        QStringLiteral("North up, the plumb line's foot in the middle, the dotted circle %1 m from it.")
            .arg(reportNumberText(planRangeM(d, plumbHeightM), locale))};
    for (const EventField &f : d.events) {
        const QString title = eventTitle(f.event);
        if (castsShadow(f))
            sentences << QStringLiteral("%1: at %2 the shadow points to %3 and is %4 long.")
                             .arg(title, timeText(f.methodClock / kSecondsPerDay, locale),
                                  bearingText(f.shadowBearingDeg, locale),
                                  lengthText(*f.shadowLengthPerM * plumbHeightM, locale));
        else if (f.seen)
            sentences << QStringLiteral("%1: no shadow, the sun is below the horizon.").arg(title);
        else
            sentences << QStringLiteral("%1: never seen on this date.").arg(title);
    }
    for (const BearingField &b : d.bearings)
        for (const SunMoment &m : b.times)
            if (m.shadowLengthPerM)
                sentences << QStringLiteral("%1: at %2 the shadow points to %3 and is %4 long.")
                                 .arg(bearingTitle(b.bearingDeg, locale), timeText(m.clock / kSecondsPerDay, locale),
                                      bearingText(m.shadowBearingDeg, locale),
                                      lengthText(*m.shadowLengthPerM * plumbHeightM, locale));
    return sentences.join(QLatin1Char(' '));
}

QStringList shadowlessLines(const FieldData &d)
{
    QStringList lines;
    for (const EventField &f : d.events) {
        if (!f.seen)
            lines << QStringLiteral("%1: never seen on this date").arg(eventTitle(f.event));
        else if (!castsShadow(f))
            lines << QStringLiteral("%1: sun below the horizon, no shadow").arg(eventTitle(f.event));
    }
    for (const BearingField &b : d.bearings)
        if (b.times.empty())
            lines << QStringLiteral("%1: not reached above the horizon on this date")
                         .arg(bearingTitle(b.bearingDeg, QLocale()));
    return lines;
}

} // namespace orvane
