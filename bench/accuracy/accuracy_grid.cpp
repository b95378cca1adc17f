// Prints the east, meridian and west clock times over a grid of sites and
// dates as CSV, one line per combination where both crossings are seen,
// with the precise sun's crossings on the same civil day and its position at
// the program's times.
//
// Usage: accuracy_grid [year ...]   (default 2025)
#include "calc/crossings.h"
#include "calc/date_value.h"
#include "calc/trig_functions.h"
#include "sky/sun.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Site {
    double longitude;    // degrees east
    double zoneMeridian; // degrees east, as the zone list offers them
};

// Longitudes around the world with the zone meridians their places use,
// including some set well away from the longitude (-3.7 on +15, -58.4 on
// -45), where the zone correction is large.
const Site kSites[] = {
    {-157.8, -150}, {-122.4, -120}, {-99.1, -90}, {-74.0, -75}, {-58.4, -45}, {-3.7, 15},   {0.0, 0},     {13.4, 15},
    {31.2, 30},     {55.3, 60},     {77.2, 75},   {100.5, 105}, {116.4, 120}, {139.7, 135}, {151.2, 150}, {174.8, 180},
};

// Both hemispheres; crossings are seen only while the declination has the
// latitude's sign and is smaller, so low latitudes contribute few dates.
const double kLatitudes[] = {-66.0, -55.5, -45.0, -33.9, -20.0, 20.0, 35.7, 40.655, 51.5, 60.2, 69.6};

bool parseYear(const char *text, int &year)
{
    char *end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < 100 || v > 9999)
        return false;
    year = static_cast<int>(v);
    return true;
}

// Days from 30 December 1899 to 1 January 1970.
constexpr double kUnixEpochSerial = 25569;

void printInstant(const std::optional<orvane::sky::SunEvent> &e, double dayStart)
{
    if (e)
        std::printf(",%.17g", e->utcSeconds - dayStart);
    else
        std::printf(",none");
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<int> years;
    for (int i = 1; i < argc; ++i) {
        int y = 0;
        if (!parseYear(argv[i], y)) {
            std::fprintf(stderr, "accuracy_grid: not a year: %s\n", argv[i]);
            return 2;
        }
        years.push_back(y);
    }
    if (years.empty())
        years.push_back(2025);

    // No crossing reaches ArcCos out of range, but say so loudly if one does.
    bool domainError = false;
    orvane::setErrorReporter([&](const std::string &m) {
        std::fprintf(stderr, "accuracy_grid: %s\n", m.c_str());
        domainError = true;
    });

    orvane::SolarState s;
    orvane::initConstants(s);

    std::printf("year,month,day,latitude,longitude,zone_meridian,dst,direction,"
                "east_s,meridian_s,west_s,"
                "east_dec_rad,east_eot_min,meridian_dec_rad,meridian_eot_min,"
                "west_dec_rad,west_eot_min,"
                "sky_east_s,sky_meridian_s,sky_west_s,sky_direction,"
                "sky_east_az,sky_east_alt,sky_meridian_az,sky_meridian_alt,"
                "sky_west_az,sky_west_alt\n");
    for (int year : years) {
        for (int month = 1; month <= 12; ++month) {
            for (int day : {1, 16}) {
                for (int li = 0; li < std::ssize(kLatitudes); ++li) {
                    for (int si = 0; si < std::ssize(kSites); ++si) {
                        const double latitude = kLatitudes[li];
                        const Site &site = kSites[si];
                        // Alternate the clock mode over sites, latitudes and
                        // dates so that every site sees both.
                        const bool dst = (month + day + li + si) % 2 == 1;
                        s.inputDate = orvane::dateSerial(year, month, day);
                        s.latitude = latitude;
                        s.longitude = site.longitude;
                        s.zoneMeridian = site.zoneMeridian;
                        const orvane::Crossings c = orvane::computeCrossings(s, dst);
                        if (!c.east.seen || !c.west.seen)
                            continue;
                        std::printf("%d,%d,%d,%.17g,%.17g,%.17g,%d,%s", year, month, day, latitude, site.longitude,
                                    site.zoneMeridian, dst ? 1 : 0,
                                    c.direction == orvane::MeridianDirection::South ? "S" : "N");
                        for (const orvane::SolarEvent *e : {&c.east, &c.meridian, &c.west})
                            std::printf(",%.17g", e->clock * 86400);
                        // The declination and equation of time each time was
                        // computed with, to tell where an error comes from.
                        for (const orvane::SolarEvent *e : {&c.east, &c.meridian, &c.west})
                            std::printf(",%.17g,%.17g", e->declination, e->equationOfTime);

                        // The precise sun over the same civil day, from
                        // local midnight on the zone clock.
                        const double dayStart =
                            (s.inputDate - kUnixEpochSerial) * 86400 - (site.zoneMeridian / 15 + (dst ? 1 : 0)) * 3600;
                        orvane::sky::Sun sun({latitude, site.longitude});
                        const orvane::sky::DayEvents sky = sun.events(dayStart);
                        printInstant(sky.east, dayStart);
                        printInstant(sky.meridian, dayStart);
                        printInstant(sky.west, dayStart);
                        std::printf(",%s", !sky.meridian ? "none" : sky.meridian->azimuthDeg == 0 ? "N" : "S");
                        // Where the precise sun stands at the program's times.
                        for (const orvane::SolarEvent *e : {&c.east, &c.meridian, &c.west}) {
                            const orvane::sky::SunPosition p = sun.position(dayStart + e->clock * 86400);
                            std::printf(",%.17g,%.17g", p.azimuthDeg, p.altitudeDeg);
                        }
                        std::printf("\n");
                    }
                }
            }
        }
    }
    return domainError ? 1 : 0;
}
