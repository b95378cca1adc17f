#include "solar_position.h"

#include "date_value.h"
#include "trig_functions.h"

#include <cassert>
#include <cmath>

namespace orvane {

namespace {
double reduce360(double a) { return (a / 360 - std::floor(a / 360)) * 360; }
} // namespace

void SolarPosition(SolarState &s, int slot, bool daylightSaving)
{
    assert(slot >= 0 && slot < kSlotCount);
    const double d = daylightSaving ? -1 : 0;
    const double N = static_cast<double>(DaysFrom1900(s.InputDate));

    // The order of the sum is kept as the theory states it.
    double T = N;
    T -= s.Longitude / 360;
    T += s.EventTime[slot];
    T += d / 24;
    T -= 0.5;
    T += 1;
    T /= 36525;

    const double L = reduce360(279.697 + 36000.769 * T);
    const double M = reduce360(358.476 + 35999.05 * T);
    const double eps = 23.452 - 0.013 * T;
    const double k = s.DegToRad;
    const double lambda = (1.919 - 0.005 * T) * std::sin(M * k) + L + 0.02 * std::sin(2 * M * k);

    s.EventSun[0][slot] = ArcSin(s, std::sin(lambda * k) * std::sin(eps * k));

    double alpha = ArcTan(std::tan(lambda * k) * std::cos(eps * k)) * s.RadToDeg;
    if (std::cos(lambda * k) >= 0) {
        if (lambda - alpha > 300)
            alpha += 360;
    } else {
        alpha += 180;
    }
    s.EventSun[1][slot] = (L - alpha) * 4;
}

} // namespace orvane
