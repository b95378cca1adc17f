// Sending a page to the default printer, or to a PDF file when there is none.
#include "page_printer.h"

#include "text/translation.h"
#include "text/whole_files.h"
#include "text/window_texts.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

namespace orvane {

namespace {

// Every box of the program carries the same title.
const QString kTitle = QString::fromLatin1(kMessageTitle);

// Asks for a file name; empty when the user cancels.
QString askPdfFileName(QWidget *parent, const PageJob &job)
{
    // Qt's own dialog, so the same code path can be driven without a desktop.
    QFileDialog dialog(parent, job.dialogTitle, QString(), translate("field", "PDF files (*.pdf)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QDir::home().filePath(job.defaultFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void setUpPdf(QPrinter &pdf, const QString &fileName)
{
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(fileName);
    pdf.setDocName(kTitle);
}

bool wasStopped(const PageJob &job) { return job.stopped && job.stopped(); }

enum class PdfOutcome { Written, Declined, Failed };

// Painted into a file beside `fileName`, which it replaces only once whole:
// a job stopped or failed halfway leaves a file that was there as it was.
PdfOutcome paintPdfWhole(const QString &fileName, const PageJob &job)
{
    WholeFiles files;
    QFile *part = files.add(fileName);
    if (!part)
        return PdfOutcome::Failed;
    part->close();
    QPrinter pdf(QPrinter::HighResolution);
    setUpPdf(pdf, part->fileName());
    if (job.confirm && !job.confirm(pdf))
        return PdfOutcome::Declined;
    if (!job.paint(pdf))
        return wasStopped(job) ? PdfOutcome::Declined : PdfOutcome::Failed;
    return files.commit() ? PdfOutcome::Written : PdfOutcome::Failed;
}

} // namespace

bool writePagePdf(const QString &fileName, const PageJob &job)
{
    return paintPdfWhole(fileName, job) == PdfOutcome::Written;
}

QString savePageAsPdf(QWidget *parent, const PageJob &job)
{
    const QString fileName = askPdfFileName(parent, job);
    if (fileName.isEmpty())
        return {};
    const PdfOutcome outcome = paintPdfWhole(fileName, job);
    if (outcome == PdfOutcome::Written)
        return translate("field", "Saved the %1 as %2.").arg(job.what, QDir::toNativeSeparators(fileName));
    if (outcome == PdfOutcome::Declined)
        return {};
    QMessageBox::warning(parent, kTitle,
                         translate("field", "The %1 could not be saved as %2.").arg(job.what, fileName));
    return {};
}

QString printPage(QWidget *parent, const PageJob &job)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(kTitle);
        // Without a print plugin QPrinter falls back to PDF output, which is no printer.
        if (printer.outputFormat() == QPrinter::NativeFormat) {
            if (job.confirm && !job.confirm(printer))
                return {};
            if (job.paint(printer))
                return translate("field", "Sent the %1 to the printer %2.").arg(job.what, info.printerName());
            if (wasStopped(job))
                return {};
        }
    }
    const auto answer = QMessageBox::question(
        parent, kTitle,
        translate("field", "No printer is available. Do you want to save the %1 as a PDF file instead?").arg(job.what),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes ? savePageAsPdf(parent, job) : QString();
}

} // namespace orvane
