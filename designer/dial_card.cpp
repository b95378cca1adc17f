#include "dial_card.h"

#include "text/wording.h"

namespace orvane {

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
    // The card writes a zero offset as plain "UTC".
    const int offset = request.clock.utcOffsetMinutes;
    card.clockNote = QStringLiteral("Clock: %1%2")
                         .arg(offset == 0 ? QStringLiteral("UTC") : utcOffsetName(offset),
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
