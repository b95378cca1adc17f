// The report as a print job.
#include "page_printer.h"
#include "report.h"

namespace orvane {

void printReport(QWidget *parent, const ReportInputs &in)
{
    printPage(parent, PageJob{QStringLiteral("report"), QStringLiteral("Save Report as PDF"),
                              QStringLiteral("Orvane report.pdf"),
                              [in](QPrinter &printer) { return paintReport(printer, in); }});
}

} // namespace orvane
