#include "dial/dial_kinds.h"

#include "angles/angles.h"

#include <cmath>

namespace orvane::dial {

const std::vector<DialKind> &dialKinds()
{
    static const std::vector<DialKind> kinds{
        {DialType::Horizontal, "horizontal", "Horizontal", "Horizontal dial", false, "east", "north", "the meridian",
         "east", "west", "From the meridian (\xC2\xB0, + east)", layoutDial, drawPlaneDial},
        {DialType::Vertical, "vertical", "Vertical", "Vertical dial", true, "right", "up", "the vertical", "right",
         "left", "From the vertical (\xC2\xB0, + right)", layoutDial, drawPlaneDial},
    };
    return kinds;
}

const DialKind &dialKind(DialType type)
{
    for (const DialKind &k : dialKinds())
        if (k.type == type)
            return k;
    return dialKinds().front();
}

const DialKind *findDialKind(std::string_view commandName)
{
    for (const DialKind &k : dialKinds())
        if (commandName == k.commandName)
            return &k;
    return nullptr;
}

const DialKind &wallDialKind() { return dialKind(DialType::Vertical); }

double hourLineAngle(const DialInput &input, const DialLayout &layout, const HourLine &line)
{
    const double dx = line.line.to.x - line.line.from.x, dy = line.line.to.y - line.line.from.y;
    if (layout.root) {
        // The lines run away from the root; the noon shadow falls on the far side of the foot.
        const double sense = layout.root->y > 0 ? -1 : 1;
        return angles::degrees(std::atan2(dx, sense * dy));
    }
    // Parallel lines: the half-turn that reads smaller, from the meridian's
    // northern end or the plumb line.
    const double sense = input.type == DialType::Horizontal ? 1 : -1;
    double angle = angles::degrees(std::atan2(dx, sense * dy));
    if (angle > 90)
        angle -= 180;
    else if (angle <= -90)
        angle += 180;
    return angle;
}

} // namespace orvane::dial
