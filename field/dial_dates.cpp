#include "dial_dates.h"

#include "dial/date_lines.h"

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
    lines.push_back({"summer solstice", dayMonth(21, 6, locale).toStdString(), {}, obliquity, {}});
    lines.push_back({"equinox", "Equinox", {}, 0, {}});
    lines.push_back({"winter solstice", dayMonth(21, 12, locale).toStdString(), {}, -obliquity, {}});
    if (choice == DateLineChoice::Months)
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            // None only in polar night, where the nodus casts no shadow at noon.
            if (const std::optional<double> declination = noonDeclination(first, latitude, longitude))
                lines.push_back({"month",
                                 dayMonth(1, month, locale).toStdString(),
                                 first.toString(Qt::ISODate).toStdString(),
                                 *declination,
                                 {}});
        }
    return lines;
}

dial::CardDrawing cardDrawing(const std::vector<CardDay> &days, int year, CardRows rows, const QLocale &locale)
{
    dial::CardDrawing d;
    const QDate first(year, 1, 1);
    d.title = QStringLiteral("Add to the dial's reading for the clock, %1").arg(year).toStdString();
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
