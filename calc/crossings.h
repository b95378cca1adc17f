#pragma once
// Clock times at which the sun stands due east, on the meridian and due west.
#include "solar_state.h"

namespace orvane {

struct SolarEvent {
    bool seen = false;         // always true for the meridian
    double clock = 0;          // clock time, fraction of a day in [0, 1)
    double declination = 0;    // radians, EventSun[0][slot]
    double equationOfTime = 0; // minutes, EventSun[1][slot]

    // How a crossing was decided (0 where a step was not reached).
    double firstRatio = 0;     // R at the first estimate
    double firstHourAngle = 0; // H from it, fraction of a day
    double ratio = 0;          // R after the refinement
    double altitudeSine = 0;   // S after the refinement
    double hourAngle = 0;      // refined hour angle, fraction of a day
};

enum class MeridianDirection { South, North };

struct Crossings {
    SolarEvent east;
    SolarEvent meridian;
    SolarEvent west;
    MeridianDirection direction = MeridianDirection::South;
};

// Crossing ratio tan(delta)/tan(phi) for the declination of `slot`.
double crossingRatio(const SolarState &state, int slot);

// Needs InitConstants and the four inputs in `state`. Overwrites
// EventTime[1..2] and EventSun for slots 0..2. daylightSaving adds one hour.
Crossings computeCrossings(SolarState &state, bool daylightSaving);

// v brought into [0, 1) by whole days.
double wrapToDay(double v);

} // namespace orvane
