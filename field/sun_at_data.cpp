// The sun at any bearing or altitude, and a wall's facing from its shadows.
#include "field_data.h"
#include "field_math.h"

#include "sky/sun.h"
#include "sky/wall_facing.h"

#include <cmath>

namespace orvane {

using namespace angles;
using namespace field_math;

namespace {

SunMoment moment(sky::Sun &sun, double utc, double dayStart)
{
    SunMoment m;
    m.preciseClock = std::round((utc - dayStart) * 10) / 10;
    m.clock = std::round(utc - dayStart);
    const sky::SunPosition at = sun.position(utc);
    m.azimuthDeg = at.azimuthDeg;
    m.altitudeDeg = at.altitudeDeg;
    m.shadowBearingDeg = wrap360(at.azimuthDeg + 180);
    if (at.altitudeDeg > 0)
        m.shadowLengthPerM = 1 / std::tan(radians(at.altitudeDeg));
    m.turnDegPerMin = wrap180(sun.position(utc + 30).azimuthDeg - sun.position(utc - 30).azimuthDeg);
    return m;
}

BearingField bearingField(sky::Sun &sun, double bearingDeg, double dayStart)
{
    BearingField f;
    f.bearingDeg = bearingDeg;
    for (const sky::SunEvent &e : sun.bearingCrossings(bearingDeg, dayStart)) {
        f.times.push_back(moment(sun, e.utcSeconds, dayStart));
        for (int dt = -300; dt <= 300; dt += 30) {
            const double clock = f.times.back().clock + dt;
            const sky::SunPosition p = sun.position(dayStart + clock);
            f.around.push_back(
                AroundRow{FieldEvent::Meridian, clock, p.azimuthDeg, p.altitudeDeg, wrap360(p.azimuthDeg + 180)});
        }
    }
    return f;
}

void addWall(const FieldInputs &in, double dayStart, FieldData &d)
{
    std::vector<sky::WallReading> readings;
    for (const FieldInputs::WallReading &r : in.wallReadings)
        readings.push_back(sky::WallReading{dayStart + r.clock, r.angleDeg});
    const sky::WallFacingResult result = wallFacing(readings, sky::Site{in.latitude, in.longitude, 0});
    for (const sky::WallReadingError &e : result.errors)
        d.wallRefusals.push_back(WallReadingRefusal{e.index, e.problem == sky::WallReadingProblem::SunBelowHorizon});
    if (!result.facing)
        return;
    const sky::WallFacing &f = *result.facing;
    WallField w;
    for (std::size_t i = 0; i < f.readings.size(); ++i) {
        const sky::WallReadingResult &r = f.readings[i];
        w.readings.push_back(WallField::Reading{in.wallReadings[i].clock, in.wallReadings[i].angleDeg, r.sun.azimuthDeg,
                                                r.sun.altitudeDeg, r.facingDeg, r.residualDeg});
    }
    w.facingDeg = f.facingDeg;
    w.declinationDeg = f.declinationDeg;
    w.side = f.side == sky::DeclinationSide::East   ? DeclinationSide::East
             : f.side == sky::DeclinationSide::West ? DeclinationSide::West
                                                    : DeclinationSide::None;
    w.spreadDeg = f.spreadDeg;
    d.wall = w;
    if (f.spreadWarning)
        d.warnings.push_back(FieldWarning::WallSpread);
}

} // namespace

void addSunAtData(const FieldInputs &in, FieldData &d)
{
    if (in.bearings.empty() && in.altitudes.empty() && in.wallReadings.empty())
        return;
    sky::Sun sun(sky::Site{in.latitude, in.longitude, 0});
    const double dayStart = dayStartUtc(in.date, in.clock);
    for (double b : in.bearings)
        d.bearings.push_back(bearingField(sun, b, dayStart));
    for (double a : in.altitudes) {
        AltitudeField f{a, {}};
        for (const sky::AltitudeEvent &e : sun.altitudeCrossings(a, dayStart)) {
            f.times.push_back(moment(sun, e.utcSeconds, dayStart));
            f.times.back().rising = e.rising;
        }
        d.altitudes.push_back(f);
    }
    if (!in.bearings.empty())
        for (DayRow &row : d.days) {
            const double start = dayStartUtc(row.date, row.clock);
            for (double b : in.bearings) {
                std::vector<double> clocks;
                for (const sky::SunEvent &e : sun.bearingCrossings(b, start))
                    clocks.push_back(std::round(e.utcSeconds - start));
                row.bearingClocks.push_back(clocks);
            }
        }
    if (!in.wallReadings.empty())
        addWall(in, dayStart, d);
}

} // namespace orvane
