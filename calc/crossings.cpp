#include "crossings.h"

#include "solar_position.h"
#include "trig_functions.h"

#include "angles/angles.h"

#include <cmath>

namespace orvane {

double wrapToDay(double v)
{
    const double w = v - std::floor(v);
    return w < 1 ? w : 0; // v a hair below a whole number rounds up to 1
}

double crossingRatio(const SolarState &s, int slot)
{
    return std::tan(angles::radians(90 - s.latitude)) / std::tan(angles::radians(90) - s.eventSun[0][slot]);
}

namespace {

double altitudeSine(const SolarState &s, int slot, double hourAngle)
{
    const double phi = angles::radians(s.latitude);
    const double delta = s.eventSun[0][slot];
    return std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(hourAngle * angles::kPi * 2);
}

// Local apparent noon as a clock time: zone offset, equation of time and
// the daylight-saving hour.
double noonClock(const SolarState &s, int slot, int k)
{
    return (((s.zoneMeridian - s.longitude) / 360 + 0.5) - s.eventSun[1][slot] / 1440 + k / 24.0);
}

// East (sign -1) or west (sign +1): first estimate at 0.25 / 0.75, one
// refinement at the estimated crossing.
SolarEvent crossing(SolarState &s, int slot, double sign, bool dst, int k)
{
    SolarEvent ev;
    s.eventTime[slot] = 0.5 + sign * 0.25;
    solarPosition(s, slot, dst);
    double R = crossingRatio(s, slot);
    ev.firstRatio = R;
    if (std::fabs(R) > 1) {
        ev.declination = s.eventSun[0][slot];
        ev.equationOfTime = s.eventSun[1][slot];
        return ev;
    }
    const double H = arcCos(R) / (2 * angles::kPi);
    ev.firstHourAngle = H;
    s.eventTime[slot] = 0.5 + sign * H;
    solarPosition(s, slot, dst);
    ev.declination = s.eventSun[0][slot];
    ev.equationOfTime = s.eventSun[1][slot];
    R = crossingRatio(s, slot);
    ev.ratio = R;
    if (std::fabs(R) > 1)
        return ev;
    ev.altitudeSine = altitudeSine(s, slot, H);
    if (ev.altitudeSine < 0)
        return ev;
    const double Hr = arcCos(R) / (2 * angles::kPi);
    ev.hourAngle = Hr;
    ev.seen = true;
    ev.clock = wrapToDay(noonClock(s, slot, k) + sign * Hr);
    return ev;
}

} // namespace

Crossings computeCrossings(SolarState &s, bool daylightSaving)
{
    const int k = daylightSaving ? 1 : 0;
    Crossings c;

    solarPosition(s, kSlotMeridian, daylightSaving);
    c.east = crossing(s, kSlotEast, -1, daylightSaving, k);

    c.meridian.seen = true;
    c.meridian.declination = s.eventSun[0][kSlotMeridian];
    c.meridian.equationOfTime = s.eventSun[1][kSlotMeridian];
    c.meridian.clock = wrapToDay(noonClock(s, kSlotMeridian, k));
    c.direction =
        s.latitude > angles::degrees(c.meridian.declination) ? MeridianDirection::South : MeridianDirection::North;

    c.west = crossing(s, kSlotWest, +1, daylightSaving, k);
    return c;
}

} // namespace orvane
