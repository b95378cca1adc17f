#pragma once
// The calculation state shared by the ephemeris and the crossing times.

namespace orvane {

constexpr int kSlotMeridian = 0;
constexpr int kSlotEast = 1;
constexpr int kSlotWest = 2;
constexpr int kSlotCount = 4; // slot 3 is spare

struct SolarState {
    // Accepted inputs. InputDate is a date value: days from 30 December 1899.
    double inputDate = 0;
    double latitude = 0;     // degrees, north positive
    double longitude = 0;    // degrees, east positive
    double zoneMeridian = 0; // degrees east

    // Local solar time of day (fraction of a day) each slot is evaluated at.
    double eventTime[kSlotCount] = {};
    // EventSun[0][s]: declination in radians; EventSun[1][s]: equation of
    // time in minutes (apparent minus mean).
    double eventSun[2][kSlotCount] = {};
};

// Whether a longitude lies more than 15 degrees from the zone's meridian,
// measured around the globe: the zones east of the date line have meridians
// beyond 180 degrees, and 183.5 E is 176.5 W.
bool farFromZoneMeridian(double longitude, double zoneMeridian);

// Sets EventTime[0] = 0.5. Idempotent.
void initConstants(SolarState &state);

} // namespace orvane
