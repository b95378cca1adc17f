#pragma once
// The true sun for a place on the Earth: topocentric azimuth and geometric
// altitude (no refraction), and the instants at which it stands due east, on
// the meridian and due west. Built on ERFA (IAU 2006/2000A precession-
// nutation, 2000B in a day's searches, the Earth's ephemeris eraEpv00,
// annual aberration, WGS84 parallax). Agrees with astronomy-engine to 0.0005 degree over 1955-2045
// (median 0.00012). Far from 1900-2100 the ephemeris and Delta T lose
// accuracy: some arcseconds by 1300.
//
// Instants are UTC as POSIX seconds: seconds since 1970-01-01T00:00:00 UTC
// without leap seconds. UT1 is taken as UTC (up to 0.9 s apart).
#include <memory>
#include <optional>
#include <vector>

#include "topocentric.h"

#include "angles/angles.h"

namespace orvane::sky {

struct Site {
    double latitudeDeg = 0;  // geodetic, north positive
    double longitudeDeg = 0; // east positive
    double heightM = 0;      // above the WGS84 ellipsoid
};

struct SunPosition {
    double azimuthDeg = 0;  // from north through east, [0, 360)
    double altitudeDeg = 0; // of the centre, geometric
};

enum class Crossing { East, Meridian, West };

struct SunEvent {
    double utcSeconds = 0;
    double azimuthDeg = 0; // 90, 270, or 180 / 0 for a transit south / north of the zenith
    double altitudeDeg = 0;
};

// The sun's centre at a given geometric altitude, rising or setting.
struct AltitudeEvent {
    double utcSeconds = 0;
    double azimuthDeg = 0;
    double altitudeDeg = 0; // the altitude searched for
    bool rising = false;
};

// Each crossing reached with the sun's centre at or above the horizon during
// the day; the earliest if a day longer than 24 hours holds two.
struct DayEvents {
    std::optional<SunEvent> east;
    std::optional<SunEvent> meridian; // upper transit only
    std::optional<SunEvent> west;
};

// One site. Keeps the day's precession-nutation and Earth ephemeris between
// calls (daily_terms.h), so that positions and searches over the same days
// cost about a microsecond per evaluation. Not thread-safe; copies are
// independent.
class Sun {
public:
    explicit Sun(const Site &site);
    // Takes the anchors within the table's span from it: no ERFA evaluation
    // there, the same positions to the last bit.
    Sun(const Site &site, std::shared_ptr<const DailyTermsTable> terms);

    SunPosition position(double utcSeconds);

    // The crossings in [dayStartUtc, dayStartUtc + dayLengthSeconds), found
    // to better than 1 ms. The caller picks the day: local midnight to local
    // midnight on the user's clock.
    DayEvents events(double dayStartUtc, double dayLengthSeconds = angles::kSecondsPerDay);
    std::optional<SunEvent> crossing(Crossing which, double dayStartUtc,
                                     double dayLengthSeconds = angles::kSecondsPerDay);

    // Every instant in the day at which the sun's centre, at or above the
    // horizon, stands at the azimuth bearingDeg (from north through east,
    // taken modulo 360), in time order, to better than 1 ms. Where the sun
    // culminates on the pole's side of the zenith a bearing on that side can
    // be reached twice in a morning or an afternoon. Each event's azimuth is
    // the bearing, in [0, 360).
    std::vector<SunEvent> bearingCrossings(double bearingDeg, double dayStartUtc,
                                           double dayLengthSeconds = angles::kSecondsPerDay);

    // Every instant in the day at which the centre's geometric altitude is
    // altitudeDeg (strictly between -90 and 90; none otherwise), in time
    // order, to better than 1 ms.
    std::vector<AltitudeEvent> altitudeCrossings(double altitudeDeg, double dayStartUtc,
                                                 double dayLengthSeconds = angles::kSecondsPerDay);

private:
    struct Sample;
    Sample sample(double utcSeconds);
    Sample refineTransit(double guessUtc);
    std::optional<SunEvent> primeVertical(Crossing which, const Sample &transit, double start, double end);
    DayEvents search(double start, double length, bool east, bool meridian, bool west);
    std::vector<double> hourAngleInstants(double hourAngle, double start, double end);
    template <typename F>
    std::vector<Sample> roots(F &&f, double hourAngle, double start, double end);

    SiteFrame frame_;
    DailyTermsCache terms_;
};

// One position evaluated directly, without the daily interpolation.
SunPosition sunPosition(double utcSeconds, const Site &site);

} // namespace orvane::sky
