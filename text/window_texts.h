#pragma once
// The main window's fixed texts: instructions, time zones and messages.

#include <array>

namespace orvane {

inline constexpr char kWindowTitle[] = "Orvane Finder";
inline constexpr char kMessageTitle[] = "Orvane";

// Three paragraphs joined by CR LF, no line break at the end.
inline constexpr char kInstructionText[] =
    "This program helps you determine exact east/west, or north/south "
    "lines to aid in the set-up of a sundial.  Enter the date, your longitude, latitude, "
    "time zone, and select daylight savings or standard time.  The program will determine "
    "the time of day that the sun is exactly east, south, and west.  In the Northern "
    "Hemisphere, the sun cannot reach east or west after the autumnal or before the "
    "spring equinoxes."
    "\r\n"
    "Set up a plumb line.  You can use a dish of water to dampen sway caused "
    "by the wind.  At the exact time indicated below, mark the shadow.  It will trace "
    "a perfect east/west or north/south line."
    "\r\n"
    "Your watch must be set accurately to use this method."
    "  "
    "Click on the internet link below to set your watch to an atomic standard.";

// Entry i is the zone whose meridian is 15 * (i - 11) degrees east. The
// blanks inside and at the end belong to the entries.
inline constexpr std::array<const char *, 24> kTimeZones = {
    "GMT-11hrs  Midway, Samoa",
    "GMT-10hrs  Hawaii",
    "GMT-9hrs   Alaska",
    "GMT-8hrs   US Pacific Time, Seattle, Los Angeles",
    "GMT-7hrs   US Mountain Time, Denver, Phoenix",
    "GMT-6hrs   US Central Time, Chicago, New Orleans",
    "GMT-5hrs   US Eastern Time, Montreal, New York",
    "GMT-4hrs   Atlantic, Nova Scotia",
    "GMT-3hrs   Greenland",
    "GMT-2hrs  ",
    "GMT-1hrs  ",
    "GMT 0hrs   Western European Time, Greenwich",
    "GMT+1hrs   Middle European Time",
    "GMT+2hrs   Eastern European Time",
    "GMT+3hrs   Moscow",
    "GMT+4hrs   Gorki",
    "GMT+5hrs   ",
    "GMT+6hrs",
    "GMT+7hrs",
    "GMT+8hrs   China",
    "GMT+9hrs   Japan, Korea",
    "GMT+10hrs",
    "GMT+11",
    "GMT+12",
};
// The zone whose rules the region each entry names follows, for the days
// other than the one calculated (a dial's card, the coming days); nullptr
// where an entry names no region, or one whose clock no longer fits it:
// Greenland's Nuuk keeps UTC-2 since 2023, Gorki (Nizhny Novgorod) keeps
// Moscow time. Where an entry names places with different rules, the first
// with summer time: Phoenix keeps standard time, as does Darwin below.
inline constexpr std::array<const char *, 24> kTimeZoneRegions = {
    "Pacific/Pago_Pago",
    "Pacific/Honolulu",
    "America/Anchorage",
    "America/Los_Angeles",
    "America/Denver",
    "America/Chicago",
    "America/New_York",
    "America/Halifax",
    nullptr /* Greenland */,
    nullptr,
    nullptr,
    "Europe/London",
    "Europe/Paris",
    "Europe/Athens",
    "Europe/Moscow",
    nullptr /* Gorki */,
    nullptr,
    nullptr,
    nullptr,
    "Asia/Shanghai",
    "Asia/Tokyo",
    nullptr,
    nullptr,
    nullptr,
};
// The offsets in use that the 24 entries lack, after a separator: places
// whose clocks are half or three quarters of an hour off the whole hours,
// and the zones beyond GMT+12. Minutes east of Greenwich.
struct ExtraTimeZone {
    const char *text;
    int offsetMinutes;
    const char *region; // as kTimeZoneRegions
};
inline constexpr std::array<ExtraTimeZone, 13> kExtraTimeZones = {{
    {"GMT-9:30hrs   Marquesas", -570, "Pacific/Marquesas"},
    {"GMT-3:30hrs   Newfoundland", -210, "America/St_Johns"},
    {"GMT+3:30hrs   Iran", 210, "Asia/Tehran"},
    {"GMT+4:30hrs   Afghanistan", 270, "Asia/Kabul"},
    {"GMT+5:30hrs   India, Sri Lanka", 330, "Asia/Kolkata"},
    {"GMT+5:45hrs   Nepal", 345, "Asia/Kathmandu"},
    {"GMT+6:30hrs   Myanmar", 390, "Asia/Yangon"},
    {"GMT+8:45hrs   Eucla", 525, "Australia/Eucla"},
    {"GMT+9:30hrs   Central Australia", 570, "Australia/Adelaide"},
    // Its summer is half an hour ahead, which a clock here cannot show.
    {"GMT+10:30hrs  Lord Howe Island", 630, nullptr},
    {"GMT+12:45hrs  Chatham Islands", 765, "Pacific/Chatham"},
    {"GMT+13hrs     Tonga, Samoa", 780, "Pacific/Tongatapu"},
    {"GMT+14hrs     Line Islands", 840, "Pacific/Kiritimati"},
}};
inline constexpr char kTimeZonePrompt[] = "Select Time Zone";
// What assistive technology calls the list, which has no label of its own
// and whose prompt vanishes once a zone is chosen.
inline constexpr char kTimeZoneName[] = "Time zone";

// The refusals, word for word as users have always seen them.
inline constexpr char kMsgDate[] = "Please enter a valid date";
inline constexpr char kMsgClockMode[] = "Are clock readings Standard Time, or Daylight Savings?";
inline constexpr char kMsgLatitude[] = "Please enter latitude in degrees from -90 to 90, e.g. 40.655";
inline constexpr char kMsgLongitude[] = "Please enter  longitude in degrees from 0 to 180, e.g. 72.855";
inline constexpr char kMsgHemisphere[] = "Please select whether you are East or West of Greewich";
inline constexpr char kMsgTimeZone[] = "Please select your time zone";
inline constexpr char kMsgFarFromZone[] = "Your longitude is more than 15 degrees form your time zone.  "
                                          "Are you sure that this information is correct?";

} // namespace orvane
