#include "sheet_text.h"

#include "shadow_plan.h"
#include "sun_at_text.h"

#include "text/report_text.h"
#include "text/result_text.h"
#include "text/summer_time.h"
#include "text/time_zones.h"
#include "text/translation.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

using angles::kSecondsPerDay;

bool hasNote(const EventField &f, FieldNote n) { return std::find(f.notes.begin(), f.notes.end(), n) != f.notes.end(); }

bool castsShadow(const EventField &f) { return f.seen && f.shadowLengthPerM.has_value(); }

// The event's direction: the meridian's is south or north.
Compass eventDirection(const EventField &f)
{
    if (f.event == FieldEvent::Meridian)
        return f.north ? Compass::North : Compass::South;
    return f.event == FieldEvent::East ? Compass::East : Compass::West;
}

// "due east", "due south" (or north), "due west".
QString bearingWords(const EventField &f)
{
    switch (eventDirection(f)) {
    case Compass::North:
        return translate("sheet", "due north");
    case Compass::East:
        return translate("sheet", "due east");
    case Compass::South:
        return translate("sheet", "due south");
    case Compass::West:
        break;
    }
    return translate("sheet", "due west");
}

// "North", "East", as a heading or after a number.
QString compassTitle(Compass c)
{
    switch (c) {
    case Compass::North:
        return translate("sheet", "North");
    case Compass::East:
        return translate("sheet", "East");
    case Compass::South:
        return translate("sheet", "South");
    case Compass::West:
        break;
    }
    return translate("sheet", "West");
}

} // namespace

QString eventTitle(FieldEvent e)
{
    return e == FieldEvent::Meridian ? translate("sheet", "Meridian")
                                     : compassTitle(e == FieldEvent::East ? Compass::East : Compass::West);
}

QString eventName(FieldEvent e)
{
    switch (e) {
    case FieldEvent::East:
        return translate("sheet", "east", "event");
    case FieldEvent::Meridian:
        return translate("sheet", "meridian", "event");
    case FieldEvent::West:
        break;
    }
    return translate("sheet", "west", "event");
}

QString eventAim(const EventField &f)
{
    switch (eventDirection(f)) {
    case Compass::North:
        return translate("sheet", "sun due north");
    case Compass::East:
        return translate("sheet", "sun due east");
    case Compass::South:
        return translate("sheet", "sun due south");
    case Compass::West:
        break;
    }
    return translate("sheet", "sun due west");
}

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

QString noteText(const QString &note) { return translate("sheet", "Note: %1").arg(note); }

QString shadowText(double bearingDeg, std::optional<double> lengthPerM, double plumbHeightM, const QLocale &locale)
{
    if (!lengthPerM)
        return translate("sheet", "Shadow %1, none").arg(bearingText(bearingDeg, locale));
    return translate("sheet", "Shadow %1, %2 long")
        .arg(bearingText(bearingDeg, locale), lengthText(*lengthPerM * plumbHeightM, locale));
}

QString turnText(double degPerMin, const QLocale &locale)
{
    const QString rate = degreesText(std::fabs(degPerMin), locale, 2);
    return degPerMin >= 0 ? translate("sheet", "Turns %1 a minute, clockwise").arg(rate)
                          : translate("sheet", "Turns %1 a minute, anticlockwise").arg(rate);
}

EventTexts eventTexts(const EventField &f, double plumbHeightM, const QLocale &locale)
{
    EventTexts t;
    if (!f.seen) {
        t.clock = translate("sheet", "never seen");
        t.precise = translate("sheet", "The sun never stands %1 above the horizon on this date.").arg(bearingWords(f));
        t.unusable = true;
        return t;
    }
    t.clock = timeText(f.methodClock / kSecondsPerDay, locale);
    if (f.preciseClock && f.differenceSeconds)
        t.precise = translate("sheet", "Precise %1 (%2 s)")
                        .arg(timeTextTenths(*f.preciseClock, locale),
                             signedNumberText(*f.differenceSeconds, 1, locale, NegativeZero::Kept));
    else
        t.precise = translate("sheet", "Precise: the true sun does not reach this bearing above the horizon");
    t.altitude = translate("sheet", "Sun's altitude %1").arg(degreesText(f.altitudeDeg, locale));
    t.shadow = shadowText(f.shadowBearingDeg, f.shadowLengthPerM, plumbHeightM, locale);
    t.turn = turnText(f.turnDegPerMin, locale);
    t.offLine = translate("sheet", "Off the true line %1 (%2 mm/m)")
                    .arg(degreesText(std::fabs(f.offLineDeg), locale, 2),
                         plainLocale(locale).toString(std::fabs(f.offLineMmPerM), 'f', 1));
    for (FieldNote n : f.notes)
        t.notes << firstUpper(fieldNoteText(n));
    t.unusable = hasNote(f, FieldNote::BelowHorizon);
    return t;
}

QStringList aroundHeaders()
{
    return {translate("sheet", "Clock"), translate("sheet", "Azimuth"), translate("sheet", "Altitude"),
            translate("sheet", "Shadow bearing")};
}

QStringList aroundCells(const AroundRow &row, const QLocale &locale)
{
    return {timeText(row.clock / kSecondsPerDay, locale), bearingText(row.azimuthDeg, locale),
            degreesText(row.altitudeDeg, locale), bearingText(row.shadowBearingDeg, locale)};
}

QStringList dayHeaders(const FieldData &d)
{
    QStringList headers{translate("sheet", "Date")};
    for (FieldEvent e : kFieldEvents)
        headers << (e != FieldEvent::Meridian ? eventTitle(e)
                                              : compassTitle(d.events[1].north ? Compass::North : Compass::South));
    for (const BearingField &b : d.bearings)
        headers << bearingValueText(b.bearingDeg, QLocale());
    return headers;
}

QStringList dayCells(const DayRow &row, const QLocale &locale)
{
    QStringList cells{locale.toString(row.date, QStringLiteral("ddd ")) +
                      locale.toString(row.date, QLocale::ShortFormat)};
    for (const std::optional<double> &t : row.method)
        cells << (t ? timeText(*t / kSecondsPerDay, locale) : translate("sheet", "never"));
    for (const std::vector<double> &clocks : row.bearingClocks) {
        QStringList times;
        for (double c : clocks)
            times << timeText(c / kSecondsPerDay, locale);
        cells << (times.isEmpty() ? translate("sheet", "never") : times.join(QStringLiteral(", ")));
    }
    return cells;
}

QString siteText(const SheetRequest &r, const QLocale &locale)
{
    return translate("sheet", "Latitude %1 %2, Longitude %3 %4")
        .arg(reportNumberText(std::fabs(r.latitude), locale), compassTitle(latitudeSide(r.latitude)),
             reportNumberText(std::fabs(r.longitude), locale), compassTitle(r.west ? Compass::West : Compass::East));
}

QString dateText(const QDate &date, const QLocale &locale) { return locale.toString(date, QLocale::LongFormat); }

QString clockDescription(const SheetRequest &r)
{
    const QString offset = utcOffsetName(r.clock.offsetSeconds() / 60);
    return (r.clock.daylightSaving ? translate("sheet", "Clock: %1, daylight saving time (%2)")
                                   : translate("sheet", "Clock: %1, standard time (%2)"))
        .arg(timeZoneName(r.clock.zoneIndex), offset);
}

QString summerTimeLine(const SheetRequest &r)
{
    return r.clock.zone ? firstUpper(summerTimeWords(*r.clock.zone, r.date.year())) : QString();
}

QString markText(const MarkField &m, const QLocale &locale)
{
    const QString bearing = bearingText(m.shadowBearingDeg, locale);
    const bool eastWest = m.line == TrueLine::EastWest;
    if (std::fabs(m.turnDeg) < 0.05)
        return (eastWest ? translate("sheet", "The shadow then pointed to %1: the mark lies on the east-west line.")
                         : translate("sheet", "The shadow then pointed to %1: the mark lies on the north-south line."))
            .arg(bearing);
    // Whole sentences, one for each line and way to turn.
    const QString pattern =
        eastWest ? (m.turnDeg > 0 ? translate("sheet", "The shadow then pointed to %1: the mark belongs to the "
                                                       "east-west line. Turn it %2 clockwise (seen from above) about "
                                                       "the foot of the plumb line.")
                                  : translate("sheet", "The shadow then pointed to %1: the mark belongs to the "
                                                       "east-west line. Turn it %2 anticlockwise (seen from above) "
                                                       "about the foot of the plumb line."))
                 : (m.turnDeg > 0 ? translate("sheet", "The shadow then pointed to %1: the mark belongs to the "
                                                       "north-south line. Turn it %2 clockwise (seen from above) about "
                                                       "the foot of the plumb line.")
                                  : translate("sheet", "The shadow then pointed to %1: the mark belongs to the "
                                                       "north-south line. Turn it %2 anticlockwise (seen from above) "
                                                       "about the foot of the plumb line."));
    return pattern.arg(bearing, degreesText(std::fabs(m.turnDeg), locale));
}

QString planDescription(const FieldData &d, double plumbHeightM, const QLocale &locale)
{
    QStringList sentences{
        translate("sheet", "North up, the plumb line's foot in the middle, the dotted circle %1 m from it.")
            .arg(reportNumberText(planRangeM(d, plumbHeightM), locale))};
    for (const EventField &f : d.events) {
        const QString title = eventTitle(f.event);
        if (castsShadow(f))
            sentences << translate("sheet", "%1: at %2 the shadow points to %3 and is %4 long.")
                             .arg(title, timeText(f.methodClock / kSecondsPerDay, locale),
                                  bearingText(f.shadowBearingDeg, locale),
                                  lengthText(*f.shadowLengthPerM * plumbHeightM, locale));
        else if (f.seen)
            sentences << translate("sheet", "%1: no shadow, the sun is below the horizon.").arg(title);
        else
            sentences << translate("sheet", "%1: never seen on this date.").arg(title);
    }
    for (const BearingField &b : d.bearings)
        for (const SunMoment &m : b.times)
            if (m.shadowLengthPerM)
                sentences << translate("sheet", "%1: at %2 the shadow points to %3 and is %4 long.")
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
            lines << translate("sheet", "%1: never seen on this date").arg(eventTitle(f.event));
        else if (!castsShadow(f))
            lines << translate("sheet", "%1: sun below the horizon, no shadow").arg(eventTitle(f.event));
    }
    for (const BearingField &b : d.bearings)
        if (b.times.empty())
            lines << translate("sheet", "%1: not reached above the horizon on this date")
                         .arg(bearingTitle(b.bearingDeg, QLocale()));
    return lines;
}

} // namespace orvane
