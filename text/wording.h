#pragma once
// The words and small forms that the command line, the sheet, the designer
// and the printed pages share, so that they say a thing the same way.

#include <QLocale>
#include <QString>

namespace orvane {

enum class Compass { North, East, South, West };

// "north", "east", "south", "west".
QString compassName(Compass c);
// The same in the language in use, for sentences a person reads.
QString compassWords(Compass c);
// "N", "E", "S", "W".
QString compassLetter(Compass c);
// The hemisphere of a latitude, zero counting as north.
Compass latitudeSide(double latitude);
// Where the equator lies from that latitude.
Compass equatorSide(double latitude);

// "east" -> "East".
QString firstUpper(QString s);

// `locale` without digit grouping: these figures are short.
QLocale plainLocale(QLocale locale);

// Whether a negative value that rounds to zero keeps its minus sign: the
// command line never writes "-0.0", the sheet always has.
enum class NegativeZero { Dropped, Kept };
// Fixed decimals with the locale's plus sign on a value above zero that does
// not read as zero: "+12.3", "-4.0", "0.0".
QString signedNumberText(double value, int decimals, const QLocale &locale, NegativeZero negativeZero);

// "+05:30", "-05:00", "+00:00".
QString utcOffsetText(int minutes);
// "UTC-4", "UTC+5:30", "UTC+0": the minutes only when there are any.
QString utcOffsetName(int minutes);

} // namespace orvane
