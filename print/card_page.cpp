#include "card_page.h"
#include "page_font.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr double kMmPerInch = 25.4;
// A day-to-day change this large is the clock's summer hour, not the sun.
constexpr double kClockJumpSeconds = 1800;

QString qt(const std::string &s) { return QString::fromStdString(s); }

} // namespace

void paintCardGraph(QPainter &p, const QRectF &rect, const dial::CardDrawing &card, double fontPixels)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(pagePixelFont(fontPixels));
    const double f = fontPixels;
    const QRectF plot = rect.adjusted(4 * f, 0.6 * f, -0.5 * f, -1.8 * f);
    if (card.addSeconds.empty() || plot.width() <= 0 || plot.height() <= 0) {
        p.restore();
        return;
    }

    // Whole grid steps in minutes round the curve and zero.
    const auto [lo, hi] = std::minmax_element(card.addSeconds.begin(), card.addSeconds.end());
    double low = std::min(0.0, *lo / 60), high = std::max(0.0, *hi / 60);
    const double step = high - low > 40 ? 10 : 5;
    low = std::floor(low / step) * step;
    high = std::max(low + step, std::ceil(high / step) * step);
    const double days = std::max<double>(365, double(card.addSeconds.size()));
    auto x = [&](double day) { return plot.left() + plot.width() * day / days; };
    auto y = [&](double minutes) { return plot.bottom() - plot.height() * (minutes - low) / (high - low); };

    const double line = std::max(1.0, f / 10);
    p.setPen(QPen(QColor(200, 200, 200), line / 2));
    for (double m = low; m <= high + 1e-9; m += step)
        p.drawLine(QPointF(plot.left(), y(m)), QPointF(plot.right(), y(m)));
    for (int start : card.monthStarts)
        p.drawLine(QPointF(x(start), plot.top()), QPointF(x(start), plot.bottom() + 0.3 * f));
    p.setPen(QPen(Qt::black, line));
    p.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));
    p.drawRect(plot);

    for (double m = low; m <= high + 1e-9; m += step)
        p.drawText(QRectF(rect.left(), y(m) - f, 3.6 * f, 2 * f), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(m, 'f', 0));
    p.save();
    p.translate(rect.left() + 0.5 * f, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -0.6 * f, plot.height(), 1.2 * f), Qt::AlignCenter,
               QStringLiteral("minutes"));
    p.restore();
    for (std::size_t m = 0; m < card.monthStarts.size() && m < card.monthLabels.size(); ++m) {
        const double next = m + 1 < card.monthStarts.size() ? card.monthStarts[m + 1] : days;
        p.drawText(QRectF(x(card.monthStarts[m]), plot.bottom() + 0.2 * f, x(next) - x(card.monthStarts[m]), 1.5 * f),
                   Qt::AlignCenter, qt(card.monthLabels[m]));
    }

    p.setPen(QPen(QColor(0, 70, 160), 2 * line));
    QPolygonF piece;
    for (std::size_t i = 0; i < card.addSeconds.size(); ++i) {
        if (i > 0 && std::fabs(card.addSeconds[i] - card.addSeconds[i - 1]) > kClockJumpSeconds) {
            p.drawPolyline(piece);
            piece.clear();
        }
        piece << QPointF(x(double(i)), y(card.addSeconds[i] / 60));
    }
    p.drawPolyline(piece);
    p.restore();
}

void paintCardPage(QPainter &p, const QRectF &page, const CardPage &c)
{
    const double mm = p.device()->logicalDpiX() / kMmPerInch;
    p.save();
    p.setPen(Qt::black);
    double top = page.top();
    auto write = [&](const QString &text, double size, bool bold, double after) {
        p.setFont(pagePixelFont(size * mm, bold));
        const QRectF r(page.left(), top, page.width(), page.height());
        const QRectF used = p.boundingRect(r, Qt::TextWordWrap, text);
        p.drawText(r, Qt::TextWordWrap, text);
        top += used.height() + after * mm;
    };
    write(QStringLiteral("Correction card"), 6, true, 1);
    write(c.title, 4, true, 1);
    for (const QString &line : c.about)
        write(line, 3.2, false, 0.3);
    top += 2 * mm;
    write(QStringLiteral("Add the figure to the time the dial shows to get the clock time; negative: subtract. "
                         "Minutes and seconds."),
          3.4, false, 3);

    write(qt(c.card.title), 3.6, true, 1);
    const double graphHeight = std::min(80 * mm, (page.bottom() - top) * 0.45);
    paintCardGraph(p, QRectF(page.left(), top, page.width(), graphHeight), c.card, 3 * mm);
    top += graphHeight + 5 * mm;

    // The table in columns, down then across.
    const int columns = 3;
    const double rowHeight = 4.6 * mm;
    const int perColumn = std::max<int>(1, static_cast<int>((c.card.rows.size() + columns - 1) / columns));
    const double columnWidth = page.width() / columns;
    p.setFont(pagePixelFont(3.2 * mm));
    for (int i = 0; i < static_cast<int>(c.card.rows.size()); ++i) {
        const double left = page.left() + (i / perColumn) * columnWidth;
        const double rowTop = top + (i % perColumn) * rowHeight;
        const QRectF rowRect(left, rowTop, columnWidth - 4 * mm, rowHeight);
        // Every other row shaded, for the eye to follow across.
        if (i % perColumn % 2 == 0)
            p.fillRect(rowRect, QColor(238, 238, 238));
        const dial::CardDrawing::Row &row = c.card.rows[static_cast<std::size_t>(i)];
        p.drawText(rowRect.adjusted(2 * mm, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, qt(row.date));
        p.drawText(rowRect.adjusted(0, 0, -columnWidth * 0.3, 0), Qt::AlignRight | Qt::AlignVCenter,
                   qt(dial::minutesSeconds(row.addSeconds)));
    }
    p.restore();
}

} // namespace orvane
