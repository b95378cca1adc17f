#include "dial_dates.h"

#include "dial/date_lines.h"
#include "text/translation.h"

#include <algorithm>
#include <cmath>

namespace orvane {

QString dayMonth(int day, int month, const QLocale &locale)
{
    return QStringLiteral("%1 %2").arg(day).arg(locale.monthName(month, QLocale::ShortFormat));
}

std::vector<dial::DateLine> dateLineSpecs(int year, double latitude, double longitude, DateLineChoice choice,
                                          const QLocale &locale)
{
    std::vector<dial::DateLine> lines;
    if (choice == DateLineChoice::None)
        return lines;
    const double obliquity = dial::meanObliquity(year + 0.5);
    lines.push_back({"summer solstice", dayMonth(21, 6, locale).toStdString(), {}, obliquity, {}, {}});
    lines.push_back({"equinox", translate("field", "Equinox").toStdString(), {}, 0, {}, {}});
    lines.push_back({"winter solstice", dayMonth(21, 12, locale).toStdString(), {}, -obliquity, {}, {}});
    if (choice == DateLineChoice::Months)
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            // None only in polar night, where the nodus casts no shadow at noon.
            if (const std::optional<double> declination = noonDeclination(first, latitude, longitude))
                lines.push_back({"month",
                                 dayMonth(1, month, locale).toStdString(),
                                 first.toString(Qt::ISODate).toStdString(),
                                 *declination,
                                 {},
                                 {}});
        }
    return lines;
}

QString specialLabelProblem(const QString &label)
{
    if (label.size() > kMaxSpecialLabel)
        return translate("field", "a label of at most %1 characters").arg(kMaxSpecialLabel);
    for (const QChar c : label)
        if (c.category() == QChar::Other_Control)
            return translate("field", "a label without control characters");
    return {};
}

std::vector<dial::DateLine> specialDateSpecs(int year, const std::vector<dial::SunDay> &days,
                                             const std::vector<SpecialDate> &dates, const QLocale &locale)
{
    std::vector<dial::DateLine> lines;
    const QDate first(year, 1, 1);
    // Which way the declination runs on day i: the twin lies on the other run.
    const auto rising = [&days](std::size_t i) {
        const std::size_t a = i > 0 ? i - 1 : i, b = i + 1 < days.size() ? i + 1 : i;
        return days[b].declinationDeg > days[a].declinationDeg;
    };
    for (const SpecialDate &special : dates) {
        // 29 February in a common year is its last day.
        QDate day(year, special.date.month(), special.date.day());
        if (!day.isValid())
            day = QDate(year, special.date.month(), 28);
        const int dayOfYear = static_cast<int>(first.daysTo(day));
        const auto at = std::find_if(days.begin(), days.end(),
                                     [dayOfYear](const dial::SunDay &d) { return d.dayOfYear == dayOfYear; });
        if (at == days.end())
            continue; // polar night: no shadow at noon
        const std::size_t i = std::size_t(at - days.begin());
        const double declination = at->declinationDeg;
        std::size_t twin = i;
        double best = INFINITY;
        for (std::size_t j = 0; j < days.size(); ++j)
            if (rising(j) != rising(i) && std::fabs(days[j].declinationDeg - declination) < best) {
                best = std::fabs(days[j].declinationDeg - declination);
                twin = j;
            }
        const QDate twinDay = first.addDays(days[twin].dayOfYear);
        const QString words = dayMonth(day.day(), day.month(), locale) + QStringLiteral(", ") +
                              dayMonth(twinDay.day(), twinDay.month(), locale);
        lines.push_back({"special",
                         (special.label.isEmpty() ? words : special.label).toStdString(),
                         day.toString(Qt::ISODate).toStdString(),
                         declination,
                         {},
                         twinDay.toString(Qt::ISODate).toStdString()});
    }
    return lines;
}

dial::CardDrawing cardDrawing(const std::vector<CardDay> &days, int year, CardRows rows, const QLocale &locale)
{
    dial::CardDrawing d;
    const QDate first(year, 1, 1);
    d.title = translate("field", "Add to the dial's reading for the clock, %1").arg(year).toStdString();
    for (int month = 1; month <= 12; ++month) {
        d.monthStarts.push_back(static_cast<int>(first.daysTo(QDate(year, month, 1))));
        d.monthLabels.push_back(locale.monthName(month, QLocale::ShortFormat).toStdString());
    }
    for (const CardDay &day : days) {
        // Days of polar night keep their place on the graph as the day before.
        const auto index = static_cast<std::size_t>(first.daysTo(day.date));
        d.addSeconds.resize(index + 1, day.addSeconds);
        d.addSeconds[index] = day.addSeconds;
        const bool row =
            rows == CardRows::Weekly ? first.daysTo(day.date) % 7 == 0 : day.date.day() == 1 || day.date.day() == 16;
        if (row)
            d.rows.push_back({dayMonth(day.date.day(), day.date.month(), locale).toStdString(), day.addSeconds});
    }
    return d;
}

} // namespace orvane
