#include "dial_card.h"

#include <cmath>
#include <cstdlib>

namespace orvane {

namespace {

QString utcOffsetText(int minutes)
{
    const int m = std::abs(minutes);
    QString text = QStringLiteral("UTC%1%2").arg(minutes < 0 ? QStringLiteral("-") : QStringLiteral("+")).arg(m / 60);
    if (m % 60)
        text += QStringLiteral(":%1").arg(m % 60, 2, 10, QLatin1Char('0'));
    return minutes == 0 ? QStringLiteral("UTC") : text;
}

} // namespace

DialCard computeDialCard(const DesignerRequest &request, dial::DialTime time)
{
    DialCard card;
    card.year = request.date.isValid() ? request.date.year() : 2000;
    CardInputs in;
    in.latitude = request.latitude;
    in.longitude = request.longitude;
    in.year = card.year;
    in.zoneTimeDial = time == dial::DialTime::Zone;
    in.clock = FieldClock{request.utcOffsetMinutes, request.daylightSaving};
    card.days = correctionCard(in);
    card.clockNote = QStringLiteral("Clock: %1%2")
                         .arg(utcOffsetText(request.utcOffsetMinutes),
                              request.daylightSaving ? QStringLiteral(" with daylight saving all year")
                                                     : QStringLiteral(", standard time all year"));
    return card;
}

QString dayMonth(int day, int month, const QLocale &locale)
{
    return QStringLiteral("%1 %2").arg(day).arg(locale.monthName(month, QLocale::ShortFormat));
}

std::vector<CardDay> weeklyRows(const DialCard &card)
{
    std::vector<CardDay> rows;
    const QDate first(card.year, 1, 1);
    for (const CardDay &day : card.days)
        if (first.daysTo(day.date) % 7 == 0)
            rows.push_back(day);
    return rows;
}

dial::CardDrawing cardDrawing(const DialCard &card, CardRows rows, const QLocale &locale)
{
    dial::CardDrawing d;
    const QDate first(card.year, 1, 1);
    d.title = QStringLiteral("Add to the dial's reading for the clock, %1").arg(card.year).toStdString();
    for (int month = 1; month <= 12; ++month) {
        d.monthStarts.push_back(static_cast<int>(first.daysTo(QDate(card.year, month, 1))));
        d.monthLabels.push_back(locale.monthName(month, QLocale::ShortFormat).toStdString());
    }
    for (const CardDay &day : card.days) {
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
