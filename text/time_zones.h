#pragma once
// The time-zone list as the window shows it, and the meridian of each entry.

#include <optional>

namespace orvane {

// Entries in the list (the window's order).
int timeZoneCount();
// The entry's text, blanks included; nullptr outside the list.
const char *timeZoneText(int index);
// The zone's meridian in degrees east: 15 degrees per hour of its offset.
// Nothing for an index outside the list.
std::optional<double> zoneMeridian(int index);

} // namespace orvane
