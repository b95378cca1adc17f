#include "time_scales.h"

#include "delta_t.h"

#include "angles/angles.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <optional>

namespace orvane::sky {

namespace {

using angles::kSecondsPerDay;
constexpr double kUnixEpochJd = 2440587.5;
constexpr double kJ2000Jd = 2451545.0;
constexpr double kDaysPerYear = 365.2425;
// The first year of ERFA's table; before it ERFA gives TAI - UTC = 0.
constexpr int kFirstUtcYear = 1960;

struct CivilDate {
    int year;
    int month;
    int day;
};

// Proleptic Gregorian date of a day count from 1970-01-01 (H. Hinnant's
// days_from_civil inverse).
CivilDate civilFromDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

// TT from UTC through ERFA's leap-second table; false where ERFA refuses.
bool ttFromLeapSeconds(const CivilDate &date, double secondOfDay, JulianDate &tt)
{
    const int hour = static_cast<int>(secondOfDay / 3600);
    const int minute = static_cast<int>((secondOfDay - hour * 3600.0) / 60);
    const double second = secondOfDay - hour * 3600.0 - minute * 60.0;
    double utc1 = 0, utc2 = 0, tai1 = 0, tai2 = 0;
    // Positive statuses are warnings (a year past the table's end); the last
    // known TAI - UTC then stays in force.
    if (eraDtf2d("UTC", date.year, date.month, date.day, hour, minute, second, &utc1, &utc2) < 0)
        return false;
    if (eraUtctai(utc1, utc2, &tai1, &tai2) < 0)
        return false;
    return eraTaitt(tai1, tai2, &tt.day, &tt.fraction) == 0;
}

// TAI - UTC in seconds when one value holds all day: from 1972, whole
// seconds that change only at a midnight. A search samples the same day
// hundreds of times, so the last day's answer is kept.
std::optional<double> wholeDayLeapSeconds(long long days, const CivilDate &date)
{
    struct Memo {
        long long days = 0;
        std::optional<double> seconds;
        bool set = false;
    };
    thread_local Memo memo;
    if (memo.set && memo.days == days)
        return memo.seconds;
    memo = Memo{days, std::nullopt, true};
    const CivilDate next = civilFromDays(days + 1);
    double today = 0, tomorrow = 0;
    if (date.year >= 1972 && eraDat(date.year, date.month, date.day, 0, &today) >= 0 &&
        eraDat(next.year, next.month, next.day, 0, &tomorrow) >= 0 && today == tomorrow)
        memo.seconds = today;
    return memo.seconds;
}

} // namespace

TimeScales timeScalesFromUtc(double utcSeconds)
{
    const double days = std::floor(utcSeconds / kSecondsPerDay);
    double secondOfDay = utcSeconds - days * kSecondsPerDay;
    if (secondOfDay >= kSecondsPerDay) // rounding just below a midnight
        secondOfDay = std::nextafter(kSecondsPerDay, 0.0);
    const CivilDate date = civilFromDays(static_cast<long long>(days));

    TimeScales t;
    t.ut1 = {kUnixEpochJd + days, secondOfDay / kSecondsPerDay};
    if (const std::optional<double> leap = wholeDayLeapSeconds(static_cast<long long>(days), date)) {
        t.tt = {t.ut1.day, (secondOfDay + *leap + ERFA_TTMTAI) / kSecondsPerDay};
        return t;
    }
    if (date.year >= kFirstUtcYear && ttFromLeapSeconds(date, secondOfDay, t.tt))
        return t;
    const double decimalYear = 2000.0 + (t.ut1.day - kJ2000Jd + t.ut1.fraction) / kDaysPerYear;
    t.tt = {t.ut1.day, t.ut1.fraction + deltaTSeconds(decimalYear) / kSecondsPerDay};
    return t;
}

} // namespace orvane::sky
