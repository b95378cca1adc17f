#include "solar_position.h"

#include "date_value.h"
#include "trig_functions.h"

#include "angles/angles.h"

#include <cassert>
#include <cmath>

namespace orvane {

namespace {
double reduce360(double a) { return (a / 360 - std::floor(a / 360)) * 360; }
} // namespace

SolarTerms computeSolarTerms(const SolarState &s, int slot, bool daylightSaving)
{
    assert(slot >= 0 && slot < kSlotCount);
    SolarTerms t;
    const double d = daylightSaving ? -1 : 0;
    t.N = daysFrom1900(s.inputDate);

    // The order of the sum is kept as the theory states it.
    double T = static_cast<double>(t.N);
    T -= s.longitude / 360;
    T += s.eventTime[slot];
    T += d / 24;
    T -= 0.5;
    T += 1;
    T /= 36525;
    t.T = T;

    t.L = reduce360(279.697 + 36000.769 * T);
    t.M = reduce360(358.476 + 35999.05 * T);
    t.epsilon = 23.452 - 0.013 * T;
    const double k = angles::kDegree;
    t.lambda = (1.919 - 0.005 * T) * std::sin(t.M * k) + t.L + 0.02 * std::sin(2 * t.M * k);

    t.declination = arcSin(std::sin(t.lambda * k) * std::sin(t.epsilon * k));

    t.alphaRaw = arcTan(std::tan(t.lambda * k) * std::cos(t.epsilon * k)) * angles::kRadToDeg;
    t.alpha = t.alphaRaw;
    if (std::cos(t.lambda * k) >= 0) {
        if (t.lambda - t.alpha > 300)
            t.alpha += 360;
    } else {
        t.alpha += 180;
    }
    t.equationOfTime = (t.L - t.alpha) * 4;
    return t;
}

void solarPosition(SolarState &s, int slot, bool daylightSaving)
{
    const SolarTerms t = computeSolarTerms(s, slot, daylightSaving);
    s.eventSun[0][slot] = t.declination;
    s.eventSun[1][slot] = t.equationOfTime;
}

} // namespace orvane
