#include "sun_year.h"
#include "field_math.h"
#include "year_terms.h"

#include <cmath>
#include <memory>
#include <mutex>

namespace orvane {

namespace {

std::vector<dial::SunDay> sunDays(double latitude, double longitude, int year)
{
    sky::Sun sun(sky::Site{latitude, longitude, 0}, yearTerms(year));
    // Local mean time: the mean sun crosses the meridian at 12:00.
    const SiteClock meanTime{static_cast<int>(std::round(longitude * 4)), false};
    const double meanNoonShift = 240 * longitude - 60.0 * meanTime.utcOffsetMinutes; // seconds
    std::vector<dial::SunDay> days;
    const QDate first(year, 1, 1);
    for (QDate date = first; date.year() == year; date = date.addDays(1)) {
        const double start = field_math::dayStartUtc(date, meanTime);
        const auto transit = sun.crossing(sky::Crossing::Meridian, start);
        if (!transit)
            continue;
        dial::SunDay day;
        day.dayOfYear = static_cast<int>(first.daysTo(date));
        day.declinationDeg = transitDeclination(*transit, latitude);
        day.equationOfTimeMin = (43200 - (transit->utcSeconds - start) - meanNoonShift) / 60;
        // Half a day either side of the true noon holds its sunrise and sunset.
        const double from = transit->utcSeconds - angles::kSecondsPerDay / 2;
        for (const sky::AltitudeEvent &e : sun.altitudeCrossings(0, from)) {
            const double hours = (e.utcSeconds - transit->utcSeconds) / 3600;
            if (e.rising && hours < 0)
                day.sunriseHours = hours;
            else if (!e.rising && hours > 0 && !day.sunsetHours)
                day.sunsetHours = hours;
        }
        days.push_back(day);
    }
    return days;
}

} // namespace

dial::SunYear sunYear(double latitude, double longitude, int year)
{
    struct Cache {
        std::once_flag once;
        std::shared_ptr<const std::vector<dial::SunDay>> days;
    };
    auto cache = std::make_shared<Cache>();
    return [cache, latitude, longitude, year] {
        std::call_once(cache->once, [&] {
            cache->days = std::make_shared<const std::vector<dial::SunDay>>(sunDays(latitude, longitude, year));
        });
        return cache->days;
    };
}

dial::ClockSun clockSun(double latitude, double longitude, int year, int utcOffsetMinutes)
{
    // One sun behind a lock: its kept daily terms make a position cost
    // about a microsecond, and a design may be read from two threads.
    struct Shared {
        explicit Shared(sky::Sun s) : sun(std::move(s)) {}
        std::mutex lock;
        sky::Sun sun;
    };
    auto shared = std::make_shared<Shared>(sky::Sun(sky::Site{latitude, longitude, 0}, yearTerms(year)));
    const double firstMidnight = field_math::dayStartUtc(QDate(year, 1, 1), SiteClock{utcOffsetMinutes, false});
    dial::ClockSun c;
    c.year = year;
    c.days = QDate::isLeapYear(year) ? 366 : 365;
    c.at = [shared, firstMidnight](int dayOfYear, double clockHours) {
        const double utc = firstMidnight + dayOfYear * angles::kSecondsPerDay + clockHours * 3600;
        const std::lock_guard<std::mutex> hold(shared->lock);
        const sky::SunPosition p = shared->sun.position(utc);
        return dial::SunPlace{p.azimuthDeg, p.altitudeDeg};
    };
    return c;
}

} // namespace orvane
