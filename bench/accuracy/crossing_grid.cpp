// Prints the precise sun's instants of given bearings and altitudes over a
// grid of sites and dates, one line per day: kind (b or a), the bearing or
// altitude, latitude, longitude, day start (UTC s), then the instants.
// crossing_values.mjs compares them with astronomy-engine.
//
// Usage: crossing_grid [year]   (default 2027)
#include "sky/sun.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// The tropics, where a bearing can come twice in a morning, both sides of
// the equator, and the midnight sun.
const double kLatitudes[] = {-66.0, -45.0, -23.0, -10.0, 0.5, 10.0, 20.0, 40.655, 51.5, 69.6};
const double kLongitudes[] = {-157.8, -72.855, 139.7};
const double kAltitudes[] = {-0.5, 0, 10, 30, 60, 80};

// Days from 1970-01-01 to a date (proleptic Gregorian).
long long daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void print(char kind, double value, double latitude, double longitude, double start, const double *times, int n)
{
    std::printf("%c,%.10g,%.10g,%.10g,%.1f", kind, value, latitude, longitude, start);
    for (int i = 0; i < n; ++i)
        std::printf(",%.4f", times[i]);
    std::printf("\n");
}

} // namespace

int main(int argc, char **argv)
{
    const int year = argc > 1 ? std::atoi(argv[1]) : 2027;
    for (const double latitude : kLatitudes) {
        for (const double longitude : kLongitudes) {
            orvane::sky::Sun sun(orvane::sky::Site{latitude, longitude});
            for (int month = 1; month <= 12; month += 2) {
                for (const int day : {1, 15}) {
                    // Local mean midnight, to the minute.
                    const double start = daysFromCivil(year, month, day) * 86400.0 - std::round(longitude * 4) * 60;
                    double times[8];
                    for (double bearing = 0; bearing < 360; bearing += 22.5) {
                        int n = 0;
                        for (const auto &e : sun.bearingCrossings(bearing, start))
                            if (n < 8)
                                times[n++] = e.utcSeconds;
                        print('b', bearing, latitude, longitude, start, times, n);
                    }
                    for (const double altitude : kAltitudes) {
                        int n = 0;
                        for (const auto &e : sun.altitudeCrossings(altitude, start))
                            if (n < 8)
                                times[n++] = e.utcSeconds;
                        print('a', altitude, latitude, longitude, start, times, n);
                    }
                }
            }
        }
    }
    return 0;
}
