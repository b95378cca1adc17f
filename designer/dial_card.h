#pragma once
// The dial's correction card as the designer shows it: what to add to the
// dial's reading for the clock, each day of the date's year.

#include "designer_request.h"
#include "dial/dial_input.h"
#include "dial/dial_svg.h"
#include "field/correction_card.h"
#include "field/dial_dates.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace orvane {

// With the zone of the request (the list entry's region) each day of the
// card has its own clock; without one, the request's clock holds all year.
struct DialCard {
    int year = 0;
    std::vector<CardDay> days;
    QString clockNote; // "Clock: UTC-5, summer time by the rules of America/New_York: 14 March to 7 November 2027"
};

DialCard computeDialCard(const DesignerRequest &request, dial::DialTime time);

// Every 7th day from 1 January, the card's table.
std::vector<CardDay> weeklyRows(const DialCard &card);

// The card as the drawings show it (field/dial_dates.h).
dial::CardDrawing cardDrawing(const DialCard &card, CardRows rows, const QLocale &locale);

} // namespace orvane
