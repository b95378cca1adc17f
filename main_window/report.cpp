#include "report.h"

#include "report_wrap.h"
#include "web_addresses.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <cmath>

namespace orvane {

namespace {

// Arial where installed; the metric twin otherwise.
QFont ReportFont(qreal points)
{
    QFont font(QStringLiteral("arial"));
    font.setFamilies({QStringLiteral("arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    return font;
}

// Writes lines one under the other from the top of the printable area,
// wrapping any line wider than the page instead of cutting it off.
class LineWriter {
public:
    LineWriter(QPainter &painter, qreal width) : painter_(painter), width_(width) {}

    void SetFont(const QFont &font) { painter_.setFont(font); }

    void Write(const QString &line)
    {
        const QFontMetricsF metrics(painter_.font(), painter_.device());
        const auto measure = [&metrics](const QString &s) { return metrics.horizontalAdvance(s); };
        for (const QString &piece : WrapReportLine(line, width_, measure)) {
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

QString ReportNumberText(double value, const QLocale &locale)
{
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

QString ReportSiteLine(const ReportInputs &in)
{
    const QLocale locale;
    // Zero counts as north; the east/west word comes from the option, not the sign.
    return QStringLiteral("Latitude ") + ReportNumberText(std::fabs(in.latitude), locale)
        + (in.latitude >= 0 ? QStringLiteral(" North, ") : QStringLiteral(" South, "))
        + QStringLiteral("Longitude ") + ReportNumberText(std::fabs(in.longitude), locale)
        + (in.west ? QStringLiteral(" West") : QStringLiteral(" East"))
        + (in.standardTime ? QStringLiteral(", Standard Time")
                           : QStringLiteral(", Daylight Savings Time"));
}

bool PaintReport(QPrinter &printer, const ReportInputs &in)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    LineWriter writer(painter, printer.width());

    writer.SetFont(ReportFont(16));
    writer.Write(QStringLiteral("Orvane"));
    writer.Write(QStringLiteral("Tarnwick LLC, ") + QString::fromLatin1(kMakerAddress));
    writer.Write(QString());

    writer.SetFont(ReportFont(11));
    writer.Write(ReportSiteLine(in));
    writer.Write(QString());
    for (const QString &line : in.resultText.split(QStringLiteral("\r\n")))
        writer.Write(line);

    return painter.end();
}

} // namespace orvane
