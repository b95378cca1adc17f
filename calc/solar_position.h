#pragma once
#include "solar_state.h"

namespace orvane {

// The intermediate terms of one evaluation, in degrees (T in Julian
// centuries from 1900 January 0.5).
struct SolarTerms {
    long long N = 0; // whole days from 1 January 1900
    double T = 0;
    double L = 0;              // mean longitude, reduced to [0, 360)
    double M = 0;              // mean anomaly, reduced to [0, 360)
    double epsilon = 0;        // obliquity
    double lambda = 0;         // true longitude, not reduced
    double alphaRaw = 0;       // right ascension from the arctangent, (-90, 90)
    double alpha = 0;          // right ascension in the turn of lambda
    double declination = 0;    // radians
    double equationOfTime = 0; // minutes
};
SolarTerms computeSolarTerms(const SolarState &state, int slot, bool daylightSaving);

// Declination and equation of time for InputDate at EventTime[slot] local
// solar time; writes EventSun[0][slot] and EventSun[1][slot].
// slot must be 0..3.
void solarPosition(SolarState &state, int slot, bool daylightSaving);

} // namespace orvane
