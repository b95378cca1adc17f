#pragma once
// Reading the user's texts: dates and decimal numbers, locale-aware.

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace orvane {

// The date test and conversion. Accepts m/d/yyyy and m/d/yy (00-29 -> 20xx,
// 30-99 -> 19xx) in every locale, ISO yyyy-mm-dd, then the locale's own
// short and long date forms (a two-digit year there takes the same pivot;
// one-digit day and month are read too). A slash text that is a valid m/d
// date is read so in every locale. Blanks around the text are ignored. Years
// outside 100..9999 and impossible dates are refused.
std::optional<QDate> parseDateText(const QString &text, const QLocale &locale);

// The numeric conversion: "." is always a decimal point, the locale's own
// decimal separator is accepted too, digit grouping never. Refuses empty,
// infinite, not-a-number and overflowing texts. A value means the numeric
// test passed.
std::optional<double> convertNumberText(const QString &text, const QLocale &locale);

// The leading-number value: the number the text begins with, "." as decimal
// point, blanks/tabs/line feeds anywhere skipped, 0 when none. Never
// infinite or NaN (an overflow gives +-HUGE, i.e. out of every range).
double leadingNumberValue(const QString &text);

// The range test of latitude and longitude: the text passes the numeric
// test, and both its leading-number value and its converted value lie
// within [-bound, bound].
bool inRange(const QString &text, double bound, const QLocale &locale);

} // namespace orvane
