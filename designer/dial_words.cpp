#include "dial_words.h"

#include "field/dial_dates.h"
#include "text/translation.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

enum class Unit { Hour, Minute, Second };

QString count(long long n, Unit unit)
{
    // One pattern per form: each language here has a singular and a plural only.
    const bool one = n == 1;
    switch (unit) {
    case Unit::Hour:
        return (one ? translate("designer", "%1 hour") : translate("designer", "%1 hours")).arg(n);
    case Unit::Minute:
        return (one ? translate("designer", "%1 minute") : translate("designer", "%1 minutes")).arg(n);
    case Unit::Second:
        break;
    }
    return (one ? translate("designer", "%1 second") : translate("designer", "%1 seconds")).arg(n);
}

QString longDate(const QDate &date, const QLocale &locale)
{
    return translate("designer", "%1 %2", "day of the month, then the month's name")
        .arg(date.day())
        .arg(locale.standaloneMonthName(date.month()));
}

} // namespace

QString correctionWords(double seconds)
{
    const long long whole = std::llround(std::fabs(seconds));
    if (whole == 0)
        return translate("designer", "add nothing");
    QStringList parts;
    if (whole >= 3600)
        parts << count(whole / 3600, Unit::Hour);
    if (whole % 3600 >= 60)
        parts << count(whole % 3600 / 60, Unit::Minute);
    if (whole % 60)
        parts << count(whole % 60, Unit::Second);
    return (seconds > 0 ? translate("designer", "add %1", "a correction, as 4 minutes 32 seconds")
                        : translate("designer", "take off %1", "a correction, as 4 minutes 32 seconds"))
        .arg(parts.join(u' '));
}

QString cardRowSentence(const CardDay &day, const QLocale &locale)
{
    return translate("designer", "%1: %2", "a date, then its correction")
        .arg(longDate(day.date, locale), correctionWords(day.addSeconds));
}

QString cardDescription(const DesignCard &card, const QLocale &locale)
{
    if (card.days.empty())
        return translate("designer", "No correction card for this site.");
    const auto [least, most] =
        std::minmax_element(card.days.begin(), card.days.end(),
                            [](const CardDay &a, const CardDay &b) { return a.addSeconds < b.addSeconds; });
    return translate("designer", "Correction card for %1, what to add to the dial's reading: the most, on %2, %3; the "
                                 "least, on %4, %5.")
        .arg(QString::number(card.year), longDate(most->date, locale), correctionWords(most->addSeconds),
             longDate(least->date, locale), correctionWords(least->addSeconds));
}

} // namespace orvane
