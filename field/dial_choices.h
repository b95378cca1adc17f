#pragma once
// The dial's settings chosen from a few, each with the command line's word
// and the designer's item: both read the same table, so that neither casts
// a position into a value.

#include "dial_dates.h"

#include "dial/dial_input.h"

#include <QtGlobal>

#include <array>

namespace orvane {

template <typename T>
struct DialChoice {
    T value;
    const char *option; // --dial-time sun
    const char *shown;  // "Sun time": translate("field", shown) where shown
};

inline constexpr std::array<DialChoice<dial::DialTime>, 3> kDialTimes{{
    {dial::DialTime::Sun, "sun", QT_TRANSLATE_NOOP("field", "Sun time")},
    {dial::DialTime::Zone, "zone", QT_TRANSLATE_NOOP("field", "Zone time")},
    {dial::DialTime::Clock, "clock", QT_TRANSLATE_NOOP("field", "Clock time")},
}};

inline constexpr std::array<DialChoice<DateLineChoice>, 3> kDateLineChoices{{
    {DateLineChoice::None, "none", QT_TRANSLATE_NOOP("field", "None")},
    {DateLineChoice::Solstices, "solstices", QT_TRANSLATE_NOOP("field", "Solstices and equinoxes")},
    {DateLineChoice::Months, "months", QT_TRANSLATE_NOOP("field", "Months")},
}};

inline constexpr std::array<DialChoice<int>, 3> kHourSteps{{
    {60, "60", QT_TRANSLATE_NOOP("field", "60 minutes")},
    {30, "30", QT_TRANSLATE_NOOP("field", "30 minutes")},
    {15, "15", QT_TRANSLATE_NOOP("field", "15 minutes")},
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
