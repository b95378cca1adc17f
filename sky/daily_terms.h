#pragma once
// The slowly changing inputs of the sun's position: the Earth's orbit and the
// orientation of its axis. The precession-nutation and the Earth's ephemeris
// cost tens of microseconds each, so a search evaluates them once per day
// (with IAU 2000B nutation) and interpolates between; a single position
// takes the full IAU 2006/2000A chain.
#include "time_scales.h"

#include <array>

namespace orvane::sky {

struct DailyTerms {
    double npb[3][3] = {};            // GCRS to true equator and equinox of date
    double equationOfOrigins = 0;     // radians: GST = ERA - EO
    double earthPosition[3] = {};     // heliocentric, au
    double earthVelocity[3] = {};     // heliocentric, au/day
    double earthBaryVelocity[3] = {}; // barycentric, au/day (for aberration)
};

// The terms evaluated exactly at tt.
DailyTerms exactTerms(const JulianDate &tt);

// Interpolates between evaluations at whole TT days from J2000 (TT noons):
// cubic Hermite for the Earth's position, linear for the rest. Agrees with
// exactTerms to about a milliarcsecond. A search steps back and forth over
// a day boundary, so the last few days' evaluations are kept. Not
// thread-safe; copies are independent.
class DailyTermsCache {
public:
    DailyTerms at(const JulianDate &tt);

private:
    const DailyTerms &anchor(long long day);

    struct Slot {
        long long day = 0;
        unsigned long long lastUse = 0; // 0: empty
        DailyTerms terms;
    };
    std::array<Slot, 8> slots_;
    unsigned long long uses_ = 0;
};

} // namespace orvane::sky
