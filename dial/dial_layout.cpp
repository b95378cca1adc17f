#include "dial/dial_layout.h"

#include "dial/face_frame.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane::dial {

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
} // namespace

std::string hourLabel(double hour)
{
    const long minutes = std::lround(hour * 60);
    const long h = (minutes / 60) % 24;
    const long m = minutes % 60;
    std::string label = std::to_string(h);
    if (m != 0)
        label += (m < 10 ? ":0" : ":") + std::to_string(m);
    return label;
}

DialLayout layoutDial(const DialInput &input)
{
    const FaceFrame f = faceFrame(input);
    const double h = input.nodusHeight;
    const double pn = dot(f.pole, f.normal);
    const PlatePoint axis = onPlate(f, f.pole);
    const std::optional<PlatePoint> styleFoot = styleRoot(f);
    const bool parallel = !styleFoot;

    DialLayout out;
    // atan2 keeps a style nearly square to the face exact, where asin would not.
    out.styleHeight = angles::degrees(std::atan2(std::fabs(pn), std::hypot(axis.x, axis.y)));
    PlatePoint root;
    if (parallel) {
        out.substyle = clipToPlate(input.plate, {0, 0}, axis, -kInf, kInf);
    } else {
        root = *styleFoot;
        out.root = root;
        const double base = std::hypot(root.x, root.y);
        Gnomon g{std::hypot(base, h), h, base, base, 0, std::hypot(base, h)};
        if (base > 1e-9 * h) {
            out.substyle = clipToPlate(input.plate, root, {-root.x, -root.y}, 0, kInf);
            if (out.substyle) {
                const double enter = std::hypot(out.substyle->from.x - root.x, out.substyle->from.y - root.y);
                if (enter > 1e-6 && enter < base) {
                    g.cutBase = base - enter;
                    g.cutEdge = enter * h / base;
                    g.cutStyle = std::hypot(g.cutBase, h - g.cutEdge);
                }
            }
        }
        out.gnomon = g;
    }

    if (input.time == DialTime::Clock) {
        layoutClockLines(input, out);
        return out;
    }
    const int step = input.stepMinutes > 0 ? input.stepMinutes : 60;
    for (int minutes = 0; minutes < 24 * 60; minutes += step) {
        const double hour = minutes / 60.0;
        const double hourAngleRad = hourAngleOf(input, hour);
        if (!hourLit(f, hourAngleRad))
            continue;
        // With parallel lines a lit hour has dot(e, normal) > 0, so the
        // equinox shadow exists.
        const std::optional<PlateSegment> line =
            parallel ? clipToPlate(input.plate, shadowOf(f, equatorPoint(f, hourAngleRad)), axis, -kInf, kInf)
                     : clipToPlate(input.plate, root, hourLineDirection(f, hourAngleRad), 0, kInf);
        if (line)
            out.hourLines.push_back({hour, hourLabel(hour), *line, {}, 0, {}});
        else
            out.offPlate.push_back(hour);
    }
    return out;
}

bool faceEverLit(const DialInput &input)
{
    const FaceFrame f = faceFrame(input);
    constexpr int kSteps = 1440;
    for (int i = 0; i < kSteps; ++i)
        if (hourLit(f, (2.0 * i / kSteps - 1) * angles::kPi))
            return true;
    return false;
}

} // namespace orvane::dial
