#pragma once
// The main window's fixed texts: instructions, time zones and messages.
// English here; whoever shows one passes it through translate("text", ...).

#include "dial/noop.h"

#include <array>

namespace orvane {

inline constexpr char kWindowTitle[] = ORVANE_NOOP("text", "Orvane Finder");
inline constexpr char kMessageTitle[] = "Orvane";

// Three paragraphs joined by CR LF, no line break at the end.
inline constexpr char kInstructionText[] =
    ORVANE_NOOP("text", "This program helps you determine exact east/west, or north/south "
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
                        "Click on the internet link below to set your watch to an atomic standard.");

// Entry i is the zone whose meridian is 15 * (i - 11) degrees east. The
// blanks inside and at the end belong to the entries.
inline constexpr std::array<const char *, 24> kTimeZones = {
    ORVANE_NOOP("text", "GMT-11hrs  Midway, Samoa"),
    ORVANE_NOOP("text", "GMT-10hrs  Hawaii"),
    ORVANE_NOOP("text", "GMT-9hrs   Alaska"),
    ORVANE_NOOP("text", "GMT-8hrs   US Pacific Time, Seattle, Los Angeles"),
    ORVANE_NOOP("text", "GMT-7hrs   US Mountain Time, Denver, Phoenix"),
    ORVANE_NOOP("text", "GMT-6hrs   US Central Time, Chicago, New Orleans"),
    ORVANE_NOOP("text", "GMT-5hrs   US Eastern Time, Montreal, New York"),
    ORVANE_NOOP("text", "GMT-4hrs   Atlantic, Nova Scotia"),
    ORVANE_NOOP("text", "GMT-3hrs   Greenland"),
    ORVANE_NOOP("text", "GMT-2hrs  "),
    ORVANE_NOOP("text", "GMT-1hrs  "),
    ORVANE_NOOP("text", "GMT 0hrs   Western European Time, Greenwich"),
    ORVANE_NOOP("text", "GMT+1hrs   Middle European Time"),
    ORVANE_NOOP("text", "GMT+2hrs   Eastern European Time"),
    ORVANE_NOOP("text", "GMT+3hrs   Moscow"),
    ORVANE_NOOP("text", "GMT+4hrs   Gorki"),
    ORVANE_NOOP("text", "GMT+5hrs   "),
    ORVANE_NOOP("text", "GMT+6hrs"),
    ORVANE_NOOP("text", "GMT+7hrs"),
    ORVANE_NOOP("text", "GMT+8hrs   China"),
    ORVANE_NOOP("text", "GMT+9hrs   Japan, Korea"),
    ORVANE_NOOP("text", "GMT+10hrs"),
    ORVANE_NOOP("text", "GMT+11"),
    ORVANE_NOOP("text", "GMT+12"),
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
    {ORVANE_NOOP("text", "GMT-9:30hrs   Marquesas"), -570, "Pacific/Marquesas"},
    {ORVANE_NOOP("text", "GMT-3:30hrs   Newfoundland"), -210, "America/St_Johns"},
    {ORVANE_NOOP("text", "GMT+3:30hrs   Iran"), 210, "Asia/Tehran"},
    {ORVANE_NOOP("text", "GMT+4:30hrs   Afghanistan"), 270, "Asia/Kabul"},
    {ORVANE_NOOP("text", "GMT+5:30hrs   India, Sri Lanka"), 330, "Asia/Kolkata"},
    {ORVANE_NOOP("text", "GMT+5:45hrs   Nepal"), 345, "Asia/Kathmandu"},
    {ORVANE_NOOP("text", "GMT+6:30hrs   Myanmar"), 390, "Asia/Yangon"},
    {ORVANE_NOOP("text", "GMT+8:45hrs   Eucla"), 525, "Australia/Eucla"},
    {ORVANE_NOOP("text", "GMT+9:30hrs   Central Australia"), 570, "Australia/Adelaide"},
    // Its summer is half an hour ahead, which a clock here cannot show.
    {ORVANE_NOOP("text", "GMT+10:30hrs  Lord Howe Island"), 630, nullptr},
    {ORVANE_NOOP("text", "GMT+12:45hrs  Chatham Islands"), 765, "Pacific/Chatham"},
    {ORVANE_NOOP("text", "GMT+13hrs     Tonga, Samoa"), 780, "Pacific/Tongatapu"},
    {ORVANE_NOOP("text", "GMT+14hrs     Line Islands"), 840, "Pacific/Kiritimati"},
}};
inline constexpr char kTimeZonePrompt[] = ORVANE_NOOP("text", "Select Time Zone");
// What assistive technology calls the list, which has no label of its own
// and whose prompt vanishes once a zone is chosen.
inline constexpr char kTimeZoneName[] = ORVANE_NOOP("text", "Time zone");

// The refusals, word for word as users have always seen them.
inline constexpr char kMsgDate[] = ORVANE_NOOP("text", "Please enter a valid date");
inline constexpr char kMsgClockMode[] = ORVANE_NOOP("text", "Are clock readings Standard Time, or Daylight Savings?");
inline constexpr char kMsgLatitude[] =
    ORVANE_NOOP("text", "Please enter latitude in degrees from -90 to 90, e.g. 40.655");
inline constexpr char kMsgLongitude[] =
    ORVANE_NOOP("text", "Please enter  longitude in degrees from 0 to 180, e.g. 72.855");
inline constexpr char kMsgHemisphere[] = ORVANE_NOOP("text", "Please select whether you are East or West of Greewich");
inline constexpr char kMsgTimeZone[] = ORVANE_NOOP("text", "Please select your time zone");
inline constexpr char kMsgFarFromZone[] =
    ORVANE_NOOP("text", "Your longitude is more than 15 degrees form your time zone.  "
                        "Are you sure that this information is correct?");

} // namespace orvane
