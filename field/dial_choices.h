#pragma once
// The dial's settings chosen from a few, each with the command line's word
// and the designer's item: both read the same table, so that neither casts
// a position into a value.

#include "dial_dates.h"

#include "dial/dial_input.h"

#include <array>

namespace orvane {

template <typename T>
struct DialChoice {
    T value;
    const char *option; // --dial-time sun
    const char *shown;  // "Sun time"
};

inline constexpr std::array<DialChoice<dial::DialTime>, 3> kDialTimes{{
    {dial::DialTime::Sun, "sun", "Sun time"},
    {dial::DialTime::Zone, "zone", "Zone time"},
    {dial::DialTime::Clock, "clock", "Clock time"},
}};

inline constexpr std::array<DialChoice<DateLineChoice>, 3> kDateLineChoices{{
    {DateLineChoice::None, "none", "None"},
    {DateLineChoice::Solstices, "solstices", "Solstices and equinoxes"},
    {DateLineChoice::Months, "months", "Months"},
}};

inline constexpr std::array<DialChoice<int>, 3> kHourSteps{{
    {60, "60", "60 minutes"},
    {30, "30", "30 minutes"},
    {15, "15", "15 minutes"},
}};

// The entry holding `value`; the first when none does.
template <typename T, std::size_t N>
constexpr const DialChoice<T> &choiceOf(const std::array<DialChoice<T>, N> &table, T value)
{
    for (const DialChoice<T> &c : table)
        if (c.value == value)
            return c;
    return table.front();
}

} // namespace orvane
