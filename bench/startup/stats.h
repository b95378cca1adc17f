#pragma once
// Summaries of repeated measurements.

#include <vector>

namespace bench {

// The middle value, or the mean of the two middle ones; NaN when empty.
double Median(std::vector<double> values);

// a / b, NaN unless both are positive and finite.
double Ratio(double a, double b);

} // namespace bench
