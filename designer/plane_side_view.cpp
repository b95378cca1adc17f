#include "plane_side_view.h"

#include "angles/angles.h"
#include "forms/focus_frame.h"
#include "text/translation.h"

#include <QLocale>
#include <QPainter>

#include <cmath>

namespace orvane {

namespace {

// The section through the face's slope: u level towards the facing, v up.
struct Section {
    QPointF origin;
    double radius = 0;
    QPointF at(double u, double v) const { return origin + QPointF(u * radius, -v * radius); }
};

// `text` beyond `tip`, away from the origin, kept inside `area`.
void labelAt(QPainter &p, const QRectF &area, const QPointF &origin, const QPointF &tip, const QString &text)
{
    const QFontMetricsF fm(p.font());
    const QSizeF size(fm.horizontalAdvance(text) + 2, fm.height());
    QPointF away = tip - origin;
    const double length = std::hypot(away.x(), away.y());
    away = length > 0 ? away / length : QPointF(0, -1);
    QPointF centre = tip + QPointF(away.x() * (size.width() / 2 + 3), away.y() * (size.height() / 2 + 2));
    centre.setX(std::clamp(centre.x(), area.left() + size.width() / 2, area.right() - size.width() / 2));
    centre.setY(std::clamp(centre.y(), area.top() + size.height() / 2, area.bottom() - size.height() / 2));
    p.drawText(QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size), Qt::AlignCenter, text);
}

} // namespace

QString compassPoint(double degrees, bool shortForm)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("designer", "north"), QT_TRANSLATE_NOOP("designer", "north-east"),
        QT_TRANSLATE_NOOP("designer", "east"),  QT_TRANSLATE_NOOP("designer", "south-east"),
        QT_TRANSLATE_NOOP("designer", "south"), QT_TRANSLATE_NOOP("designer", "south-west"),
        QT_TRANSLATE_NOOP("designer", "west"),  QT_TRANSLATE_NOOP("designer", "north-west")};
    static const char *const letters[] = {QT_TRANSLATE_NOOP("designer", "N"), QT_TRANSLATE_NOOP("designer", "NE"),
                                          QT_TRANSLATE_NOOP("designer", "E"), QT_TRANSLATE_NOOP("designer", "SE"),
                                          QT_TRANSLATE_NOOP("designer", "S"), QT_TRANSLATE_NOOP("designer", "SW"),
                                          QT_TRANSLATE_NOOP("designer", "W"), QT_TRANSLATE_NOOP("designer", "NW")};
    const int i = int(std::lround(angles::wrap360(degrees) / 45)) % 8;
    return translate("designer", shortForm ? letters[i] : names[i]);
}

PlaneSideView::PlaneSideView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(translate("designer", "The face from the side"));
}

void PlaneSideView::setPlane(double facing, double tilt, double latitude)
{
    facing_ = facing;
    tilt_ = tilt;
    latitude_ = latitude;
    const QLocale locale;
    const auto n = [&locale](double v) { return locale.toString(v, 'f', 0); };
    // The style points at the pole above the horizon: the north one north of the equator.
    const QString pole = latitude >= 0 ? translate("designer", "north") : translate("designer", "south");
    setAccessibleDescription(
        translate("designer",
                  "Seen from the side, %1 to the right and %2 to the left: the level ground dashed; the face "
                  "%3° from level, its front (the lit side) towards %4°, %1; the style along the Earth's axis, "
                  "rising %5° towards the %6.")
            .arg(compassPoint(facing), compassPoint(facing + 180), n(tilt), n(facing), n(std::fabs(latitude)), pole));
    update();
}

void PlaneSideView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    p.setFont(small);
    const QRectF area = QRectF(rect()).adjusted(3, 2, -3, -2);
    const double z = angles::radians(tilt_), f = angles::radians(facing_), phi = angles::radians(latitude_);
    const Section s{QPointF(width() / 2.0, height() * 0.6), std::min(width() * 0.3, height() * 0.4)};
    const QPointF o = s.origin;

    // The level ground, its ends named: the facing to the right.
    p.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
    p.drawLine(QPointF(area.left() + 22, o.y()), QPointF(area.right() - 22, o.y()));
    p.setPen(palette().text().color());
    labelAt(p, area, o, QPointF(area.left() + 22, o.y()), compassPoint(facing_ + 180, true));
    labelAt(p, area, o, QPointF(area.right() - 22, o.y()), compassPoint(facing_, true));
    labelAt(p, area, o, QPointF(area.left() + 40, o.y() + 8), translate("designer", "level"));

    // The face holds the level x axis and its slope line (-cos Z, sin Z).
    const QPointF faceTop = s.at(-std::cos(z), std::sin(z)), faceFoot = s.at(std::cos(z), -std::sin(z));
    p.setPen(QPen(palette().text().color(), 3));
    p.drawLine(faceFoot, faceTop);
    p.setPen(palette().text().color());
    labelAt(p, area, o, faceFoot.y() > faceTop.y() ? faceFoot : faceTop, translate("designer", "face"));

    // Its outward normal: the side the sun lights and the dial is read from.
    const QPointF front = s.at(0.8 * std::sin(z), 0.8 * std::cos(z));
    p.setPen(QPen(QColor(0, 90, 200), 1.5));
    p.drawLine(o, front);
    p.drawEllipse(front, 2.5, 2.5);

    // The Earth's axis seen in this section, towards the pole above the horizon.
    const double up = latitude_ >= 0 ? 1 : -1;
    const QPointF pole = s.at(up * std::cos(phi) * std::cos(f), up * std::sin(phi));
    p.setPen(QPen(QColor(150, 0, 0), 1.5));
    p.drawLine(o, pole);
    // A style square to the face (an equatorial dial's) lies along its front: one label for both.
    p.setPen(palette().text().color());
    const QPointF a = front - o, b = pole - o;
    const double cosine = (a.x() * b.x() + a.y() * b.y()) / (std::hypot(a.x(), a.y()) * std::hypot(b.x(), b.y()));
    if (cosine > std::cos(angles::radians(20))) {
        labelAt(p, area, o, front, translate("designer", "front, style"));
    } else {
        labelAt(p, area, o, front, translate("designer", "front"));
        labelAt(p, area, o, pole, translate("designer", "style"));
    }
    paintFocusFrame(p, this);
}

} // namespace orvane
