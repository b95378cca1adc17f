#pragma once
// Reading back what a PDF page says, through poppler's command-line tools.

#include <QList>
#include <QString>
#include <QStringList>

namespace orvane::test {

// The text of the PDF, one entry per line, empty lines dropped (pdftotext
// does not keep an empty line's height as a line). Empty list when the tool
// fails; `error` then says why.
QStringList pdfLines(const QString &pdfPath, QString *error = nullptr);

// The page count pdfinfo reports, -1 when it cannot tell.
int pdfPageCount(const QString &pdfPath);

// A word on a page as pdftotext -bbox places it, in points.
struct PdfWord {
    QString text;
    double xMin = 0;
    double xMax = 0;
    double height = 0; // the font's ascent plus descent
    double pageWidth = 0;
};
QList<PdfWord> pdfWords(const QString &pdfPath, QString *error = nullptr);

// `lines` without its empty entries.
QStringList nonEmpty(const QStringList &lines);

} // namespace orvane::test
