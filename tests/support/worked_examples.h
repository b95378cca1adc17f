#pragma once
// The two worked examples of the result text: 40.655 N, 72.855 W, zone
// GMT-5; 21 June 2027 on daylight saving and 21 December 2027 on standard
// time. The texts are the ones users have always been shown.

#include "calc/crossings.h"

#include <QString>

namespace orvane::test {

// The summer text with the locale's date line, times and declination.
QString summerResult(const QString &dateLine, const QString &east, const QString &south, const QString &west,
                     const QString &declination);
// The winter text: never east, south at `south`, never west.
QString winterResult(const QString &dateLine, const QString &south, const QString &declination);

// In US English, character for character.
QString juneResultUs();
QString decemberResultUs();

// The calculation for the examples' site on a date.
Crossings exampleCrossings(int year, int month, int day, bool daylightSaving);

} // namespace orvane::test
