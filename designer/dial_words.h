#pragma once
// The Dial Designer in sentences, for those who hear it: the dial and the
// card described in words, the card's corrections as they are said.

#include "field/dial_design.h"

#include <QLocale>
#include <QString>

namespace orvane {

// "add 4 minutes 32 seconds", "take off 1 hour 2 minutes", "add nothing".
QString correctionWords(double seconds);

// "2 July: add 4 minutes 32 seconds".
QString cardRowSentence(const CardDay &day, const QLocale &locale);

// The card's range over the year, with its largest and smallest figure.
QString cardDescription(const DesignCard &card, const QLocale &locale);

} // namespace orvane
