#pragma once
// The sun's direction seen from a site, from the time scales and the daily
// terms.
#include "daily_terms.h"

namespace orvane::sky {

// The observer's place and local axes in the Earth-fixed frame.
struct SiteFrame {
    SiteFrame() = default;
    SiteFrame(double latitudeDeg, double longitudeDeg, double heightM);

    double geocentric[3] = {}; // au
    double east[3] = {};
    double north[3] = {};
    double up[3] = {};
    double meridian[3] = {}; // equatorial, towards the site's meridian
};

// Unit vector towards the sun's centre in the site's local axes.
struct LocalSun {
    double east = 0;
    double north = 0;
    double up = 0;
    double hourAngle = 0; // radians in (-pi, pi], 0 at upper transit

    double azimuthDeg() const; // [0, 360)
    double altitudeDeg() const;
};

// Apparent place: light time, annual aberration, precession-nutation, Earth
// rotation (UT1 = UTC, no polar motion), then parallax.
LocalSun localSun(const TimeScales &time, const DailyTerms &terms, const SiteFrame &site);

} // namespace orvane::sky
