#include "dial_pdf.h"

#include "cli/cli_options.h"
#include "print/card_page.h"
#include "print/dial_pages.h"
#include "text/wording.h"

#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>

#include <cmath>

namespace orvane {

namespace {

QString degreesText(double value, Compass positive, Compass negative)
{
    return QStringLiteral("%1° %2").arg(QString::number(std::fabs(value), 'f', 3),
                                        compassLetter(value < 0 ? negative : positive));
}

} // namespace

bool paintDialPdf(QIODevice &device, const DialData &d)
{
    DialDrawing drawing;
    drawing.input = d.input;
    drawing.layout = d.layout;
    for (const DateLineData &line : d.dateLines)
        drawing.dateLines.push_back(DialDateLine{line.label, line.pieces});
    const QString kind = d.input.type == dial::DialType::Horizontal
                             ? QStringLiteral("Horizontal dial")
                             : QStringLiteral("Vertical dial facing %1°").arg(QString::number(d.input.facing, 'g', 6));
    drawing.title = QStringLiteral("%1, latitude %2, longitude %3")
                        .arg(kind, degreesText(d.input.latitude, Compass::North, Compass::South),
                             degreesText(d.input.longitude, Compass::East, Compass::West));
    drawing.notes << QStringLiteral("Style height %1°").arg(QString::number(d.layout.styleHeight, 'f', 2))
                  << (d.input.time == dial::DialTime::Sun ? QStringLiteral("sun time") : QStringLiteral("zone time"));

    if (d.options.card) {
        CardPage page;
        page.title = drawing.title;
        page.about << QStringLiteral("Dial: nodus %1 mm above the plate, %2")
                          .arg(QString::number(d.input.nodusHeight, 'g', 6), drawing.notes.last())
                   << d.cardClock;
        page.card = cardDrawing(d.card, d.site.date.year(), CardRows::Weekly, QLocale());
        drawing.card = [page](QPainter &p, const QRectF &r) { paintCardPage(p, r, page); };
    }

    QPdfWriter pdf(&device);
    pdf.setTitle(drawing.title);
    // Letter where people measure in inches, A4 elsewhere.
    pdf.setPageSize(
        QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4));
    pdf.setResolution(600);
    return paintDialPages(pdf, drawing).pages > 0;
}

} // namespace orvane
