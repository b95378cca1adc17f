#pragma once
// A dial's setting as typed in the Dial Designer or given on the command
// line: the same texts are read in both places.

#include <QLocale>
#include <QString>

#include <optional>

namespace orvane {

// A clock time is read as "13:30" or "13", in hours.
enum class MeasureUnit { Degrees, Millimetres, Metres, ClockTime };

// The number, with or without its unit after it ("135", "135°", "135 deg",
// "100 mm", "2.5 m", "2.5m"), read as convertNumberText reads it in `locale`.
std::optional<double> readDialMeasure(const QString &text, MeasureUnit unit, const QLocale &locale);

// Why readDialMeasure did not read `text`: another unit after a number
// ("2.5 mm" for metres), or no number in a form `locale` takes.
enum class MeasureFault { None, OtherUnit, NotANumber, NotATime };
MeasureFault measureFault(const QString &text, MeasureUnit unit, const QLocale &locale);

// The unit as a message names it: "degrees", "mm", "metres".
QString unitName(MeasureUnit unit);

// The value as a box shows it: "100", "12:00".
QString dialMeasureText(double value, MeasureUnit unit);

// The decimal separators a number may use in `locale`: "a decimal point"
// or "a decimal point or ","".
QString decimalForms(const QLocale &locale);

// A wall's facing from 0 to 360 degrees (360 is north again), as 0 to under 360.
std::optional<double> readFacing(const QString &text, const QLocale &locale);

} // namespace orvane
