#include "wall_facing.h"

#include "angles/angles.h"

#include <cmath>

namespace orvane::sky {

namespace {

constexpr double kSpreadLimitDeg = 1;

} // namespace

WallDeclination wallDeclination(double facingDeg, double latitudeDeg)
{
    WallDeclination d;
    d.equatorBearingDeg = latitudeDeg >= 0 ? 180 : 0;
    d.declinationDeg = std::fabs(angles::wrap180(facingDeg - d.equatorBearingDeg));
    // Turned towards the east is facing with an eastward component, in
    // either hemisphere.
    if (facingDeg > 0 && facingDeg < 180)
        d.side = DeclinationSide::East;
    else if (facingDeg > 180)
        d.side = DeclinationSide::West;
    return d;
}

WallFacingResult wallFacing(const std::vector<WallReading> &readings, const Site &site)
{
    WallFacingResult result;
    if (readings.empty())
        return result;
    Sun sun(site);
    WallFacing wall;
    double sumSin = 0, sumCos = 0;
    for (int i = 0; i < static_cast<int>(readings.size()); ++i) {
        const WallReading &r = readings[i];
        const SunPosition p = sun.position(r.utcSeconds);
        if (!(r.angleDeg > -90 && r.angleDeg < 90))
            result.errors.push_back({i, WallReadingProblem::AngleOutOfRange});
        if (!(p.altitudeDeg >= 0))
            result.errors.push_back({i, WallReadingProblem::SunBelowHorizon});
        const double facing = angles::wrap360(p.azimuthDeg - r.angleDeg);
        wall.readings.push_back({p, facing, 0});
        sumSin += std::sin(angles::radians(facing));
        sumCos += std::cos(angles::radians(facing));
    }
    if (!result.errors.empty())
        return result;

    wall.facingDeg = angles::wrap360(angles::degrees(std::atan2(sumSin, sumCos)));
    for (WallReadingResult &r : wall.readings) {
        r.residualDeg = angles::wrap180(r.facingDeg - wall.facingDeg);
        wall.spreadDeg = std::fmax(wall.spreadDeg, std::fabs(r.residualDeg));
    }
    wall.spreadWarning = wall.spreadDeg > kSpreadLimitDeg;

    const WallDeclination declination = wallDeclination(wall.facingDeg, site.latitudeDeg);
    wall.equatorBearingDeg = declination.equatorBearingDeg;
    wall.declinationDeg = declination.declinationDeg;
    wall.side = declination.side;
    result.facing = wall;
    return result;
}

} // namespace orvane::sky
