#include "date_value.h"

#include <cmath>

namespace orvane {

namespace {
// Days from 1970-01-01 in the proleptic Gregorian calendar (H. Hinnant's
// days_from_civil).
long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int &year, int &month, int &day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

const long long kEpoch = daysFromCivil(1899, 12, 30);
} // namespace

bool isValidDate(int year, int month, int day)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int length = lengths[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= length;
}

double dateSerial(int year, int month, int day)
{
    return static_cast<double>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpoch);
}

// The day of a date value is its whole part toward zero: -1.25 is
// 29 December 1899, 6:00.
void dateParts(double date, int &year, int &month, int &day)
{
    civilFromDays(static_cast<long long>(std::trunc(date)) + kEpoch, year, month, day);
}

long long daysFrom1900(double date)
{
    return static_cast<long long>(std::trunc(date)) - static_cast<long long>(dateSerial(1900, 1, 1));
}

} // namespace orvane
