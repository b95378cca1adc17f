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

// A day the maker wants a date line for, any year's, with its words.
struct SpecialDate {
    QDate date;
    QString label; // empty: the day and its twin in the locale's words
};
inline constexpr int kMaxSpecialDates = 12;
inline constexpr int kMaxSpecialLabel = 40;

// Why a special date's label cannot stand on the dial; empty when it can.
QString specialLabelProblem(const QString &label);

// The lines of the sun's declination at noon on each special day, its month
// and day in `year`, from `days` (the year at the site), each with the
// other day on which the sun comes back to that declination; a day of polar
// night has none.
std::vector<dial::DateLine> specialDateSpecs(int year, const std::vector<dial::SunDay> &days,
                                             const std::vector<SpecialDate> &dates, const QLocale &locale);

// "21 Jun": the day and the month's short name in `locale`.
QString dayMonth(int day, int month, const QLocale &locale);

// The card as the drawings show it: the daily values, months labelled in
// `locale`; the table weekly from 1 January (the printed page) or on the
// 1st and 16th of each month (the engraved card).
enum class CardRows { Weekly, HalfMonthly };
dial::CardDrawing cardDrawing(const std::vector<CardDay> &days, int year, CardRows rows, const QLocale &locale);

} // namespace orvane
