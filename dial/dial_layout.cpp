#include "dial/dial_layout.h"

#include "dial/face_frame.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane::dial {

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
// Below this |cos| between the axis and the face normal the style counts as
// parallel to the face: the root would lie beyond any plate.
constexpr double kParallel = 1e-12;
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
    const bool parallel = std::fabs(pn) < kParallel;

    DialLayout out;
    // atan2 keeps a style nearly square to the face exact, where asin would not.
    out.styleHeight = angles::degrees(std::atan2(std::fabs(pn), std::hypot(axis.x, axis.y)));
    PlatePoint root;
    if (parallel) {
        out.substyle = clipToPlate(input.plate, {0, 0}, axis, -kInf, kInf);
    } else {
        root = {-h * axis.x / pn, -h * axis.y / pn};
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

    const int step = input.stepMinutes > 0 ? input.stepMinutes : 60;
    for (int minutes = 0; minutes < 24 * 60; minutes += step) {
        const double hour = minutes / 60.0;
        const double hourAngleRad = hourAngleOf(input, hour);
        if (!hourLit(f, hourAngleRad))
            continue;
        const Vec3 e = equatorPoint(f, hourAngleRad);
        std::optional<PlateSegment> line;
        if (parallel) {
            // A lit hour has dot(e, normal) > 0 here, so the equinox shadow exists.
            line = clipToPlate(input.plate, shadowOf(f, e), axis, -kInf, kInf);
        } else {
            // The style's shadow, in the plane of the style and the hour circle,
            // runs from the root away from the sun: this direction for every
            // declination of that hour.
            const double sign = pn > 0 ? 1 : -1;
            const Vec3 away = sign * dot(e, f.normal) * f.pole - std::fabs(pn) * e;
            line = clipToPlate(input.plate, root, onPlate(f, away), 0, kInf);
        }
        if (line)
            out.hourLines.push_back({hour, hourLabel(hour), *line});
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
