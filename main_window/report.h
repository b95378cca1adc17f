#pragma once
// The printed report: header, site line and the result text.

#include <QLocale>
#include <QString>

class QPrinter;
class QWidget;

namespace orvane {

struct ReportInputs {
    double latitude = 0;   // Latitude as stored
    double longitude = 0;  // Longitude as stored (sign ignored on paper)
    bool west = false;     // OptWest selected
    bool standardTime = false; // optStandardinput selected
    QString resultText;    // lblResult's text, CR LF line breaks
};

// A magnitude as the default conversion of a double writes it: up to 15
// significant digits, no trailing zeros, the locale's decimal separator, no
// grouping ("40.655", "0", "33.9").
QString ReportNumberText(double value, const QLocale &locale);

// In the default locale:
// "Latitude 40.655 North, Longitude 72.855 West, Daylight Savings Time"
QString ReportSiteLine(const ReportInputs &in);

// Paints the one-page report on a printer that is set up already.
// Returns false when the job could not start.
bool PaintReport(QPrinter &printer, const ReportInputs &in);

// The Print button's job after the calculation: the default printer, no
// dialog. Without a usable printer it offers to save the report as a PDF
// file instead. Never ends the program.
void PrintReport(QWidget *parent, const ReportInputs &in);

} // namespace orvane
