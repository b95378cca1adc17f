#include "plane_side_view.h"

#include "angles/angles.h"
#include "forms/focus_frame.h"

#include <QLocale>
#include <QPainter>

#include <cmath>

namespace orvane {

PlaneSideView::PlaneSideView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("The face from the side"));
}

void PlaneSideView::setPlane(double facing, double tilt, double latitude)
{
    facing_ = facing;
    tilt_ = tilt;
    latitude_ = latitude;
    const QLocale locale;
    const auto n = [&locale](double v) { return locale.toString(v, 'f', 0); };
    setAccessibleDescription(QStringLiteral("Seen from the side, looking across the face: the face %1° from level "
                                            "(its normal %1° from the zenith, towards %2°); the style rises at %3°.")
                                 .arg(n(tilt), n(facing), n(std::fabs(latitude))));
    update();
}

void PlaneSideView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setRenderHint(QPainter::Antialiasing);
    // The section through the face's slope: u towards the facing, v up.
    const double z = angles::radians(tilt_), f = angles::radians(facing_), phi = angles::radians(latitude_);
    const QPointF o(width() / 2.0, height() * 0.62);
    const double r = std::min(width(), height()) * 0.42;
    const auto at = [&](double u, double v) { return o + QPointF(u * r, -v * r); };

    p.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
    p.drawLine(QPointF(4, o.y()), QPointF(width() - 4, o.y()));
    // The face holds the level x axis and its slope line (-cos Z, sin Z).
    p.setPen(QPen(palette().text().color(), 3));
    p.drawLine(at(std::cos(z), -std::sin(z)), at(-std::cos(z), std::sin(z)));
    p.setPen(QPen(QColor(0, 90, 200), 1.5));
    p.drawLine(o, at(0.8 * std::sin(z), 0.8 * std::cos(z)));
    p.drawEllipse(at(0.8 * std::sin(z), 0.8 * std::cos(z)), 2.5, 2.5);
    // The Earth's axis seen in this section.
    p.setPen(QPen(QColor(150, 0, 0), 1.5));
    p.drawLine(o, at(std::cos(phi) * std::cos(f), std::sin(phi)));
    paintFocusFrame(p, this);
}

} // namespace orvane
