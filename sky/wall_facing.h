#pragma once
// Which way a wall faces, from the sun's shadow on a board held square to it.
// A reading is an instant and the angle, seen from above and clockwise
// positive, from the square line (on the level board, perpendicular to the
// wall, taken towards the wall) to the shadow of a plumb line. The shadow
// points away from the sun, at azimuth Z + 180, and the square line towards
// the wall points against the outward facing F, at F + 180, so the angle is
// A = (Z + 180) - (F + 180) and F = Z - A. Worked case: sun at azimuth 150,
// wall facing 130 (south-east): shadow at 330, square line at 310, A = +20,
// and 150 - 20 = 130.
// A is also the sun's azimuth from the wall's outward normal, so the sun
// shines on the wall only while -90 < A < 90: readings outside are refused,
// and so is ±90, where the sun grazes the wall.
#include <optional>
#include <vector>

#include "sun.h"

namespace orvane::sky {

struct WallReading {
    double utcSeconds = 0;
    double angleDeg = 0; // square line to shadow, clockwise seen from above
};

struct WallReadingResult {
    SunPosition sun;
    double facingDeg = 0;   // [0, 360)
    double residualDeg = 0; // facing minus the mean facing, (-180, 180]
};

enum class DeclinationSide { None, East, West };

struct WallFacing {
    std::vector<WallReadingResult> readings; // in the order given
    double facingDeg = 0;                    // circular mean, [0, 360)
    double spreadDeg = 0;                    // largest absolute residual
    bool spreadWarning = false;              // spread over 1 degree
    // The sundial maker's declination: how far the facing turns from the
    // equator's direction, south (180) on and north of the equator, north
    // (0) south of it; [0, 180], and the side it turns to (None when 0 or
    // 180 exactly).
    double equatorBearingDeg = 180;
    double declinationDeg = 0;
    DeclinationSide side = DeclinationSide::None;
};

// The sundial maker's declination of a wall facing `facingDeg` at
// `latitudeDeg`, as WallFacing gives it.
struct WallDeclination {
    double equatorBearingDeg = 180;
    double declinationDeg = 0;
    DeclinationSide side = DeclinationSide::None;
};
WallDeclination wallDeclination(double facingDeg, double latitudeDeg);

enum class WallReadingProblem { SunBelowHorizon, AngleOutOfRange };

struct WallReadingError {
    int index = 0; // into the readings given
    WallReadingProblem problem = WallReadingProblem::SunBelowHorizon;
};

struct WallFacingResult {
    std::optional<WallFacing> facing; // none without readings or with any error
    std::vector<WallReadingError> errors;
};

WallFacingResult wallFacing(const std::vector<WallReading> &readings, const Site &site);

} // namespace orvane::sky
