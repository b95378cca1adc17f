#include "dial/analemmatic.h"

#include "dial/dial_layout.h"
#include "dial/face_frame.h"

#include "angles/angles.h"

#include <algorithm>
#include <cmath>

namespace orvane::dial {

namespace {

using angles::radians;

// Declinations sampled across the year: every day's lies within them.
constexpr int kDeclinationSteps = 200;

double declinationDegAt(int i) { return -kMaxDeclination + 2 * kMaxDeclination * i / kDeclinationSteps; }

// The sun's altitude's sine at this hour angle and declination (radians).
double sinAltitude(double latitudeRad, double hourAngleRad, double declinationRad)
{
    return std::sin(latitudeRad) * std::sin(declinationRad) +
           std::cos(latitudeRad) * std::cos(declinationRad) * std::cos(hourAngleRad);
}

bool everUp(double latitudeRad, double hourAngleRad)
{
    for (int i = 0; i <= kDeclinationSteps; ++i)
        if (sinAltitude(latitudeRad, hourAngleRad, radians(declinationDegAt(i))) > 0)
            return true;
    return false;
}

} // namespace

bool groundLatitudeHolds(double latitude)
{
    return std::fabs(latitude) >= kGroundMinLatitude && std::fabs(latitude) <= kGroundMaxLatitude;
}

double groundDateY(const DialInput &input, double declinationDeg)
{
    return input.halfWidth * std::tan(radians(declinationDeg)) * std::cos(radians(input.latitude));
}

GroundLayout layoutGround(const DialInput &input)
{
    const double m = input.halfWidth, phi = radians(input.latitude);
    GroundLayout l;
    l.halfWidth = m;
    l.minorHalfWidth = m * std::fabs(std::sin(phi));
    l.focus = m * std::cos(phi);
    l.stringLoop = 2 * m + 2 * m * std::cos(phi);
    l.noonY = m * std::sin(phi);

    const int perDay = 24 * 60 / std::max(1, input.stepMinutes);
    for (int i = 0; i < perDay; ++i) {
        const double hour = i * 24.0 / perDay;
        const double hourAngleRad = hourAngleOf(input, hour);
        if (!everUp(phi, hourAngleRad))
            continue;
        GroundMark mark{
            hour, hourLabel(hour), {m * std::sin(hourAngleRad), m * std::sin(phi) * std::cos(hourAngleRad)}, 0, 0, 0};
        mark.fromCentre = std::hypot(mark.at.x, mark.at.y);
        mark.fromNoon = std::hypot(mark.at.x, mark.at.y - l.noonY);
        mark.side = std::fabs(mark.at.x) < 1e-9 * m ? 0 : mark.at.x > 0 ? 1 : -1;
        l.marks.push_back(mark);

        if (hour < kGnomonFirstHour || hour > kGnomonLastHour)
            continue;
        // The shadow of a person of height g reaches g / tan(altitude); it
        // must reach from where they stand to the mark.
        std::optional<GnomonNeed> need;
        for (int k = 0; k <= kDeclinationSteps; ++k) {
            const double declinationDeg = declinationDegAt(k);
            const double s = sinAltitude(phi, hourAngleRad, radians(declinationDeg));
            if (s <= 0)
                continue;
            const double c = std::sqrt(std::max(0.0, 1 - s * s));
            const double reach = std::hypot(mark.at.x, mark.at.y - groundDateY(input, declinationDeg));
            const double g = c < 1e-12 ? 0 : reach * s / c;
            if (!need || g > need->height)
                need = GnomonNeed{hour, mark.label, g, declinationDeg};
        }
        if (need) {
            l.gnomon.push_back(*need);
            l.gnomonHeight = std::max(l.gnomonHeight, need->height);
        }
    }
    return l;
}

std::optional<PlatePoint> stakedPoint(double noonY, double fromCentre, double fromNoon, int side)
{
    if (noonY == 0)
        return std::nullopt;
    // Circles about (0, 0) and (0, noonY): subtracting their equations gives y.
    const double y = (fromCentre * fromCentre - fromNoon * fromNoon + noonY * noonY) / (2 * noonY);
    const double xx = fromCentre * fromCentre - y * y;
    if (xx < -1e-9 * std::max(1.0, fromCentre * fromCentre))
        return std::nullopt;
    return PlatePoint{side * std::sqrt(std::max(0.0, xx)), y};
}

} // namespace orvane::dial
