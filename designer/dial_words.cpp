#include "dial_words.h"

#include "field/dial_dates.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QString count(long long n, const char *one)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(one), n == 1 ? QString() : QStringLiteral("s"));
}

QString longDate(const QDate &date, const QLocale &locale)
{
    return QStringLiteral("%1 %2").arg(date.day()).arg(locale.standaloneMonthName(date.month()));
}

} // namespace

QString correctionWords(double seconds)
{
    const long long whole = std::llround(std::fabs(seconds));
    if (whole == 0)
        return QStringLiteral("add nothing");
    QStringList parts;
    if (whole >= 3600)
        parts << count(whole / 3600, "hour");
    if (whole % 3600 >= 60)
        parts << count(whole % 3600 / 60, "minute");
    if (whole % 60)
        parts << count(whole % 60, "second");
    return (seconds > 0 ? QStringLiteral("add ") : QStringLiteral("take off ")) + parts.join(u' ');
}

QString cardRowSentence(const CardDay &day, const QLocale &locale)
{
    return longDate(day.date, locale) + QStringLiteral(": ") + correctionWords(day.addSeconds);
}

QString cardDescription(const DesignCard &card, const QLocale &locale)
{
    if (card.days.empty())
        return QStringLiteral("No correction card for this site.");
    const auto [least, most] =
        std::minmax_element(card.days.begin(), card.days.end(),
                            [](const CardDay &a, const CardDay &b) { return a.addSeconds < b.addSeconds; });
    return QStringLiteral("Correction card for %1, what to add to the dial's reading: the most, on %2, %3; the "
                          "least, on %4, %5.")
        .arg(QString::number(card.year), longDate(most->date, locale), correctionWords(most->addSeconds),
             longDate(least->date, locale), correctionWords(least->addSeconds));
}

} // namespace orvane
