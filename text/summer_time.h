#pragma once
// A zone's summer time over one year, as a dial's correction card follows
// it day by day, and the words that tell it on the card's clock line.

#include "accepted_site.h"

#include <QString>
#include <QTimeZone>

namespace orvane {

// "summer time by the rules of America/New_York: 14 March to 7 November
// 2027", "... Australia/Adelaide: to 4 April and from 3 October 2027", "no
// summer time by the rules of Asia/Kolkata in 2027".
QString summerTimeWords(const QTimeZone &zone, int year);

// What a correction card for `year` says of its clock after "Clock: ": with
// a zone "UTC-5, summer time by the rules of ..."; without one "UTC-5 with
// daylight saving all year" or "UTC-5, standard time all year". `offsetName`
// writes the standard offset in minutes east of UTC.
QString cardClockText(const SiteClock &clock, int year, QString (*offsetName)(int minutes));

} // namespace orvane
