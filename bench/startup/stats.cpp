#include "stats.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace bench {

double median(std::vector<double> values)
{
    if (values.empty())
        return std::numeric_limits<double>::quiet_NaN();
    const std::size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + mid, values.end());
    const double upper = values[mid];
    if (values.size() % 2 == 1)
        return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + mid);
    return (lower + upper) / 2;
}

double ratio(double a, double b)
{
    if (!(std::isfinite(a) && std::isfinite(b) && a > 0 && b > 0))
        return std::numeric_limits<double>::quiet_NaN();
    return a / b;
}

} // namespace bench
