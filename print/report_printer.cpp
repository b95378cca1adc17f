// Sending the report to the default printer, or to a PDF file when there is none.
#include "report.h"

#include "text/window_texts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

namespace orvane {

namespace {

// Every box of the program carries the same title.
const QString kTitle = QString::fromLatin1(kMessageTitle);

// Asks for a file name; empty when the user cancels.
QString askPdfFileName(QWidget *parent)
{
    // Qt's own dialog, so the same code path can be driven without a desktop.
    QFileDialog dialog(parent, QStringLiteral("Save Report as PDF"), QString(), QStringLiteral("PDF files (*.pdf)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QDir::home().filePath(QStringLiteral("Orvane report.pdf")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void offerPdf(QWidget *parent, const ReportInputs &in)
{
    const auto answer = QMessageBox::question(
        parent, kTitle,
        QStringLiteral("No printer is available. Do you want to save the report as a PDF file instead?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    const QString fileName = askPdfFileName(parent);
    if (fileName.isEmpty())
        return;

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(fileName);
    pdf.setDocName(kTitle);
    if (!paintReport(pdf, in)) {
        QMessageBox::warning(parent, kTitle, QStringLiteral("The report could not be saved as %1.").arg(fileName));
    }
}

} // namespace

void printReport(QWidget *parent, const ReportInputs &in)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(kTitle);
        // Without a print plugin QPrinter falls back to PDF output, which is no printer.
        if (printer.outputFormat() == QPrinter::NativeFormat && paintReport(printer, in))
            return;
    }
    offerPdf(parent, in);
}

} // namespace orvane
