#pragma once
// An old dial's latitude, and a wall's facing, from the angles its hour lines
// make at the root. The dial's angles come from the layout's own frame and
// hourLineAngle, so the angles --dial prints, fed back, give its latitude
// and facing back.
#include "dial/dial_kinds.h"

#include <optional>
#include <vector>

namespace orvane::dial {

struct MeasuredLine {
    double hour = 0;     // sun time: 9, 10.5, 15
    double angleDeg = 0; // at the root from the noon line, as hourLineAngle gives it
};

struct FoundDial {
    double latitude = 0;           // degrees, north positive
    std::optional<double> facing;  // degrees from north through east, [0, 360); none on a level face
    double rmsDeg = 0;             // the lines' misfit
    std::vector<double> fittedDeg; // each line's angle on this dial, in the order measured
};

// Dials are listed up to this misfit (rms, degrees): a protractor on a worn
// dial reads to about half a degree, so dials closer than this to the lines
// cannot be told apart by them.
inline constexpr double kFoundDialMisfit = 0.5;

// A kind whose lines meet at a root and whose one face the latitude and at
// most a facing settle: a level or an upright face.
bool findableKind(const DialKind &kind);

// The unknowns: the latitude, and the facing where the kind takes one.
int unknownsOf(const DialKind &kind);

// The line's angle at the root on the kind's face (facing ignored where the
// kind takes none).
double lineAngleOn(const DialKind &kind, double latitude, double facing, double hour);

struct DialSearch {
    std::vector<FoundDial> found;     // misfit within kFoundDialMisfit, best first
    std::optional<FoundDial> closest; // the best fit whatever its misfit
};

// Every distinct dial of the kind whose lines fit, by least squares over the
// angles from starts spread over every latitude (and facing). A dial on
// which a measured hour is never lit, or whose lines are parallel, is no
// answer.
DialSearch findDial(const DialKind &kind, const std::vector<MeasuredLine> &lines);

} // namespace orvane::dial
