#pragma once
// The slowly changing inputs of the sun's position: the Earth's orbit and the
// orientation of its axis. The full IAU 2006/2000A precession-nutation and the
// Earth's ephemeris cost tens of microseconds each, so a search evaluates them
// once per day and interpolates between.
#include "time_scales.h"

namespace orvane::sky {

struct DailyTerms {
    double npb[3][3] = {};       // GCRS to true equator and equinox of date
    double equationOfOrigins = 0;// radians: GST = ERA - EO
    double earthPosition[3] = {};// heliocentric, au
    double earthVelocity[3] = {};// heliocentric, au/day
    double earthBaryVelocity[3] = {}; // barycentric, au/day (for aberration)
};

// The terms evaluated exactly at tt.
DailyTerms exactTerms(const JulianDate &tt);

// Interpolates between evaluations at whole TT days from J2000 (TT noons):
// cubic Hermite for the Earth's position, linear for the rest. Agrees with
// exactTerms to about a milliarcsecond. Not thread-safe; copies are
// independent.
class DailyTermsCache {
public:
    DailyTerms at(const JulianDate &tt);

private:
    void load(long long day);

    long long day_ = 0;
    bool loaded_ = false;
    DailyTerms start_; // at day_
    DailyTerms end_;   // at day_ + 1
};

} // namespace orvane::sky
