#include "trig_functions.h"

#include "solar_state.h"

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

void SetErrorReporter(ErrorReporter r) { reporter() = std::move(r); }

double ArcTan(double x) { return std::atan(x); }

double ArcSin(const SolarState &state, double x)
{
    const double ax = std::fabs(x);
    if (ax < 1)
        return std::atan(x / std::sqrt(1 - x * x));
    if (ax < 1.00000000001)
        return (state.Pi / 2) * x;
    report("Input out of ArcSine range");
    return 0;
}

double ArcCos(double x)
{
    const double ax = std::fabs(x);
    if (ax < 1)
        return std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0);
    if (ax == 1)
        return 2 * std::atan(1.0) - 2 * x * std::atan(1.0);
    report("Input out of ArcCos range");
    return 0;
}

void InitConstants(SolarState &state)
{
    state.Pi = 4 * std::atan(1.0);
    state.DegToRad = state.Pi / 180;
    state.RadToDeg = 180 / state.Pi;
    state.EventTime[kSlotMeridian] = 0.5;
}

} // namespace orvane
