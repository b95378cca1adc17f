#pragma once
// Reading a latitude or longitude as people paste it from maps, receivers
// and phones: decimal degrees, degrees and minutes, degrees, minutes and
// seconds, with a hemisphere letter or a minus sign, or both at once.

#include <QLocale>
#include <QString>

#include <optional>

namespace orvane {

enum class CoordinateAxis { Latitude, Longitude };

struct CoordinateValue {
    double degrees = 0; // signed: north and east positive; never wrapped into range
    // A hemisphere letter or a minus sign chose the side.
    bool hemisphereGiven = false;
    // The text is a number convertNumberText reads, and degrees is exactly
    // its value: the caller may keep its plain-number path for it.
    bool plain = false;
};

// One coordinate. Blanks around the text are ignored. Besides every plain
// number (reported as such), reads
//   40.655N  N 40.655  n40.655°  40 39.3 N  40°39.3'N  40°39'18.5"N  -72 51 18
// "." and the locale's decimal separator mark a fraction, allowed in the
// last part only. Degree marks ° º ˚, minute marks ' ′ ’ ´, second marks
// " ″ ” or two minute marks; each mark is optional but must match its part.
// Parts without marks are split by blanks. Minutes and seconds lie in
// [0, 60). A latitude takes N or S, a longitude E or W (either case), before
// or after the number; a minus sign means south or west. A letter together
// with any sign is refused, as are a letter of the other axis and anything
// left over. Range checks stay with the caller.
std::optional<CoordinateValue> readCoordinate(const QString &text, CoordinateAxis axis, const QLocale &locale);

struct CoordinatePair {
    CoordinateValue latitude;
    CoordinateValue longitude;
};

// A latitude and a longitude in one text, latitude first (longitude first
// only when both carry their letters), split by a semicolon, a comma, blanks
// or next to a hemisphere letter:
//   40.655, -72.855   40.655 -72.855   40°39'18"N 72°51'18"W   N 40.655 W 72.855
// A comma between two digits is taken as a decimal comma, and splits only
// when the numbers on both sides are written with a decimal point
// ("40.655,-72.855", "40.655,72.855"); where decimals take a comma, write
// "40,655; -72,855" or "40,655, -72,855". Refused: a text that reads as one
// coordinate of either axis ("40 39" is 40°39'), halves out of range
// (|latitude| <= 90, |longitude| <= 180), and texts split two ways with
// different values ("10 20 30 40").
std::optional<CoordinatePair> readCoordinatePair(const QString &text, const QLocale &locale);

} // namespace orvane
