#pragma once
// The sheet's words for the sun at a chosen bearing and for a wall's
// facing, on screen and on paper, in the user's locale.

#include "field/field_data.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvane {

// "190°", "190.5°": the bearing as the user gave it.
QString bearingValueText(double degrees, const QLocale &locale);
// "Bearing 190°", the event's name in the chooser, the plan and the tables.
QString bearingTitle(double degrees, const QLocale &locale);
// "sun at 190°"
QString bearingAim(double degrees, const QLocale &locale);
// "The sun does not stand at 45° above the horizon on this date"
QString bearingAbsentText(double degrees, const QLocale &locale);

struct MomentTexts {
    QString clock;    // as the main window shows a time
    QString precise;  // the true instant to the tenth
    QString altitude; // the sun's altitude
    QString shadow;   // the shadow's bearing and length for the plumb line's height
    QString turn;     // how fast and which way the shadow turns
    QStringList notes;
};
MomentTexts momentTexts(const SunMoment &m, double plumbHeightM, const QLocale &locale);

// The wall table's columns and one reading's cells.
QStringList wallHeaders();
QStringList wallCells(const WallField::Reading &r, const QLocale &locale);
// "The wall faces 203.1°: declination 23.1° west of south. Spread 0.4°."
QString wallResultText(const WallField &w, double latitude, const QLocale &locale);
// "Reading 2 (9:30:00 PM) refused: the sun is below the horizon then."
QString wallRefusalText(const WallReadingRefusal &r, const FieldInputs::WallReading &reading, int number,
                        const QLocale &locale);

} // namespace orvane
