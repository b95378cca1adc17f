#include "page_font.h"
#include "report.h"

#include "text/report_wrap.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

namespace orvane {

namespace {

// Writes lines one under the other from the top of the printable area,
// wrapping any line wider than the page instead of cutting it off.
class LineWriter {
public:
    LineWriter(QPainter &painter, qreal width) : painter_(painter), width_(width) {}

    void setFont(const QFont &font) { painter_.setFont(font); }

    void write(const QString &line)
    {
        const QFontMetricsF metrics(painter_.font(), painter_.device());
        const auto measure = [&metrics](const QString &s) { return metrics.horizontalAdvance(s); };
        for (const QString &piece : wrapReportLine(line, width_, measure)) {
            painter_.drawText(QPointF(0, y_ + metrics.ascent()), piece);
            y_ += metrics.lineSpacing();
        }
    }

private:
    QPainter &painter_;
    qreal width_;
    qreal y_ = 0;
};

} // namespace

bool paintReport(QPrinter &printer, const ReportInputs &in)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    LineWriter writer(painter, printer.width());

    writer.setFont(pageFont(16));
    for (const QString &line : reportHeaderLines())
        writer.write(line);
    writer.setFont(pageFont(11));
    for (const QString &line : reportBodyLines(in, QLocale()))
        writer.write(line);

    return painter.end();
}

} // namespace orvane
