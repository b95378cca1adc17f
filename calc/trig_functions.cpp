#include "trig_functions.h"

#include "solar_state.h"

#include "angles/angles.h"

#include <cmath>
#include <utility>

namespace orvane {

namespace {
ErrorReporter &reporter()
{
    static ErrorReporter r;
    return r;
}

void report(const char *message)
{
    if (reporter())
        reporter()(message);
}
} // namespace

void setErrorReporter(ErrorReporter r) { reporter() = std::move(r); }

double arcTan(double x) { return std::atan(x); }

double arcSin(double x)
{
    const double ax = std::fabs(x);
    if (ax < 1)
        return std::atan(x / std::sqrt(1 - x * x));
    if (ax < 1.00000000001)
        return (angles::kPi / 2) * x;
    report("Input out of ArcSine range");
    return 0;
}

double arcCos(double x)
{
    const double ax = std::fabs(x);
    if (ax < 1)
        return std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0);
    if (ax == 1)
        return 2 * std::atan(1.0) - 2 * x * std::atan(1.0);
    report("Input out of ArcCos range");
    return 0;
}

bool farFromZoneMeridian(double longitude, double zoneMeridian)
{
    return std::fabs(std::remainder(longitude - zoneMeridian, 360.0)) > 15;
}

void initConstants(SolarState &state) { state.eventTime[kSlotMeridian] = 0.5; }

} // namespace orvane
