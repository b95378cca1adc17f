#include "correction_card.h"
#include "field_math.h"

#include "sky/sun.h"

#include <cmath>

namespace orvane {

using namespace field_math;

std::vector<CardDay> correctionCard(const CardInputs &in)
{
    sky::Sun sun(sky::Site{in.latitude, in.longitude, 0});
    // A zone-time dial reads 12 where the sun is 4 minutes a degree from the
    // zone's meridian.
    const double dialNoon = 43200 + (in.zoneTimeDial ? 240 * (in.clock.zoneMeridian() - in.longitude) : 0);
    std::vector<CardDay> card;
    for (QDate date(in.year, 1, 1); date.year() == in.year; date = date.addDays(1)) {
        const SiteClock clock = in.clock.zone ? zoneClockOn(*in.clock.zone, date) : in.clock;
        const double start = dayStartUtc(date, clock);
        if (const auto transit = sun.crossing(sky::Crossing::Meridian, start))
            card.push_back(CardDay{date, std::round((transit->utcSeconds - start - dialNoon) * 10) / 10, clock});
    }
    return card;
}

std::optional<double> noonDeclination(const QDate &date, double latitude, double longitude)
{
    sky::Sun sun(sky::Site{latitude, longitude, 0});
    // Noon in local mean time, give or take the day: the transit lies within it.
    const double start = dayStartUtc(date, SiteClock{static_cast<int>(std::round(longitude * 4)), false});
    const auto transit = sun.crossing(sky::Crossing::Meridian, start);
    if (!transit)
        return std::nullopt;
    // South of the zenith the sun stands 90 - altitude below the latitude's
    // line towards the equator; north of it, above.
    const double zenith = 90 - transit->altitudeDeg;
    return transit->azimuthDeg > 90 && transit->azimuthDeg < 270 ? latitude - zenith : latitude + zenith;
}

} // namespace orvane
