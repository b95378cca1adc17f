#pragma once
// Summaries of repeated measurements.

#include <vector>

namespace bench {

// The middle value, or the mean of the two middle ones; NaN when empty.
double median(std::vector<double> values);

// a / b, NaN unless both are positive and finite.
double ratio(double a, double b);

} // namespace bench
