#pragma once
// The printed report's lines: header, site line and the result text.

#include "calc/crossings.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvane {

struct ReportInputs {
    double latitude = 0;       // as stored
    double longitude = 0;      // as stored (the sign is not printed)
    bool west = false;         // OptWest selected
    bool standardTime = false; // optStandardinput selected
    QDate date;
    Crossings crossings; // the calculation to print
};

// A magnitude as the default conversion of a double writes it: up to 15
// significant digits, no trailing zeros, the locale's decimal separator, no
// grouping ("40.655", "0", "33.9").
QString reportNumberText(double value, const QLocale &locale);

// "Latitude 40.655 North, Longitude 72.855 West, Daylight Savings Time"
QString reportSiteLine(const ReportInputs &in, const QLocale &locale);

// The two header lines and the empty line after them, printed large.
QStringList reportHeaderLines();
// The site line, an empty line and the result text line for line.
QStringList reportBodyLines(const ReportInputs &in, const QLocale &locale);

} // namespace orvane
