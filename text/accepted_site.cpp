#include "accepted_site.h"

#include "calc/date_value.h"
#include "calc/solar_state.h"
#include "time_zones.h"

#include <QDateTime>

namespace orvane {

SiteClock zoneClockOn(const QTimeZone &zone, const QDate &date)
{
    const QDateTime noon(date, QTime(12, 0), zone);
    const int offset = zone.offsetFromUtc(noon);
    // Only a shift of one hour is daylight saving as the calculation knows
    // it. Ireland's winter (an hour behind its legal standard time) and Lord
    // Howe's half-hour summer are read as standard time at the clock's own
    // offset, so that the clock itself is always the zone's.
    const bool daylight = zone.isDaylightTime(noon) && offset - zone.standardTimeOffset(noon) == 3600;
    SiteClock c((offset - (daylight ? 3600 : 0)) / 60, daylight);
    c.zoneIndex = zoneIndexForOffset(c.utcOffsetMinutes).value_or(-1);
    c.zone = zone;
    return c;
}

Crossings methodCrossings(const AcceptedSite &site, SolarState &state)
{
    initConstants(state);
    state.inputDate = dateSerial(site.date.year(), site.date.month(), site.date.day());
    state.latitude = site.latitude;
    state.longitude = site.longitude;
    state.zoneMeridian = site.clock.zoneMeridian();
    return computeCrossings(state, site.clock.daylightSaving);
}

Crossings methodCrossings(const AcceptedSite &site)
{
    SolarState state;
    return methodCrossings(site, state);
}

} // namespace orvane
