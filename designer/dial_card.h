#pragma once
// The dial's correction card as the designer shows it: what to add to the
// dial's reading for the clock, each day of the date's year.

#include "designer_request.h"
#include "dial/dial_input.h"
#include "dial/dial_svg.h"
#include "field/correction_card.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace orvane {

// The window's request carries no zone rules: a clock with daylight saving
// keeps it on every day of the card.
struct DialCard {
    int year = 0;
    std::vector<CardDay> days;
    QString clockNote; // "Clock: UTC-5 with daylight saving all year"
};

DialCard computeDialCard(const DesignerRequest &request, dial::DialTime time);

// "21 Jun": the day and the month's short name in `locale`.
QString dayMonth(int day, int month, const QLocale &locale);

// Every 7th day from 1 January, the card's table.
std::vector<CardDay> weeklyRows(const DialCard &card);

// The card as the drawings show it. The weekly rows for the page; the 1st
// and 16th of each month for the engraved card, as the command line draws it.
enum class CardRows { Weekly, HalfMonthly };
dial::CardDrawing cardDrawing(const DialCard &card, CardRows rows, const QLocale &locale);

} // namespace orvane
