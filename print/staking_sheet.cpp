#include "staking_sheet.h"
#include "drawing_painter.h"
#include "page_font.h"

#include "field/ground_staking.h"
#include "field/report_words.h"
#include "text/translation.h"

#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// Text that wraps within `width`, from `top`; returns the height it took.
double paragraph(QPainter &p, double left, double top, double width, const QString &text)
{
    const QRectF box = p.boundingRect(QRectF(left, top, width, 1e6), Qt::TextWordWrap, text);
    p.drawText(QRectF(left, top, width, box.height()), Qt::TextWordWrap, text);
    return box.height();
}

// A table of rows from `top`, columns at the given widths (mm), the first
// row bold; returns its height.
double table(QPainter &p, double left, double top, double mm, double rowMm, const std::vector<double> &widths,
             const QList<QStringList> &rows)
{
    double y = top;
    for (int r = 0; r < rows.size(); ++r) {
        p.setFont(pagePixelFont(0.72 * rowMm * mm, r == 0));
        double x = left;
        for (int c = 0; c < rows[r].size() && c < int(widths.size()); ++c) {
            const Qt::Alignment align = c == 0 ? Qt::AlignLeft : Qt::AlignRight;
            p.drawText(QRectF(x, y, widths[std::size_t(c)] * mm - 1.5 * mm, rowMm * mm), align | Qt::AlignVCenter,
                       rows[r][c]);
            x += widths[std::size_t(c)] * mm;
        }
        y += rowMm * mm;
        if (r == 0)
            p.drawLine(QPointF(left, y), QPointF(x, y));
    }
    return y - top;
}

} // namespace

int planScale(const dial::PlateRect &content, double width, double height)
{
    const double needed = std::max(content.width() / width, content.height() / height);
    if (!(needed <= 1e8))
        return 100000000; // no room, or nothing measurable: the smallest plan
    for (int power = 1;; power *= 10)
        for (double step : {1.0, 2.0, 2.5, 5.0}) {
            const double n = step * power;
            // 1:2.5 is no whole scale.
            if (n == std::floor(n) && n >= needed)
                return int(n);
        }
}

void paintStakingPlan(QPainter &p, const QRectF &area, double mm, const DialDesign &design)
{
    const QLocale locale;
    const dial::Drawing plan = drawingParts(design.drawing, {dial::Part::Plate});
    const dial::PlateRect b = dial::bounds(plan);
    const double planHeight = 0.55 * area.height();
    const int n = planScale(b, area.width() / mm, planHeight / mm);
    const double scale = mm / n;
    p.save();
    PaintOptions options;
    options.minPen = 0.2 * mm;
    options.minLabel = 2.2 * mm;
    paintDrawing(p, plan, std::nullopt, placedIn(b, area, scale), options);

    // The scale, and a bar one round length long to check it by.
    double top = area.top() + scale * b.height() + 4 * mm;
    const double barMetres = n <= 20 ? 0.1 : n <= 100 ? 1 : n <= 500 ? 5 : 10;
    const double bar = barMetres * 1000 * scale;
    p.setPen(QPen(Qt::black, 0.3 * mm));
    p.drawLine(QPointF(area.left(), top), QPointF(area.left() + bar, top));
    for (double x : {area.left(), area.left() + bar})
        p.drawLine(QPointF(x, top - 1.2 * mm), QPointF(x, top + 1.2 * mm));
    p.setFont(pagePixelFont(3 * mm));
    p.drawText(QPointF(area.left() + bar + 3 * mm, top + 1.2 * mm),
               translate("field", "%1 m.  Scale 1:%2: 1 cm on paper is %3 m on the ground.  %4")
                   .arg(metresText(barMetres, locale).remove(QRegularExpression(QStringLiteral("[.,]00$"))))
                   .arg(n)
                   .arg(locale.toString(n / 100.0), valueText(design.report.planKey, locale)));
    top += 7 * mm;

    p.setFont(pagePixelFont(3.4 * mm, true));
    top += paragraph(p, area.left(), top, area.width(), translate("field", "Staking it out")) + mm;
    p.setFont(pagePixelFont(3.1 * mm));
    int step = 0;
    for (const QString &s : stakingSteps(design, locale)) {
        const QString number = QStringLiteral("%1.").arg(++step);
        p.drawText(QPointF(area.left(), top + 3.1 * mm), number);
        top += paragraph(p, area.left() + 6 * mm, top, area.width() - 6 * mm, s) + 1.2 * mm;
    }
    p.restore();
}

void paintStakingTables(QPainter &p, const QRectF &area, double mm, const DialDesign &design)
{
    const QLocale locale;
    const std::vector<dial::Table> &tables = design.report.tables;
    p.save();
    p.setPen(Qt::black);
    p.setFont(pagePixelFont(3.4 * mm, true));
    double top = area.top();
    top += paragraph(p, area.left(), top, area.width(), valueText(tables.front().title, locale)) + 2 * mm;

    // The main table in up to two blocks side by side, so that quarter hours fit on the page.
    const StakingTable staking = stakingTable(design, locale);
    const std::vector<double> widths{14, 24, 24, 24};
    const int count = int(staking.rows.size());
    const int blocks = count > 36 ? 2 : 1;
    const int perBlock = (count + blocks - 1) / blocks;
    const double rowMm = std::clamp(0.55 * area.height() / mm / (perBlock + 1), 2.6, 5.0);
    double tallest = 0;
    for (int b = 0; b < blocks; ++b) {
        const QList<QStringList> rows = QList<QStringList>{staking.headings} + staking.rows.mid(b * perBlock, perBlock);
        tallest = std::max(tallest, table(p, area.left() + b * 92 * mm, top, mm, rowMm, widths, rows));
    }
    top += tallest + 5 * mm;

    // The others side by side, each under its heading.
    const double column = 92 * mm, headingWidth = column - 4 * mm;
    for (std::size_t i = 1; i < tables.size(); ++i) {
        const double left = area.left() + double(i - 1) * column;
        p.setFont(pagePixelFont(3.4 * mm, true));
        const double y = top + paragraph(p, left, top, headingWidth, valueText(tables[i].title, locale)) + 2 * mm;
        table(p, left, y, mm, std::min(rowMm, 4.0), {30, 24}, tableText(tables[i], locale));
    }
    p.restore();
}

} // namespace orvane
