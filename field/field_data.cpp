#include "field_data.h"
#include "field_math.h"

#include "calc/solar_state.h"
#include "sky/sun.h"
#include "text/translation.h"
#include "text/wording.h"

#include <QDateTime>

#include <cmath>

namespace orvane {

namespace {

using namespace angles;
using namespace field_math;

const SolarEvent &methodEvent(const Crossings &c, FieldEvent e)
{
    switch (e) {
    case FieldEvent::East:
        return c.east;
    case FieldEvent::Meridian:
        return c.meridian;
    case FieldEvent::West:
        break;
    }
    return c.west;
}

// The method's clock as the window shows it: to the nearest second, within the day.
double shownClock(double dayFraction)
{
    double s = std::round(dayFraction * kSecondsPerDay);
    s = std::fmod(s, kSecondsPerDay);
    return s < 0 ? s + kSecondsPerDay : s;
}

const std::optional<sky::SunEvent> &preciseEvent(const sky::DayEvents &d, FieldEvent e)
{
    switch (e) {
    case FieldEvent::East:
        return d.east;
    case FieldEvent::Meridian:
        return d.meridian;
    case FieldEvent::West:
        break;
    }
    return d.west;
}

EventField eventField(FieldEvent e, const Crossings &m, const sky::DayEvents &precise, double dayStart, sky::Sun &sun)
{
    EventField f;
    f.event = e;
    const SolarEvent &me = methodEvent(m, e);
    f.seen = me.seen;
    f.north = e == FieldEvent::Meridian && m.direction == MeridianDirection::North;
    f.targetAzimuthDeg = e == FieldEvent::East ? 90 : e == FieldEvent::West ? 270 : (f.north ? 0 : 180);
    if (!f.seen)
        return f;

    f.methodClock = shownClock(me.clock);
    if (const auto &p = preciseEvent(precise, e)) {
        f.preciseClock = p->utcSeconds - dayStart;
        f.differenceSeconds = *f.preciseClock - f.methodClock;
    }

    const double utc = dayStart + f.methodClock;
    const sky::SunPosition at = sun.position(utc);
    f.azimuthDeg = at.azimuthDeg;
    f.altitudeDeg = at.altitudeDeg;
    f.shadowBearingDeg = wrap360(at.azimuthDeg + 180);
    if (at.altitudeDeg > 0)
        f.shadowLengthPerM = 1 / std::tan(radians(at.altitudeDeg));
    f.offLineDeg = wrap180(at.azimuthDeg - f.targetAzimuthDeg);
    f.offLineMmPerM = 1000 * std::tan(radians(f.offLineDeg));
    f.turnDegPerMin = wrap180(sun.position(utc + 30).azimuthDeg - sun.position(utc - 30).azimuthDeg);

    if (at.altitudeDeg < 0)
        f.notes.push_back(FieldNote::BelowHorizon);
    else if (at.altitudeDeg < 5)
        f.notes.push_back(FieldNote::LowSun);
    if (at.altitudeDeg > 80)
        f.notes.push_back(FieldNote::HighSun);
    return f;
}

MarkField markWith(sky::Sun &sun, double dayStart, double clockSeconds)
{
    MarkField mark;
    mark.clock = clockSeconds;
    mark.shadowBearingDeg = wrap360(sun.position(dayStart + clockSeconds).azimuthDeg + 180);
    // The nearest of the four true directions; a tie goes to the first.
    double best = 360;
    for (int target = 0; target < 360; target += 90) {
        const double turn = wrap180(target - mark.shadowBearingDeg);
        if (std::fabs(turn) < std::fabs(best)) {
            best = turn;
            mark.line = target % 180 == 0 ? TrueLine::NorthSouth : TrueLine::EastWest;
        }
    }
    mark.turnDeg = best;
    return mark;
}

} // namespace

FieldData computeFieldData(const FieldInputs &in)
{
    FieldData d;
    d.inputs = in;
    const Crossings m = methodCrossings(in);

    sky::Sun sun(sky::Site{in.latitude, in.longitude, 0});
    const double dayStart = dayStartUtc(in.date, in.clock);
    const sky::DayEvents precise = sun.events(dayStart);
    for (FieldEvent e : kFieldEvents) {
        EventField &f = d.events[static_cast<int>(e)];
        f = eventField(e, m, precise, dayStart, sun);
        if (!f.seen)
            continue;
        for (int dt = -300; dt <= 300; dt += 30) {
            const sky::SunPosition p = sun.position(dayStart + f.methodClock + dt);
            d.around.push_back(
                AroundRow{e, f.methodClock + dt, p.azimuthDeg, p.altitudeDeg, wrap360(p.azimuthDeg + 180)});
        }
    }

    // The mark before the coming days, while the first day's terms are kept.
    if (in.markClock)
        d.mark = markWith(sun, dayStart, *in.markClock);

    for (int i = 0; i < in.days; ++i) {
        DayRow row;
        row.date = in.date.addDays(i);
        // The date itself keeps its own clock, which an entry's region leaves
        // to the choice made by hand.
        row.clock = in.clock.zone && i > 0 ? zoneClockOn(*in.clock.zone, row.date) : in.clock;
        // The first day is the day computed above.
        const bool firstDay = i == 0;
        AcceptedSite day = in;
        day.date = row.date;
        day.clock = row.clock;
        const Crossings dm = firstDay ? m : methodCrossings(day);
        const double start = dayStartUtc(row.date, row.clock);
        const sky::DayEvents dp = firstDay ? precise : sun.events(start);
        for (FieldEvent e : kFieldEvents) {
            const int k = static_cast<int>(e);
            const SolarEvent &me = methodEvent(dm, e);
            if (me.seen)
                row.method[k] = shownClock(me.clock);
            if (const auto &p = preciseEvent(dp, e))
                row.precise[k] = p->utcSeconds - start;
        }
        d.days.push_back(row);
    }

    if (farFromZoneMeridian(in.longitude, in.clock.zoneMeridian()))
        d.warnings.push_back(FieldWarning::FarFromZone);
    // A clock chosen by hand may be the other one than the computer's own
    // zone shows; a named zone's rules chose it themselves.
    const QTimeZone system = QTimeZone::systemTimeZone();
    const QDateTime noon(in.date, QTime(12, 0), system);
    if ((!in.clock.zone || in.clock.entryRegion) && system.isValid() &&
        system.standardTimeOffset(noon) == in.clock.utcOffsetMinutes * 60 &&
        system.isDaylightTime(noon) != in.clock.daylightSaving)
        d.warnings.push_back(FieldWarning::DaylightSavingDiffers);
    addSunAtData(in, d);
    return d;
}

MarkField markAt(const FieldInputs &in, double clockSeconds)
{
    sky::Sun sun(sky::Site{in.latitude, in.longitude, 0});
    return markWith(sun, dayStartUtc(in.date, in.clock), clockSeconds);
}

QString fieldEventName(FieldEvent e)
{
    switch (e) {
    case FieldEvent::East:
        return compassName(Compass::East);
    case FieldEvent::Meridian:
        return QStringLiteral("meridian");
    case FieldEvent::West:
        break;
    }
    return compassName(Compass::West);
}

QString eventDirectionName(const EventField &f)
{
    if (f.event == FieldEvent::Meridian)
        return compassName(f.north ? Compass::North : Compass::South);
    return fieldEventName(f.event);
}

QString fieldEventWords(FieldEvent e)
{
    switch (e) {
    case FieldEvent::East:
        return compassWords(Compass::East);
    case FieldEvent::Meridian:
        return translate("field", "meridian");
    case FieldEvent::West:
        break;
    }
    return compassWords(Compass::West);
}

QString eventDirectionWords(const EventField &f)
{
    if (f.event == FieldEvent::Meridian)
        return compassWords(f.north ? Compass::North : Compass::South);
    return fieldEventWords(f.event);
}

QString fieldNoteText(FieldNote n)
{
    switch (n) {
    case FieldNote::BelowHorizon:
        return translate("field", "sun below the horizon: no shadow at this time");
    case FieldNote::LowSun:
        return translate("field", "sun under 5 degrees: long, faint shadow");
    case FieldNote::HighSun:
        break;
    }
    return translate("field", "sun over 80 degrees: short shadow, direction hard to read");
}

QString fieldWarningText(FieldWarning w)
{
    if (w == FieldWarning::FarFromZone)
        return translate("field", "the longitude is more than 15 degrees from the time zone's meridian");
    if (w == FieldWarning::WallSpread)
        return translate("field", "the wall readings disagree by more than 1 degree: check the board, the square "
                                  "line and the clock times");
    return translate("field", "this computer's time zone uses the other clock (standard or daylight saving) on "
                              "this date");
}

QString trueLineName(TrueLine l)
{
    return l == TrueLine::EastWest ? translate("field", "east-west") : translate("field", "north-south");
}

QString declinationSideName(DeclinationSide s)
{
    return s == DeclinationSide::East   ? compassName(Compass::East)
           : s == DeclinationSide::West ? compassName(Compass::West)
                                        : translate("field", "none", "no magnetic declination");
}

double roundedBearing(double degrees, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double r = std::round(wrap360(degrees) * scale) / scale;
    return r >= 360 ? r - 360 : r;
}

QString clockText(double seconds, bool tenths)
{
    const long long units = std::llround(seconds * (tenths ? 10 : 1));
    const long long perDay = static_cast<long long>(kSecondsPerDay) * (tenths ? 10 : 1);
    long long u = units % perDay;
    if (u < 0)
        u += perDay;
    const long long whole = tenths ? u / 10 : u;
    // Written digit by digit: the tables call this hundreds of times.
    const auto digit = [](long long n) { return static_cast<char>('0' + n); };
    const int h = static_cast<int>(whole / 3600), m = static_cast<int>(whole / 60 % 60),
              sec = static_cast<int>(whole % 60);
    char text[] = {digit(h / 10),   digit(h % 10),   ':', digit(m / 10), digit(m % 10), ':',
                   digit(sec / 10), digit(sec % 10), '.', digit(u % 10)};
    return QString::fromLatin1(text, tenths ? 10 : 8);
}

} // namespace orvane
