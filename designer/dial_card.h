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

// The window's request carries no zone rules: a clock with daylight saving
// keeps it on every day of the card.
struct DialCard {
    int year = 0;
    std::vector<CardDay> days;
    QString clockNote; // "Clock: UTC-5 with daylight saving all year"
};

DialCard computeDialCard(const DesignerRequest &request, dial::DialTime time);

// Every 7th day from 1 January, the card's table.
std::vector<CardDay> weeklyRows(const DialCard &card);

// The card as the drawings show it (field/dial_dates.h).
dial::CardDrawing cardDrawing(const DialCard &card, CardRows rows, const QLocale &locale);

} // namespace orvane
