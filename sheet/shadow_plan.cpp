#include "shadow_plan.h"

#include "sheet_text.h"
#include "sun_at_text.h"
#include "text/report_text.h"
#include "text/result_text.h"
#include "text/translation.h"

#include "angles/angles.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvane {

namespace {

const QColor kEventColours[3] = {QColor(204, 85, 0), QColor(0, 90, 170), QColor(128, 40, 150)};
const QColor kBearingColour(20, 130, 60);

// The smallest of 1, 2, 2.5, 5 times a power of ten that is at least `x`.
double niceCeil(double x)
{
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    for (double step : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (step * power >= x * (1 - 1e-9))
            return step * power;
    return 10 * power;
}

// North up, east right: a bearing as a unit step on the page.
QPointF towards(double bearingDeg)
{
    return QPointF(std::sin(angles::radians(bearingDeg)), -std::cos(angles::radians(bearingDeg)));
}

// Places a text block beside `anchor`, on the side `direction` points to,
// kept inside `bounds` and, when `taken` is given, clear of the blocks in it.
void drawLabel(QPainter &p, const QPointF &anchor, const QPointF &direction, const QStringList &lines,
               const QRectF &bounds, std::vector<QRectF> *taken = nullptr)
{
    const QFontMetricsF fm(p.font(), p.device());
    qreal width = 0;
    for (const QString &l : lines)
        width = std::max(width, fm.horizontalAdvance(l));
    const qreal height = fm.lineSpacing() * lines.size();
    QPointF topLeft(anchor.x() - width / 2, anchor.y() - height / 2);
    int align = Qt::AlignHCenter;
    if (direction.x() > 0.35) {
        topLeft.setX(anchor.x());
        align = Qt::AlignLeft;
    } else if (direction.x() < -0.35) {
        topLeft.setX(anchor.x() - width);
        align = Qt::AlignRight;
    }
    // Below the anchor when pointing down, above it otherwise: a label
    // beside a level line sits over the line, clear of the true line's
    // caption under it.
    if (direction.y() > 0.35)
        topLeft.setY(anchor.y());
    else
        topLeft.setY(anchor.y() - height);
    QRectF box(topLeft, QSizeF(width, height));
    box.moveLeft(std::clamp(box.left(), bounds.left(), bounds.right() - box.width()));
    box.moveTop(std::clamp(box.top(), bounds.top(), bounds.bottom() - box.height()));
    if (taken) {
        // Shadows close together (the meridian's and a bearing a few
        // degrees off it): the later label moves off the earlier ones,
        // outwards first, then sideways, keeping a quarter line apart.
        const qreal gap = fm.lineSpacing() / 4;
        const auto clashes = [taken, gap](const QRectF &r) {
            return std::any_of(taken->begin(), taken->end(),
                               [&](const QRectF &t) { return t.adjusted(-gap, -gap, gap, gap).intersects(r); });
        };
        const QRectF first = box;
        const qreal step = direction.y() > 0.35 ? height + gap : -height - gap;
        for (qreal k : {1.0, -1.0, 2.0, -2.0, 3.0, -3.0}) {
            if (!clashes(box))
                break;
            for (qreal side : {0.0, 1.0, -1.0}) {
                box = first.translated(side * (width + gap), k * step);
                box.moveLeft(std::clamp(box.left(), bounds.left(), bounds.right() - box.width()));
                box.moveTop(std::clamp(box.top(), bounds.top(), bounds.bottom() - box.height()));
                if (!clashes(box))
                    break;
            }
        }
        taken->push_back(box);
    }
    p.drawText(box, align | Qt::AlignTop, lines.join(QLatin1Char('\n')));
}

// "N", "E", "S", "W": the rose's letters in the language in use.
QString compassInitial(Compass side)
{
    switch (side) {
    case Compass::North:
        return translate("sheet", "N", "compass");
    case Compass::East:
        return translate("sheet", "E", "compass");
    case Compass::South:
        return translate("sheet", "S", "compass");
    case Compass::West:
        break;
    }
    return translate("sheet", "W", "compass");
}

void drawCompassRose(QPainter &p, const QPointF &c, qreal r)
{
    p.save();
    p.setPen(QPen(Qt::black, r / 20));
    for (int i = 0; i < 4; ++i) {
        const QPointF tip = c + towards(90.0 * i) * r;
        const QPointF left = c + towards(90.0 * i - 45) * (r * 0.22);
        const QPointF right = c + towards(90.0 * i + 45) * (r * 0.22);
        QPainterPath arm;
        arm.moveTo(c);
        arm.lineTo(left);
        arm.lineTo(tip);
        arm.lineTo(right);
        arm.closeSubpath();
        p.setBrush(i == 0 ? QBrush(Qt::black) : QBrush(Qt::white));
        p.drawPath(arm);
    }
    const QFontMetricsF fm(p.font(), p.device());
    for (Compass side : {Compass::North, Compass::East, Compass::South, Compass::West}) {
        const int i = static_cast<int>(side);
        const QPointF at = c + towards(90.0 * i) * (r + fm.height() * 0.6);
        const QString letter = compassInitial(side);
        p.drawText(QRectF(at.x() - fm.height(), at.y() - fm.height() / 2, 2 * fm.height(), fm.height()),
                   Qt::AlignCenter, letter);
    }
    p.restore();
}

bool castsShadow(const EventField &f) { return f.seen && f.shadowLengthPerM.has_value(); }

// Every shadow the plan draws: the events' and the bearing's.
struct Shadow {
    QString name;
    double clock;
    double bearingDeg;
    double lengthPerM;
    QColor colour;
};

std::vector<Shadow> shadows(const FieldData &d, const QLocale &locale)
{
    std::vector<Shadow> all;
    for (const EventField &f : d.events)
        if (castsShadow(f))
            all.push_back({eventTitle(f.event), f.methodClock, f.shadowBearingDeg, *f.shadowLengthPerM,
                           kEventColours[static_cast<int>(f.event)]});
    for (const BearingField &b : d.bearings)
        for (const SunMoment &m : b.times)
            if (m.shadowLengthPerM)
                all.push_back({bearingValueText(b.bearingDeg, locale), m.clock, m.shadowBearingDeg, *m.shadowLengthPerM,
                               kBearingColour});
    return all;
}

// The plan's square and the sizes that follow it.
struct PlanFrame {
    QRectF square;
    QPointF c;     // the plumb line's foot
    qreal s;       // the square's side
    qreal circle;  // the reference circle's radius
    qreal reach;   // the longest drawn shadow
    QRectF inner;  // where labels may go
    double rangeM; // what the circle's radius stands for
};

// The white square and the reference circle, with its distance.
void paintBackdrop(QPainter &p, const PlanFrame &f, const QLocale &locale)
{
    p.setPen(QPen(QColor(160, 160, 160), f.s / 400));
    p.setBrush(Qt::white);
    p.drawRect(f.square);
    p.setPen(QPen(QColor(170, 170, 170), f.s / 500, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(f.c, f.circle, f.circle);
    p.setPen(QColor(110, 110, 110));
    drawLabel(p, f.c + towards(135) * f.circle, towards(135),
              {reportNumberText(f.rangeM, locale) + QStringLiteral(" m")}, f.inner);
}

void paintTrueLines(QPainter &p, const PlanFrame &f)
{
    const qreal s = f.s;
    p.setPen(QPen(QColor(60, 60, 60), s / 300, Qt::DashLine));
    p.drawLine(QPointF(f.square.left() + 0.03 * s, f.c.y()), QPointF(f.square.right() - 0.03 * s, f.c.y()));
    p.drawLine(QPointF(f.c.x(), f.square.top() + 0.03 * s), QPointF(f.c.x(), f.square.bottom() - 0.03 * s));
    p.setPen(QColor(60, 60, 60));
    const QFontMetricsF fm(p.font(), p.device());
    // Captions under the east-west line and left of the north-south line,
    // along each, where the shadows' labels do not go.
    p.drawText(QPointF(f.square.left() + 0.03 * s, f.c.y() + fm.ascent() + s / 200),
               translate("sheet", "true east-west"));
    p.save();
    p.translate(f.c.x() - fm.descent() - s / 200, f.square.bottom() - 0.03 * s);
    p.rotate(-90);
    p.drawText(QPointF(0, 0), translate("sheet", "true north-south"));
    p.restore();
}

// Runs on beyond the plan: an arrowhead at `end` says so.
void paintArrowhead(QPainter &p, const PlanFrame &f, const QPointF &end, const QPointF &dir, const QColor &colour)
{
    const QPointF side(-dir.y(), dir.x());
    QPainterPath head;
    head.moveTo(end + dir * (f.s / 40));
    head.lineTo(end + side * (f.s / 70));
    head.lineTo(end - side * (f.s / 70));
    head.closeSubpath();
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawPath(head);
    p.setBrush(Qt::NoBrush);
}

// The shadows, each labelled with its clock time and length.
std::vector<QRectF> paintShadows(QPainter &p, const PlanFrame &f, const FieldData &d, double plumbHeightM,
                                 const QLocale &locale)
{
    std::vector<QRectF> labels;
    for (const Shadow &shadow : shadows(d, locale)) {
        const double metres = shadow.lengthPerM * plumbHeightM;
        const QPointF dir = towards(shadow.bearingDeg);
        const qreal length = std::min<qreal>(metres / f.rangeM * f.circle, f.reach);
        const QPointF end = f.c + dir * length;
        p.setPen(QPen(shadow.colour, f.s / 110, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.c, end);
        if (length >= f.reach)
            paintArrowhead(p, f, end, dir, shadow.colour);
        p.setPen(shadow.colour.darker(130));
        drawLabel(p, end + dir * (f.s / 30), dir,
                  {shadow.name + QLatin1Char(' ') + timeText(shadow.clock / angles::kSecondsPerDay, locale),
                   lengthText(metres, locale)},
                  f.inner, &labels);
    }
    return labels;
}

// The plumb line's foot, and in the corner what the dot stands for.
void paintFoot(QPainter &p, const PlanFrame &f, double plumbHeightM, const QLocale &locale)
{
    const qreal s = f.s;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(f.c, s / 90, s / 90);
    p.setPen(Qt::black);
    const QFontMetricsF fm(p.font(), p.device());
    const QString legend = translate("sheet", "plumb line %1").arg(lengthText(plumbHeightM, locale));
    const QPointF corner = f.square.bottomRight() - QPointF(0.03 * s, 0.03 * s);
    p.drawText(QRectF(f.c.x(), corner.y() - fm.height(), corner.x() - f.c.x(), fm.height()),
               Qt::AlignRight | Qt::AlignBottom, legend);
    p.drawEllipse(QPointF(corner.x() - fm.horizontalAdvance(legend) - s / 40, corner.y() - fm.height() / 2.5), s / 150,
                  s / 150);
}

} // namespace

double planRangeM(const FieldData &d, double plumbHeightM)
{
    double longest = 0;
    for (const Shadow &shadow : shadows(d, QLocale()))
        longest = std::max(longest, shadow.lengthPerM * plumbHeightM);
    if (longest <= 0)
        return niceCeil(plumbHeightM);
    return niceCeil(std::clamp(longest, 0.1 * plumbHeightM, 4 * plumbHeightM));
}

std::vector<QRectF> paintPlan(QPainter &p, const QRectF &area, const FieldData &d, double plumbHeightM,
                              const QLocale &locale, const QFont &font)
{
    PlanFrame f;
    f.s = std::min(area.width(), area.height());
    f.square = QRectF(area.center().x() - f.s / 2, area.center().y() - f.s / 2, f.s, f.s);
    f.c = f.square.center();
    f.circle = 0.34 * f.s;
    f.reach = 0.44 * f.s;
    f.inner = f.square.adjusted(f.s * 0.01, f.s * 0.01, -f.s * 0.01, -f.s * 0.01);
    f.rangeM = planRangeM(d, plumbHeightM);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    paintBackdrop(p, f, locale);
    paintTrueLines(p, f);
    drawCompassRose(p, f.square.topLeft() + QPointF(0.1 * f.s, 0.1 * f.s), 0.055 * f.s);
    const std::vector<QRectF> labels = paintShadows(p, f, d, plumbHeightM, locale);
    paintFoot(p, f, plumbHeightM, locale);
    p.restore();
    return labels;
}

} // namespace orvane
