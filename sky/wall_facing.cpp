#include "wall_facing.h"

#include <cmath>

namespace orvane::sky {

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180;
constexpr double kSpreadLimitDeg = 1;

double toBearing(double degrees) // [0, 360)
{
    double b = std::fmod(degrees, 360.0);
    if (b < 0)
        b += 360;
    return b >= 360 ? 0.0 : b;
}

double toDifference(double degrees) // (-180, 180]
{
    const double d = std::remainder(degrees, 360.0);
    return d <= -180 ? d + 360 : d;
}

} // namespace

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
        const double facing = toBearing(p.azimuthDeg - r.angleDeg);
        wall.readings.push_back({p, facing, 0});
        sumSin += std::sin(facing * kDegree);
        sumCos += std::cos(facing * kDegree);
    }
    if (!result.errors.empty())
        return result;

    wall.facingDeg = toBearing(std::atan2(sumSin, sumCos) / kDegree);
    for (WallReadingResult &r : wall.readings) {
        r.residualDeg = toDifference(r.facingDeg - wall.facingDeg);
        wall.spreadDeg = std::fmax(wall.spreadDeg, std::fabs(r.residualDeg));
    }
    wall.spreadWarning = wall.spreadDeg > kSpreadLimitDeg;

    wall.equatorBearingDeg = site.latitudeDeg >= 0 ? 180 : 0;
    wall.declinationDeg = std::fabs(toDifference(wall.facingDeg - wall.equatorBearingDeg));
    // Turned towards the east is facing with an eastward component, in
    // either hemisphere.
    if (wall.facingDeg > 0 && wall.facingDeg < 180)
        wall.side = DeclinationSide::East;
    else if (wall.facingDeg > 180)
        wall.side = DeclinationSide::West;
    result.facing = wall;
    return result;
}

} // namespace orvane::sky
