#pragma once
// The slowly changing inputs of the sun's position: the Earth's orbit and the
// orientation of its axis. The precession-nutation and the Earth's ephemeris
// cost tens of microseconds each, so a search evaluates them once a day or
// two (with IAU 2000B nutation) and interpolates between; a single position
// takes the full IAU 2006/2000A chain.
#include "time_scales.h"

#include <array>
#include <cstddef>

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

// Interpolates between evaluations at TT noons: linear over one day for the
// axis's orientation (precession-nutation, EO), cubic Hermite over three
// days for the Earth's orbit, whose ephemeris is most of the cost and which
// bends far less in three days than nutation's 13.7-day term does in one.
// Agrees with exactTerms to 7 milliarcseconds (0.000002 degree). A search
// steps back and forth over a day boundary, so the last few evaluations are
// kept. Not thread-safe; copies are independent.
class DailyTermsCache {
public:
    DailyTerms at(const JulianDate &tt);

private:
    struct Orientation {
        double npb[3][3] = {};
        double equationOfOrigins = 0;
    };
    struct Orbit {
        double position[3] = {};        // heliocentric, au
        double velocity[3] = {};        // heliocentric, au/day
        double sunBaryVelocity[3] = {}; // the Sun's barycentric velocity, au/day
    };
    template <typename T>
    struct Slot {
        long long day = 0;
        unsigned long long lastUse = 0; // 0: empty
        T value;
    };
    template <typename T, std::size_t N, typename Make>
    const T &anchor(std::array<Slot<T>, N> &slots, long long day, Make &&make);

    std::array<Slot<Orientation>, 6> orientations_;
    std::array<Slot<Orbit>, 4> orbits_;
    unsigned long long uses_ = 0;
};

} // namespace orvane::sky
