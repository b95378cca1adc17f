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
    in.clock = request.clock;
    card.days = correctionCard(in);
    card.clockNote = QStringLiteral("Clock: %1%2")
                         .arg(utcOffsetText(request.clock.utcOffsetMinutes),
                              request.clock.daylightSaving ? QStringLiteral(" with daylight saving all year")
                                                           : QStringLiteral(", standard time all year"));
    return card;
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
    return cardDrawing(card.days, card.year, rows, locale);
}

} // namespace orvane
