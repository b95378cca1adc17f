#pragma once
// Figures and aligned columns for the text answers.

#include <QList>
#include <QString>
#include <QStringList>

namespace orvane {

using Rows = QList<QStringList>;

// Fixed decimals, never "-0.000".
QString fixed(double x, int decimals);

// A sign on every value that shows a digit other than zero.
QString signedFixed(double x, int decimals);

// The first column left-aligned, the others right-aligned, two blanks apart.
QString columns(const Rows &rows);

// Labels and their values, the values starting in one column.
QString labelled(const Rows &pairs);

} // namespace orvane
