#pragma once
// The printed report on paper or in a PDF file.

#include "text/report_text.h"

class QPrinter;
class QWidget;

namespace orvane {

// Paints the one-page report on a printer that is set up already.
// Returns false when the job could not start.
bool paintReport(QPrinter &printer, const ReportInputs &in);

// The Print button's job after the calculation: the default printer, no
// dialog. Without a usable printer it offers to save the report as a PDF
// file instead. Never ends the program.
void printReport(QWidget *parent, const ReportInputs &in);

} // namespace orvane
