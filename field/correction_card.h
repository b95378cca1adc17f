#pragma once
// The correction card of a sundial: for each day of a year, what to add to
// the dial's reading to get the clock's time, from the true sun's meridian
// passage. And the sun's declination at noon on given days, for a dial's
// date lines.

#include "field_data.h"

#include <QDate>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace orvane {

struct CardInputs {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    int year = 2027;
    // A zone-time dial already carries the longitude's correction: its 12
    // line lies where the shadow falls at the zone meridian's mean noon.
    bool zoneTimeDial = false;
    // The zone's standard offset, daylight saving on every day if set; with
    // a zone, each day's clock comes from its rules instead.
    SiteClock clock;
};

struct CardDay {
    QDate date;
    double addSeconds = 0; // positive: the clock is ahead of the dial
    SiteClock clock;       // the clock on that day
};

// One entry per day of the year; a day on which the sun does not cross the
// meridian above the horizon (polar night) is left out.
std::vector<CardDay> correctionCard(const CardInputs &in);

// The sun's declination (degrees) at its meridian passage on `date` at the
// site, from the altitude of the true sun there; none in polar night.
std::optional<double> noonDeclination(const QDate &date, double latitude, double longitude);

} // namespace orvane
