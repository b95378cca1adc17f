#pragma once
// From a UTC instant to the two time scales the sun's position needs.

namespace orvane::sky {

// Two-part Julian dates: whole day plus fraction, for full precision.
struct JulianDate {
    double day = 0;
    double fraction = 0;
};

struct TimeScales {
    JulianDate ut1; // Earth rotation angle; taken as UTC
    JulianDate tt;  // terrestrial time, for the ephemeris and the precession
};

// utcSeconds counts from 1970-01-01T00:00:00 UTC without leap seconds (POSIX
// time). From 1960 on TT - UTC comes from ERFA's leap-second table, before
// that from a long-term model of Delta T (delta_t.h).
TimeScales timeScalesFromUtc(double utcSeconds);

} // namespace orvane::sky
