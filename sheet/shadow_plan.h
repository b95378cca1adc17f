#pragma once
// The plan of the site, north up: the plumb line's foot, a compass rose,
// the true lines dashed, and the shadow at each event drawn to scale.
// Painted alike on the screen and on paper.

#include "field/field_data.h"

#include <QFont>
#include <QLocale>
#include <QRectF>

#include <vector>

class QPainter;

namespace orvane {

// Paints into the largest square centred in `area`; every size follows the
// square's. `font` sets the labels' size on the painter's device. Gives the
// shadows' label boxes, in the order of FieldData's events and bearings.
std::vector<QRectF> paintPlan(QPainter &painter, const QRectF &area, const FieldData &d, double plumbHeightM,
                              const QLocale &locale, const QFont &font);

// The distance from the foot to the plan's reference circle, in metres: a
// round number that holds the longest shadow, or four plumb-line heights
// where the sun stands low; longer shadows run off the circle.
double planRangeM(const FieldData &d, double plumbHeightM);

} // namespace orvane
