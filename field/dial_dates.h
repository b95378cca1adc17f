#pragma once
// What a dial's date lines and correction card say, shared by the command
// line and the Dial Designer so that both draw the same lines and labels.

#include "correction_card.h"
#include "dial/card_drawing.h"
#include "dial/dial_face.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <vector>

namespace orvane {

enum class DateLineChoice { None, Solstices, Months };

// The solstices at plus and minus the mean obliquity of the year and the
// equinox; with Months also the sun's declination at noon on the first of
// each month at the site (none in polar night); each without its pieces,
// which the face draws.
std::vector<dial::DateLine> dateLineSpecs(int year, double latitude, double longitude, DateLineChoice choice,
                                          const QLocale &locale);

// "21 Jun": the day and the month's short name in `locale`.
QString dayMonth(int day, int month, const QLocale &locale);

// The card as the drawings show it: the daily values, months labelled in
// `locale`; the table weekly from 1 January (the printed page) or on the
// 1st and 16th of each month (the engraved card).
enum class CardRows { Weekly, HalfMonthly };
dial::CardDrawing cardDrawing(const std::vector<CardDay> &days, int year, CardRows rows, const QLocale &locale);

} // namespace orvane
