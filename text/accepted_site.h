#pragma once
// An accepted site: what the input checks hand on once every input has
// passed, and all that the calculation, the field data, the command line,
// the sheet and the designer need of the inputs.

#include "calc/crossings.h"

#include <QDate>
#include <QTimeZone>

#include <optional>

namespace orvane {

// A clock: the zone's standard offset from UTC, whether it shows
// daylight-saving time (one hour ahead of that), and where it came from.
struct SiteClock {
    SiteClock(int offsetMinutes = 0, bool daylight = false) : utcOffsetMinutes(offsetMinutes), daylightSaving(daylight)
    {}

    int utcOffsetMinutes = 0;
    bool daylightSaving = false;
    int zoneIndex = -1; // the time-zone list's entry, -1 for none
    // The zone whose rules give the clock day by day: the one named instead
    // of the list, which also chose this clock, or the entry's region.
    std::optional<QTimeZone> zone;
    // The zone is the entry's region: this date's clock is the one chosen by
    // hand, whether or not the region's rules agree.
    bool entryRegion = false;

    int offsetSeconds() const { return utcOffsetMinutes * 60 + (daylightSaving ? 3600 : 0); }
    // The zone's meridian, degrees east: 15 degrees for each hour of offset.
    double zoneMeridian() const { return utcOffsetMinutes / 4.0; }
    bool operator==(const SiteClock &) const = default;
};

struct AcceptedSite {
    QDate date;
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    bool west = false;    // the side chosen, which tells 0 W from 0 E
    SiteClock clock;
    bool operator==(const AcceptedSite &) const = default;
};

// The zone's clock on `date`, judged at noon: its offset, and daylight
// saving when that is one hour ahead of its standard time.
SiteClock zoneClockOn(const QTimeZone &zone, const QDate &date);

// The method's crossing times for the site, worked in `state`, which keeps
// the calculation's slots afterwards.
Crossings methodCrossings(const AcceptedSite &site, SolarState &state);
Crossings methodCrossings(const AcceptedSite &site);

} // namespace orvane
