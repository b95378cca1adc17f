#include "summer_time.h"
#include "translation.h"
#include "zone_clocks.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace orvane {

namespace {

struct SummerTime {
    int standardMinutes = 0; // the year's lowest clock, minutes east of UTC
    // Each run of days whose clock (at noon) is ahead of it: its first day,
    // and the first day back, invalid when the year ends in summer time.
    struct Span {
        QDate from;
        QDate back;
    };
    std::vector<Span> spans;
};

// "14 March": in the language in use, as the words around it.
QString dayMonthName(const QDate &date)
{
    return translate("text", "%1 %2", "day and month: 14 March")
        .arg(date.day())
        .arg(QLocale(languageInUse()).monthName(date.month()));
}

SummerTime summerTimeIn(const QTimeZone &zone, int year)
{
    // Each day's clock as the card takes it. The year's lowest clock is its
    // standard time, also where the rules call winter the daylight time
    // (Ireland) or the summer is not a whole hour ahead (Lord Howe).
    std::vector<int> clocks;
    ZoneClocks days(zone, year);
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1))
        clocks.push_back(days.on(date).offsetSeconds() / 60);
    SummerTime s;
    s.standardMinutes = *std::min_element(clocks.begin(), clocks.end());
    const QDate first(year, 1, 1);
    for (std::size_t i = 0; i < clocks.size(); ++i) {
        const bool summer = clocks[i] > s.standardMinutes;
        const bool before = i > 0 && clocks[i - 1] > s.standardMinutes;
        const QDate day = first.addDays(static_cast<qint64>(i));
        if (summer && !before)
            s.spans.push_back({day, QDate()});
        else if (!summer && before)
            s.spans.back().back = day;
    }
    return s;
}

QString wordsOf(const QTimeZone &zone, const SummerTime &s, int year)
{
    const QString rules = QString::fromUtf8(zone.id());
    if (s.spans.empty())
        return translate("text", "no summer time by the rules of %1 in %2").arg(rules).arg(year);
    // The lowest clock lies outside every span, so no span holds the whole year.
    QStringList parts;
    for (const SummerTime::Span &span : s.spans) {
        if (span.from == QDate(year, 1, 1))
            parts << translate("text", "to %1", "summer time until a day").arg(dayMonthName(span.back));
        else if (!span.back.isValid())
            parts << translate("text", "from %1", "summer time from a day").arg(dayMonthName(span.from));
        else
            parts << translate("text", "%1 to %2", "summer time from a day until a day")
                         .arg(dayMonthName(span.from), dayMonthName(span.back));
    }
    const QString last = parts.takeLast();
    const QString spans = parts.isEmpty() ? last
                                          : translate("text", "%1 and %2", "the last of several spans")
                                                .arg(parts.join(translate("text", ", ", "between spans")), last);
    return translate("text", "summer time by the rules of %1: %2 %3").arg(rules, spans).arg(year);
}

} // namespace

QString summerTimeWords(const QTimeZone &zone, int year) { return wordsOf(zone, summerTimeIn(zone, year), year); }

QString cardClockText(const SiteClock &clock, int year, QString (*offsetName)(int minutes))
{
    if (clock.zone) {
        const SummerTime s = summerTimeIn(*clock.zone, year);
        return translate("text", "%1, %2", "clock offset, then its summer time")
            .arg(offsetName(s.standardMinutes), wordsOf(*clock.zone, s, year));
    }
    return (clock.daylightSaving ? translate("text", "%1 with daylight saving all year")
                                 : translate("text", "%1, standard time all year"))
        .arg(offsetName(clock.utcOffsetMinutes));
}

} // namespace orvane
