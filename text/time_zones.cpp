#include "time_zones.h"

#include "translation.h"
#include "window_texts.h"

namespace orvane {

namespace {
constexpr int kWholeHourCount = static_cast<int>(kTimeZones.size());
constexpr int kFirstExtra = kTimeZoneSeparator + 1;
} // namespace

int timeZoneCount() { return kFirstExtra + static_cast<int>(kExtraTimeZones.size()); }

const char *timeZoneText(int index)
{
    if (index >= 0 && index < kWholeHourCount)
        return kTimeZones[static_cast<std::size_t>(index)];
    if (index >= kFirstExtra && index < timeZoneCount())
        return kExtraTimeZones[static_cast<std::size_t>(index - kFirstExtra)].text;
    return nullptr;
}

QString timeZoneName(int index)
{
    const char *text = timeZoneText(index);
    return text ? translate("text", text).simplified() : QString();
}

std::optional<int> zoneOffsetMinutes(int index)
{
    if (index >= 0 && index < kWholeHourCount)
        return 60 * (index - 11); // entry i is GMT + (i - 11) hours
    if (index >= kFirstExtra && index < timeZoneCount())
        return kExtraTimeZones[static_cast<std::size_t>(index - kFirstExtra)].offsetMinutes;
    return std::nullopt;
}

std::optional<double> zoneMeridian(int index)
{
    const std::optional<int> minutes = zoneOffsetMinutes(index);
    if (!minutes)
        return std::nullopt;
    return *minutes / 4.0;
}

std::optional<QTimeZone> timeZoneRegion(int index)
{
    const char *id = nullptr;
    if (index >= 0 && index < kWholeHourCount)
        id = kTimeZoneRegions[static_cast<std::size_t>(index)];
    else if (index >= kFirstExtra && index < timeZoneCount())
        id = kExtraTimeZones[static_cast<std::size_t>(index - kFirstExtra)].region;
    if (!id)
        return std::nullopt;
    // A computer without the zone's rules treats the entry as naming none.
    const QTimeZone zone{QByteArray(id)};
    return zone.isValid() ? std::optional(zone) : std::nullopt;
}

std::optional<int> zoneIndexForOffset(int offsetMinutes)
{
    for (int i = 0; i < timeZoneCount(); ++i)
        if (zoneOffsetMinutes(i) == offsetMinutes)
            return i;
    return std::nullopt;
}

} // namespace orvane
