#pragma once
// A print job on the default printer, or in a PDF file when there is none:
// what the report, the field sheet and the dial's pages share.

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace orvane {

struct PageJob {
    QString what;            // in the boxes' sentences: "report", "field sheet"
    QString dialogTitle;     // the save dialog's title
    QString defaultFileName; // offered in the home folder
    // Paints the job's page, or pages (QPrinter::newPage between them), on a
    // printer that is set up already; false when the job could not start.
    std::function<bool(QPrinter &)> paint;
    // Asked on the printer set up for the job, before it is painted: false
    // drops the job without a word. None: always painted.
    std::function<bool(QPrinter &)> confirm = {};
    // After paint returned false: true when the user stopped it, so that no
    // box calls it a failure.
    std::function<bool()> stopped = {};
};

// The default printer, no dialog. Without a usable printer it offers to
// save the page as a PDF file instead. Never ends the program. Says in a
// sentence where the job went ("Sent the dial to the printer Office."),
// empty when nothing was printed or saved.
QString printPage(QWidget *parent, const PageJob &job);

// Asks for a file name and saves the page there as PDF. Says where it was
// saved ("Saved the dial as /home/ann/Orvane dial.pdf."), empty when the
// user cancels or the file cannot be written (a box then says so).
QString savePageAsPdf(QWidget *parent, const PageJob &job);

// Writes the page to `fileName` as PDF, without asking.
bool writePagePdf(const QString &fileName, const PageJob &job);

} // namespace orvane
