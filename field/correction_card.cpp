#include "correction_card.h"
#include "field_math.h"
#include "year_terms.h"

#include "sky/sun.h"
#include "text/zone_clocks.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <deque>
#include <memory>
#include <mutex>
#include <utility>

namespace orvane {

using namespace field_math;

namespace {

double utcSecondsOf(const QDate &date)
{
    return static_cast<double>(QDate(1970, 1, 1).daysTo(date)) * angles::kSecondsPerDay;
}

} // namespace

// The sun's terms for a year and two days either side, which hold every
// local day of the year and the searches' reach around it. They depend on
// the time alone, so the Dial Designer, which works the card out again at
// each change of the site or the dial, evaluates them once a year; the
// card's passages then cost a few positions a day. With `evaluate` false,
// none if the year's are not at hand.
std::shared_ptr<const sky::DailyTermsTable> yearTerms(int year, bool evaluate)
{
    static std::mutex mutex;
    static std::deque<std::pair<int, std::shared_ptr<const sky::DailyTermsTable>>> recent; // the latest first
    const std::lock_guard<std::mutex> lock(mutex);
    const auto found = std::find_if(recent.begin(), recent.end(), [year](const auto &r) { return r.first == year; });
    if (found != recent.end()) {
        auto hit = *found;
        recent.erase(found);
        recent.push_front(hit);
        return hit.second;
    }
    if (!evaluate)
        return nullptr;
    const double margin = 2 * angles::kSecondsPerDay;
    recent.emplace_front(year,
                         std::make_shared<const sky::DailyTermsTable>(utcSecondsOf(QDate(year, 1, 1)) - margin,
                                                                      utcSecondsOf(QDate(year + 1, 1, 1)) + margin));
    if (recent.size() > 4)
        recent.pop_back();
    return recent.front().second;
}

std::vector<CardDay> correctionCard(const CardInputs &in)
{
    sky::Sun sun(sky::Site{in.latitude, in.longitude, 0}, yearTerms(in.year));
    std::optional<ZoneClocks> zoneClocks;
    if (in.clock.zone)
        zoneClocks.emplace(*in.clock.zone, in.year);
    // A zone-time dial reads 12 where the sun is 4 minutes a degree from the
    // zone's meridian.
    const double dialNoon = 43200 + (in.zoneTimeDial ? 240 * (in.clock.zoneMeridian() - in.longitude) : 0);
    std::vector<CardDay> card;
    for (QDate date(in.year, 1, 1); date.year() == in.year; date = date.addDays(1)) {
        const SiteClock clock = zoneClocks ? zoneClocks->on(date) : in.clock;
        const double start = dayStartUtc(date, clock);
        if (const auto transit = sun.crossing(sky::Crossing::Meridian, start))
            card.push_back(CardDay{date, std::round((transit->utcSeconds - start - dialNoon) * 10) / 10, clock});
    }
    return card;
}

std::optional<double> noonDeclination(const QDate &date, double latitude, double longitude)
{
    // A dozen dates of a year take less than the year's terms, unless its
    // card has them already.
    sky::Sun sun(sky::Site{latitude, longitude, 0}, yearTerms(date.year(), false));
    // Noon in local mean time, give or take the day: the transit lies within it.
    const double start = dayStartUtc(date, SiteClock{static_cast<int>(std::round(longitude * 4)), false});
    const auto transit = sun.crossing(sky::Crossing::Meridian, start);
    if (!transit)
        return std::nullopt;
    return transitDeclination(*transit, latitude);
}

double transitDeclination(const sky::SunEvent &transit, double latitude)
{
    // South of the zenith the sun stands 90 - altitude below the latitude's
    // line towards the equator; north of it, above.
    const double zenith = 90 - transit.altitudeDeg;
    return transit.azimuthDeg > 90 && transit.azimuthDeg < 270 ? latitude - zenith : latitude + zenith;
}

} // namespace orvane
