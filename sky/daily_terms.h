#pragma once
// The slowly changing inputs of the sun's position: the Earth's orbit and the
// orientation of its axis. The precession-nutation and the Earth's ephemeris
// cost tens of microseconds each, so a search evaluates them every few days
// (with IAU 2000B nutation) and interpolates between; a single position
// takes the full IAU 2006/2000A chain.
#include "time_scales.h"

#include <array>
#include <cstddef>
#include <limits>
#include <memory>
#include <vector>

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

// The evaluations that DailyTermsCache interpolates between: the axis's
// orientation (IAU 2000B) at TT noons every kOrientationAnchorSpan days from
// J2000, and the Earth's orbit at every kOrbitAnchorSpan days' noon.
struct OrientationAnchor {
    double npb[3][3] = {};
    double equationOfOrigins = 0;
};
struct OrbitAnchor {
    double position[3] = {};        // heliocentric, au
    double velocity[3] = {};        // heliocentric, au/day
    double sunBaryVelocity[3] = {}; // the Sun's barycentric velocity, au/day
};
constexpr long long kOrientationAnchorSpan = 2; // days
constexpr long long kOrbitAnchorSpan = 6;       // days

// Every anchor that instants from fromUtc to toUtc (POSIX seconds) need,
// evaluated once. The terms depend on the time alone, not on the site, so
// one table serves any number of sites; it is read-only once built and may
// be shared between threads.
class DailyTermsTable {
public:
    DailyTermsTable(double fromUtc, double toUtc);

    // None outside the span.
    const OrientationAnchor *orientation(long long day) const;
    const OrbitAnchor *orbit(long long day) const;

private:
    long long firstOrientation_ = 0;
    long long firstOrbit_ = 0;
    std::vector<OrientationAnchor> orientations_; // kOrientationAnchorSpan days apart
    std::vector<OrbitAnchor> orbits_; // kOrbitAnchorSpan days apart
};

// Interpolates between evaluations at TT noons, four around the instant: a
// cubic through the axis's orientation (precession-nutation, EO) every two
// days, and through the Earth's orbit every six days a curve that also
// takes its velocity at each (the ephemeris is most of the cost; the Moon's
// monthly pull on the Earth is the part that bends fastest). Agrees with
// exactTerms to 10 milliarcseconds (0.000003 degree) in each. A search
// steps back and forth over an anchor, so the last few evaluations are
// kept; anchors in a shared table are taken from it instead. Not
// thread-safe; copies are independent (and share the table).
class DailyTermsCache {
public:
    DailyTermsCache() = default;
    explicit DailyTermsCache(std::shared_ptr<const DailyTermsTable> table) : table_(std::move(table)) {}

    DailyTerms at(const JulianDate &tt);

private:
    template <typename T>
    struct Slot {
        long long day = 0;
        unsigned long long lastUse = 0; // 0: empty
        T value;
    };
    template <typename T, std::size_t N, typename Make>
    const T &anchor(std::array<Slot<T>, N> &slots, long long day, Make &&make);
    const OrientationAnchor &orientation(long long day);
    const OrbitAnchor &orbit(long long day);
    void loadOrientationWindow(long long first);
    void loadOrbitWindow(long long first);

    // The four anchors around the last instant, ready to interpolate: the
    // orientations as they are, the orbit as Newton's coefficients.
    struct OrientationWindow {
        long long first = std::numeric_limits<long long>::min();
        OrientationAnchor anchors[4];
    };
    struct OrbitWindow {
        long long first = std::numeric_limits<long long>::min();
        double newton[3][8] = {};
        double sunBaryVelocity[2][3] = {}; // at the middle two anchors
    };

    std::shared_ptr<const DailyTermsTable> table_;
    std::array<Slot<OrientationAnchor>, 8> orientations_;
    std::array<Slot<OrbitAnchor>, 8> orbits_;
    unsigned long long uses_ = 0;
    OrientationWindow orientationWindow_;
    OrbitWindow orbitWindow_;
};

} // namespace orvane::sky
