#pragma once
// The time-zone list as the window shows it, and the offset and meridian of
// each entry. Positions 0..23 are the whole-hour zones GMT-11 to GMT+12; a
// separator follows at 24, then the other offsets in use.

#include <QString>
#include <QTimeZone>

#include <optional>

namespace orvane {

inline constexpr int kTimeZoneSeparator = 24;

// Positions in the list, the separator included.
int timeZoneCount();
// The entry's text, blanks included; nullptr for the separator and outside the list.
const char *timeZoneText(int index);
// The same with its column blanks closed up, for running text ("GMT-5hrs US
// Eastern Time, Montreal, New York"); empty for the separator and outside the list.
QString timeZoneName(int index);
// Minutes east of Greenwich; nothing for the separator and outside the list.
std::optional<int> zoneOffsetMinutes(int index);
// The zone's meridian in degrees east: 15 degrees per hour of its offset.
std::optional<double> zoneMeridian(int index);
// The zone whose rules the entry's region follows (window_texts.h); nothing
// for an entry that names none, and outside the list.
std::optional<QTimeZone> timeZoneRegion(int index);
// The list position of an offset; nothing when no entry has it.
std::optional<int> zoneIndexForOffset(int offsetMinutes);

} // namespace orvane
