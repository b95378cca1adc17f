#pragma once
// Inverse trigonometry built on arctangent and square root, with the
// program's own domain guards.

#include <functional>
#include <string>

namespace orvane {

// Receives the out-of-range messages of ArcSin/ArcCos. calc shows nothing
// itself; the window installs a hook that puts up a modal box.
using ErrorReporter = std::function<void(const std::string &message)>;
void setErrorReporter(ErrorReporter reporter);

// Radians in (-pi/2, pi/2).
double arcTan(double x);
// Accepts |x| up to 1.00000000001, proportional (not clamped) beyond 1.
// Reports "Input out of ArcSine range" and returns 0 outside that band.
double arcSin(double x);
// Accepts |x| <= 1 exactly; reports "Input out of ArcCos range" and returns
// 0 beyond.
double arcCos(double x);

} // namespace orvane
