#include "time_zones.h"

#include "window_texts.h"

namespace orvane {

int timeZoneCount() { return static_cast<int>(kTimeZones.size()); }

const char *timeZoneText(int index)
{
    return index >= 0 && index < timeZoneCount() ? kTimeZones[static_cast<std::size_t>(index)] : nullptr;
}

std::optional<double> zoneMeridian(int index)
{
    if (!timeZoneText(index))
        return std::nullopt;
    // Entry i is GMT + (i - 11) hours.
    return 15.0 * (index - 11);
}

} // namespace orvane
