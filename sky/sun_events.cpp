// The day's crossings. Two facts keep the search short and safe near the
// zenith and at the azimuth's wrap from 360 to 0:
// - the upper transit is the zero of the hour angle, which grows at close to
//   the mean solar rate, so a Newton step from a single sample lands within
//   seconds of it and a secant step or two finishes it;
// - between a lower and the next upper transit (the eastern half of the sky)
//   the north component of the sun's direction changes monotonically with
//   the hour angle, and so does it between an upper and the next lower
//   transit (the western half); due east or west is where it changes sign,
//   and its signs at the transits tell whether that happens at all.
// Everything is done on the components of the direction, never on the
// azimuth angle itself.
#include "sun.h"

#include "root_finding.h"
#include "sun_sample.h"

#include "angles/angles.h"

#include <cmath>
#include <vector>

namespace orvane::sky {

namespace {

using angles::kPi;
using angles::kSecondsPerDay;

constexpr double kHalfDay = kSecondsPerDay / 2;
// The sun's hour angle advances by 2 pi per mean solar day, give or take
// 30 s a day.
constexpr double kSolarRate = 2 * kPi / kSecondsPerDay;
constexpr double kTolerance = 1e-4; // seconds
// Due east or west above the horizon lies within 6 hours of the transit;
// this much around the day, a transit may still have one inside it.
constexpr double kCrossingReach = 7 * 3600;

} // namespace

Sun::Sample Sun::sample(double utcSeconds)
{
    const TimeScales time = timeScalesFromUtc(utcSeconds);
    return {utcSeconds, localSun(time, terms_.at(time.tt), frame_)};
}

Sun::Sample Sun::refineTransit(double guessUtc)
{
    Sample s = sample(guessUtc);
    double previousT = s.utc, previousH = s.sun.hourAngle;
    double t = previousT - previousH / kSolarRate;
    for (int i = 0; i < 10; ++i) {
        s = sample(t);
        const double h = s.sun.hourAngle;
        if (std::fabs(t - previousT) < kTolerance || h == 0)
            break;
        double rate = (h - previousH) / (t - previousT);
        if (!(rate > 0.5 * kSolarRate && rate < 2 * kSolarRate)) // across the wrap, or noise
            rate = kSolarRate;
        previousT = t;
        previousH = h;
        t -= h / rate;
    }
    return s;
}

std::optional<SunEvent> Sun::primeVertical(Crossing which, const Sample &transit, double start, double end)
{
    // Above the horizon, due east or west comes within 6 hours of the
    // transit (where cos H = tan(declination) / tan(latitude) >= 0).
    const bool east = which == Crossing::East;
    if (east ? (transit.utc - kCrossingReach >= end || transit.utc <= start)
             : (transit.utc >= end || transit.utc + kCrossingReach <= start))
        return std::nullopt;
    // The half of the sky between this transit and the lower one before
    // (east) or after (west). The lower transit is about half a day away;
    // the north component is at its extreme there, so the exact instant does
    // not matter.
    const Sample lower = sample(transit.utc + (east ? -kHalfDay : kHalfDay));
    if ((lower.sun.north > 0) == (transit.sun.north > 0))
        return std::nullopt;
    Sample last = transit;
    const auto north = [this, &last](double t) {
        last = sample(t);
        return last.sun.north;
    };
    const double t = east ? brentRoot(north, lower.utc, lower.sun.north, transit.utc, transit.sun.north, kTolerance)
                          : brentRoot(north, transit.utc, transit.sun.north, lower.utc, lower.sun.north, kTolerance);
    if (t < start || t >= end)
        return std::nullopt;
    if (last.utc != t)
        last = sample(t);
    const double altitude = last.sun.altitudeDeg();
    if (altitude < 0)
        return std::nullopt;
    return SunEvent{t, east ? 90.0 : 270.0, altitude};
}

DayEvents Sun::search(double start, double length, bool wantEast, bool wantMeridian, bool wantWest)
{
    const double end = start + length;
    const Sample middle = sample(start + length / 2);
    const double nearest = middle.utc - middle.sun.hourAngle / kSolarRate;

    // The upper transits whose halves of the sky reach into the day.
    std::vector<Sample> transits;
    const int steps = static_cast<int>(std::ceil((length / 2 + kCrossingReach) / kSecondsPerDay));
    for (int k = -steps; k <= steps; ++k) {
        const double guess = nearest + k * kSecondsPerDay;
        if (guess > start - kCrossingReach && guess < end + kCrossingReach)
            transits.push_back(refineTransit(guess));
    }

    DayEvents out;
    for (const Sample &transit : transits) {
        if (wantMeridian && !out.meridian && transit.utc >= start && transit.utc < end &&
            transit.sun.altitudeDeg() >= 0) {
            out.meridian = SunEvent{transit.utc, transit.sun.north > 0 ? 0.0 : 180.0, transit.sun.altitudeDeg()};
        }
        if (wantEast && !out.east)
            out.east = primeVertical(Crossing::East, transit, start, end);
        if (wantWest && !out.west)
            out.west = primeVertical(Crossing::West, transit, start, end);
    }
    return out;
}

DayEvents Sun::events(double dayStartUtc, double dayLengthSeconds)
{
    return search(dayStartUtc, dayLengthSeconds, true, true, true);
}

std::optional<SunEvent> Sun::crossing(Crossing which, double dayStartUtc, double dayLengthSeconds)
{
    const DayEvents e = search(dayStartUtc, dayLengthSeconds, which == Crossing::East, which == Crossing::Meridian,
                               which == Crossing::West);
    switch (which) {
    case Crossing::East:
        return e.east;
    case Crossing::Meridian:
        return e.meridian;
    case Crossing::West:
        return e.west;
    }
    return std::nullopt;
}

} // namespace orvane::sky
