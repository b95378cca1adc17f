#pragma once
// A dial's setting as typed in the Dial Designer or given on the command
// line: the same texts are read in both places.

#include <QLocale>
#include <QString>

#include <optional>

namespace orvane {

enum class MeasureUnit { Degrees, Millimetres };

// The number, with or without its unit after it ("135", "135°", "135 deg",
// "100 mm"), read as convertNumberText reads it in `locale`.
std::optional<double> readDialMeasure(const QString &text, MeasureUnit unit, const QLocale &locale);

// A wall's facing from 0 to 360 degrees (360 is north again), as 0 to under 360.
std::optional<double> readFacing(const QString &text, const QLocale &locale);

} // namespace orvane
