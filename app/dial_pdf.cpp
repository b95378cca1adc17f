#include "dial_pdf.h"

#include "print/dial_pages.h"

#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>

namespace orvane {

int paintDialPdf(QIODevice &device, const DialDesign &design)
{
    QPdfWriter pdf(&device);
    pdf.setTitle(design.title);
    // Letter where people measure in inches, A4 elsewhere.
    pdf.setPageSize(
        QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4));
    pdf.setResolution(600);
    return paintDialPages(pdf, design).pages;
}

} // namespace orvane
