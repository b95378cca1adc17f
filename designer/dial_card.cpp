#include "dial_card.h"

#include "text/summer_time.h"
#include "text/wording.h"

namespace orvane {

namespace {

// The card writes a zero offset as plain "UTC".
QString clockOffsetName(int minutes) { return minutes == 0 ? QStringLiteral("UTC") : utcOffsetName(minutes); }

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
    card.clockNote = QStringLiteral("Clock: ") + cardClockText(request.clock, card.year, clockOffsetName);
    // The window has no other way to give a zone's rules than its entry.
    if (!request.clock.zone)
        card.clockNote += QStringLiteral(" (no region's summer-time rules for this time zone entry)");
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
    dial::CardDrawing d = cardDrawing(card.days, card.year, rows, locale);
    d.clock = card.clockNote.toStdString();
    return d;
}

} // namespace orvane
