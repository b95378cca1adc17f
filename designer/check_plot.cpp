#include "check_plot.h"

#include "forms/focus_frame.h"
#include "text/translation.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

const QColor kBefore(170, 40, 20);
const QColor kAfter(20, 70, 170);

// 1, 2 or 5 times a power of ten: about `count` steps over `span`.
double niceStep(double span, int count)
{
    const double rough = span / count;
    const double power = std::pow(10, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= rough)
            return m * power;
    return 10 * power;
}

// Before the fit a filled disc, after it a cross: told apart without colour.
void marker(QPainter &p, QPointF at, bool before, double r)
{
    if (before) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBefore);
        p.drawEllipse(at, r, r);
    } else {
        p.setPen(QPen(kAfter, 2));
        p.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
        p.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
    }
}

QString describe(const std::vector<CheckPoint> &points, const QString &none, const QLocale &l)
{
    if (points.empty())
        return none + u'.';
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const auto &a, const auto &b) { return a.errorMin < b.errorMin; });
    const QString least = l.toString(low->errorMin, 'f', 1), most = l.toString(high->errorMin, 'f', 1);
    double within = 0;
    for (const CheckPoint &c : points) {
        if (!c.residualMin)
            return translate("designer",
                             "Each reading's error in minutes against the clock time: before the fit from %1 to %2 "
                             "minutes; no fit.")
                .arg(least, most);
        within = std::max(within, std::fabs(*c.residualMin));
    }
    return translate("designer", "Each reading's error in minutes against the clock time: before the fit from %1 to "
                                 "%2 minutes, after it within %3 minutes.")
        .arg(least, most, l.toString(within, 'f', 1));
}

} // namespace

CheckPlot::CheckPlot(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPoints({});
}

void CheckPlot::setPoints(const std::vector<CheckPoint> &points, const QString &none)
{
    points_ = points;
    none_ = none;
    setAccessibleDescription(describe(points_, none_, QLocale()));
    update();
}

void CheckPlot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const QLocale locale;
    const QFontMetricsF fm(font());
    const double line = fm.height();

    // Whole hours around the readings, and minutes either side of zero.
    double x0 = 24, x1 = 0, span = 1;
    for (const CheckPoint &c : points_) {
        x0 = std::min(x0, c.clockHours);
        x1 = std::max(x1, c.clockHours);
        span = std::max({span, std::fabs(c.errorMin), std::fabs(c.residualMin.value_or(0))});
    }
    if (points_.empty())
        x0 = 8, x1 = 16;
    x0 = std::floor(x0), x1 = std::ceil(x1);
    if (x1 - x0 < 2)
        x0 -= 1, x1 += 1;
    const double yStep = niceStep(2 * span, 4);
    const double yTop = std::ceil(span / yStep) * yStep;
    const int yDecimals = yStep < 1 ? int(std::ceil(-std::log10(yStep))) : 0;

    const QString widest = locale.toString(-yTop, 'f', yDecimals);
    // Room for the last hour's label past the right edge.
    const double right = fm.horizontalAdvance(QStringLiteral("00:00")) / 2 + 4;
    const QRectF plot =
        QRectF(rect()).adjusted(line * 1.4 + fm.horizontalAdvance(widest) + 6, line * 1.6, -right, -line * 2.4);
    const auto at = [&](double h, double m) {
        return QPointF(plot.left() + (h - x0) / (x1 - x0) * plot.width(),
                       plot.center().y() - m / yTop * plot.height() / 2);
    };

    p.setPen(Qt::black);
    for (double m = -yTop; m <= yTop + yStep / 2; m += yStep) {
        const bool zero = std::fabs(m) < yStep / 2;
        const QPointF a = at(x0, m);
        p.setPen(zero ? QPen(Qt::black, 1.5) : QPen(QColor(220, 220, 220), 1));
        p.drawLine(a, at(x1, m));
        p.setPen(Qt::black);
        p.drawText(QRectF(rect().left(), a.y() - line / 2, a.x() - 4 - rect().left(), line),
                   Qt::AlignRight | Qt::AlignVCenter, locale.toString(zero ? 0.0 : m, 'f', yDecimals));
    }
    const double xStep = x1 - x0 <= 8 ? 1 : x1 - x0 <= 16 ? 2 : 3;
    for (double h = x0; h <= x1 + 1e-9; h += xStep) {
        const QPointF a = at(h, -yTop);
        p.drawLine(a, a + QPointF(0, 4));
        p.drawText(QRectF(a.x() - 30, a.y() + 4, 60, line), Qt::AlignHCenter | Qt::AlignTop,
                   locale.toString(int(h)) + QStringLiteral(":00"));
    }
    p.setPen(QColor(90, 90, 90));
    p.drawRect(plot);
    p.setPen(Qt::black);
    p.drawText(QRectF(plot.left(), plot.bottom() + line + 4, plot.width(), line), Qt::AlignHCenter,
               translate("designer", "Clock time"));
    p.save();
    p.translate(rect().left() + 2, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignHCenter | Qt::AlignTop,
               translate("designer", "Minutes"));
    p.restore();

    const double r = std::max(3.0, line / 4);
    for (const CheckPoint &c : points_) {
        marker(p, at(c.clockHours, c.errorMin), true, r);
        if (c.residualMin)
            marker(p, at(c.clockHours, *c.residualMin), false, r);
    }
    if (points_.empty()) {
        p.setPen(Qt::darkGray);
        p.drawText(plot, Qt::AlignCenter, none_);
    }

    // The legend over the plot, right-aligned.
    const QString before = translate("designer", "before the fit"), after = translate("designer", "after it");
    double x = plot.right() - fm.horizontalAdvance(before) - fm.horizontalAdvance(after) - 6 * r - 24;
    const double y = plot.top() - line * 0.8;
    for (const auto &[text, isBefore] : {std::pair{before, true}, std::pair{after, false}}) {
        marker(p, QPointF(x + r, y), isBefore, r);
        p.setPen(Qt::black);
        p.drawText(QPointF(x + 2 * r + 4, y + fm.ascent() / 2 - 1), text);
        x += 2 * r + 4 + fm.horizontalAdvance(text) + 16;
    }
    paintFocusFrame(p, this);
}

} // namespace orvane
