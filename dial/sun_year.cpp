#include "dial/sun_year.h"

#include <chrono>
#include <cstdio>

namespace orvane::dial {

std::string isoDate(int year, int dayOfYear)
{
    using namespace std::chrono;
    const year_month_day d{sys_days{std::chrono::year{year} / January / 1} + days{dayOfYear}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(d.year()), unsigned(d.month()), unsigned(d.day()));
    return text;
}

} // namespace orvane::dial
