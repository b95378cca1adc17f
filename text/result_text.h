#pragma once
// Turning a calculation's numbers into the result text, in the user's locale.

#include "calc/crossings.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace orvane {

inline constexpr char kCrLf[] = "\r\n";

// "Monday, June 21, 2027" (pattern dddd, MMMM dd, yyyy) plus CR LF.
QString dateLineText(const QDate &date, const QLocale &locale);
// The locale's long time format with seconds and without a time-zone name,
// the clock value (fraction of a day) rounded to the nearest second. A value
// that rounds up to 1, or lies outside one day, shows its time of day
// ("12:00:00 AM" for 23:59:59.6), never a date.
QString timeText(double clock, const QLocale &locale);
// The same format with tenths of a second after the seconds ("5:25:12.4 AM"),
// for `seconds` after midnight rounded to the tenth.
QString timeTextTenths(double seconds, const QLocale &locale);
// That format as a Qt time pattern, for time editors: the locale's long
// time format without its time-zone field.
QString clockTimeFormat(const QLocale &locale);
// Two decimals, never "-0.00".
QString declinationText(double degrees, const QLocale &locale);
// " (declination=... degrees, EoT = [MINUS ]m minutes, s seconds)" CR LF CR LF.
// The equation of time is rounded to whole seconds before the split; MINUS
// is there whenever it is below 0, even if it rounds to 0 seconds.
QString sunDataText(double declinationRad, double eotMinutes, const QLocale &locale);

// The three event blocks in order (everything after the date line).
QString eventsText(const Crossings &c, const QLocale &locale);
// Date line followed by the event blocks.
QString resultText(const QDate &date, const Crossings &c, const QLocale &locale);

} // namespace orvane
