#include "moment.h"

#include "dial_choices.h"
#include "field_math.h"

#include "angles/angles.h"
#include "sky/sun.h"
#include "text/translation.h"

#include <QDateTime>
#include <QTimeZone>

#include <cmath>

namespace orvane {

namespace {

// "10:25": whole minutes, the dial's as the clock's.
QString minutesText(double hours)
{
    const long long minutes = std::llround(hours * 60) % (24 * 60);
    return QTime(int(minutes / 60), int(minutes % 60)).toString(QStringLiteral("HH:mm"));
}

} // namespace

std::optional<double> clockInstant(const SiteClock &clock, const QDate &date, double seconds)
{
    const QTime time = QTime(0, 0).addMSecs(qRound64(seconds * 1000));
    if (clock.zone) {
        const QDateTime at(date, time, *clock.zone);
        if (!at.isValid() || at.time() != time || at.date() != date)
            return std::nullopt;
        return at.toMSecsSinceEpoch() / 1000.0;
    }
    return field_math::dayStartUtc(date, clock) + seconds;
}

dial::Vec3 skyDirection(double azimuthDeg, double altitudeDeg)
{
    const double a = angles::radians(azimuthDeg), h = angles::radians(altitudeDeg);
    return {std::cos(h) * std::sin(a), std::cos(h) * std::cos(a), std::sin(h)};
}

dial::Vec3 sunTowards(double latitude, double longitude, double utcSeconds)
{
    const sky::SunPosition p = sky::Sun(sky::Site{latitude, longitude, 0}).position(utcSeconds);
    return skyDirection(p.azimuthDeg, p.altitudeDeg);
}

DialMoment dialMoment(const DialDesign &design, const QDate &date, double clockSeconds, const QLocale &locale)
{
    DialMoment m;
    const QString clock = minutesText(clockSeconds / 3600);
    const QString when = translate("field", "%1 on %2").arg(clock, dayMonth(date.day(), date.month(), locale));
    const std::optional<double> utc = clockInstant(design.site.clock, date, clockSeconds);
    if (!utc) {
        m.words = translate("field", "The clock skips %1: it jumps an hour ahead that night.").arg(when);
        return m;
    }
    m.sun = sunTowards(design.site.latitude, design.site.longitude, *utc);
    if (!(m.sun->u > 0)) {
        m.words = translate("field", "At %1 the sun is below the horizon.").arg(when);
        return m;
    }
    for (const dial::DialFace &face : design.faces)
        m.lit = m.lit || dial::sunLights(face, *m.sun);
    if (!m.lit) {
        m.words = translate("field", "At %1 the sun does not light this face.").arg(when);
        return m;
    }
    if (!design.kind->reads) {
        m.words = translate("field", "At %1 the sun lights this face.").arg(when);
        return m;
    }
    // The time the faces are drawn to: the kind's own where it has one.
    const dial::DialTime dialTime = design.faces.front().input.time;
    if (dialTime == dial::DialTime::Clock) {
        // Its lines are the standard clock's, each drawn through the
        // shadow of that instant on every day: it reads the standard clock.
        const double standard = std::fmod(*utc + 60.0 * design.site.clock.utcOffsetMinutes, 86400.0);
        m.readsHours = (standard < 0 ? standard + 86400 : standard) / 3600;
    } else {
        for (const dial::DialFace &face : design.faces)
            if ((m.readsHours = design.kind->reads(face, *m.sun)))
                break;
    }
    if (!m.readsHours) {
        m.words = translate("field", "At %1 the sun does not light this face.").arg(when);
        return m;
    }
    const QString time = dialTime == dial::DialTime::Sun    ? translate("field", "sun time")
                         : dialTime == dial::DialTime::Zone ? translate("field", "zone time")
                                                            : translate("field", "clock time");
    const QString reads = minutesText(*m.readsHours);
    m.words =
        dialTime == dial::DialTime::Clock && reads != clock
            ? translate("field", "At %1 the dial reads %2 (%3); the clock says %4 in summer time.")
                  .arg(when, reads, time, clock)
            : translate("field", "At %1 the dial reads %2 (%3); the clock says %4.").arg(when, reads, time, clock);
    return m;
}

} // namespace orvane
