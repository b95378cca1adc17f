// The report as a print job.
#include "page_printer.h"
#include "report.h"

#include "text/translation.h"

namespace orvane {

void printReport(QWidget *parent, const ReportInputs &in)
{
    printPage(parent, PageJob{translate("field", "report", "the thing printed or saved"),
                              translate("field", "Save Report as PDF"), QStringLiteral("Orvane report.pdf"),
                              [in](QPrinter &printer) { return paintReport(printer, in); }});
}

} // namespace orvane
