#pragma once
// A dial that stands, checked against the clock. The whole dial, plate and
// style together, may stand turned about the vertical (clockwise seen from
// above: the facing grows) and leaned (the tilt from the zenith grows: the
// top edge tips out along the normal; a level face tips down towards the
// equator), and may besides show every time `offset` minutes late. A least-squares fit over readings
// of the dial against the true sun finds the three.
//
// Any dial whose shadow is cast by a style along the Earth's axis reads the
// sun's hour angle about that style, whatever the plate: so a turned dial
// reads the hour angle of the sun turned back into the dial's own frame.
#include "dial/face_frame.h"

#include <vector>

namespace orvane::dial {

struct CheckReading {
    Vec3 sun;             // towards the sun at the reading's instant (east, north, up)
    double dialHours = 0; // what the dial showed, hours after midnight in its own time
    long day = 0;         // the reading's day, counted from any fixed day
};

// Which of the three the readings cannot tell apart, when they cannot.
enum class CheckConfusion { None, TooFew, TurnLean, TurnOffset, LeanOffset };

struct CheckFit {
    // Per reading, as given: what the dial standing true shows (hours), and
    // the reading's error against it and its residual after the fit
    // (minutes; the residual only when told).
    std::vector<double> expectedHours;
    std::vector<double> errorMin;
    std::vector<double> residualMin;
    CheckConfusion confusion = CheckConfusion::None;
    // Why, when it cannot: the readings span too few days (the sun's path
    // too little changed), or all stand near noon.
    bool fewDays = false, nearNoon = false;
    bool told() const { return confusion == CheckConfusion::None; }
    double turnDeg = 0, turnSdDeg = 0;
    double leanDeg = 0, leanSdDeg = 0;
    double offsetMin = 0, offsetSdMin = 0;
    double rmsMin = 0; // of the residuals
};

// A level face (looking straight up or down): its lean tips it towards the
// equator rather than its top edge forward.
bool levelFace(const DialInput &face);

// Readings over fewer days than this, or all within this many hours of
// noon, tell the turn from the clock's offset too poorly to be trusted:
// both shift the whole day's readings nearly alike.
inline constexpr long kCheckMinDays = 7;
inline constexpr double kCheckNearNoonHours = 1.5;
// A turn or lean whose standard deviation, were each reading good to one
// minute, is above this is not told either.
inline constexpr double kCheckTellableSdDeg = 3.0;

CheckFit checkDial(const DialInput &face, const std::vector<CheckReading> &readings);

} // namespace orvane::dial
