#pragma once
// Delta T = TT - UT1 before UTC existed.

namespace orvane::sky {

// Espenak and Meeus' polynomial fits (2006) to the historical record; the
// year is decimal (2000.0 is the start of 2000). Used before 1960 only: ERFA's
// leap-second table covers the years after.
double deltaTSeconds(double decimalYear);

} // namespace orvane::sky
