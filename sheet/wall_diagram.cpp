#include "wall_diagram.h"

#include "angles/angles.h"
#include "text/translation.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace orvane {

namespace {

// The angle the drawing shows, clockwise from the square line.
constexpr double kShownDeg = 35;

// Up the page is towards the wall: an angle clockwise from there as a step.
QPointF towards(double deg)
{
    const double rad = angles::radians(deg);
    return {std::sin(rad), -std::cos(rad)};
}

} // namespace

void paintWallDiagram(QPainter &p, const QRectF &area, const QFont &font)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    const QFontMetricsF fm(font, p.device());
    // The drawing above, what the angle's sign means under it.
    const qreal s = std::min(area.width(), area.height() - fm.lineSpacing());
    const QRectF sq(area.center().x() - s / 2, area.top(), s, s);
    const auto at = [&](qreal x, qreal y) { return QPointF(sq.left() + x * s, sq.top() + y * s); };
    const QColor angle(170, 0, 0);

    // The wall along the top, the board against it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 110));
    p.drawRect(QRectF(at(0.02, 0.10), at(0.98, 0.17)));
    p.setPen(QPen(QColor(150, 110, 60), s / 150));
    p.setBrush(QColor(240, 220, 180));
    const QRectF board(at(0.12, 0.17), at(0.88, 0.98));
    p.drawRect(board);
    p.setPen(Qt::black);
    p.drawText(QRectF(at(0.02, 0.0), at(0.98, 0.10)), Qt::AlignLeft | Qt::AlignBottom, translate("sheet", "wall"));
    p.drawText(board.adjusted(s / 40, 0, -s / 40, -s / 60), Qt::AlignRight | Qt::AlignBottom,
               translate("sheet", "board"));

    // The square line, drawn square to the wall.
    const QPointF foot = at(0.5, 0.62);
    p.setPen(QPen(Qt::black, s / 120, Qt::DashLine));
    p.drawLine(at(0.5, 0.98), at(0.5, 0.17));
    p.save();
    p.translate(at(0.5, 0.96) - QPointF(s / 50, 0));
    p.rotate(-90);
    p.drawText(QPointF(0, 0), translate("sheet", "square line"));
    p.restore();

    // The plumb line's shadow and the angle to it.
    p.setPen(QPen(QColor(0, 90, 170), s / 70, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot, foot + towards(kShownDeg) * (0.4 * s));
    const qreal r = 0.22 * s;
    p.setPen(QPen(angle, s / 120));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(foot - QPointF(r, r), QSizeF(2 * r, 2 * r)), 90 * 16, int(-kShownDeg * 16));
    // Its head shows the way the angle counts.
    const QPointF tip = foot + towards(kShownDeg) * r;
    const QPointF along = towards(kShownDeg + 90) * (s / 22);
    const QPointF across = towards(kShownDeg) * (s / 45);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - along + across);
    head.lineTo(tip - along - across);
    head.closeSubpath();
    p.setBrush(angle);
    p.drawPath(head);
    QFont bold = font;
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(foot + towards(kShownDeg / 2) * (r + s / 25) + QPointF(-s / 60, 0), QStringLiteral("A"));
    p.setFont(font);

    // The plumb line's foot.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(foot, s / 40, s / 40);
    p.setPen(Qt::black);
    p.drawText(foot + QPointF(s / 25, fm.ascent() + s / 60), translate("sheet", "plumb line"));

    p.setPen(angle);
    p.drawText(QRectF(area.left(), sq.bottom(), area.width(), fm.lineSpacing()), Qt::AlignCenter,
               translate("sheet", "+A: clockwise from above"));
    p.restore();
}

QString wallDiagramDescription()
{
    return translate(
        "sheet",
        "Seen from above: a level board held against the wall, a line drawn on it square to the wall, a plumb line "
        "hanging over that line. A reading is the clock time and the angle A from the square line, taken towards "
        "the wall, to the plumb line's shadow, positive clockwise. The wall then faces the sun's azimuth minus A.");
}

WallDiagram::WallDiagram(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("wallDiagram"));
    setMinimumSize(150, 150);
    setAccessibleName(translate("sheet", "How to take a reading"));
    setAccessibleDescription(wallDiagramDescription());
    setToolTip(wallDiagramDescription());
}

void WallDiagram::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.8);
    paintWallDiagram(p, QRectF(rect()), f);
}

} // namespace orvane
