#pragma once
// A dial's drawing painted: the preview, the printed tiles and the card
// page draw its groups through a map from millimetres to the device.

#include "dial/drawing.h"

#include <QTransform>

#include <limits>
#include <optional>

class QPainter;

namespace orvane {

struct PaintOptions {
    double minPen = 0;                   // device units: no line thinner
    double minLabel = 0;                 // device units: no label smaller
    bool labelGround = true;             // labels on a white ground, lines under them kept out of the way
    std::optional<dial::PlateRect> only; // mm: only what meets this rectangle
};

// Plate millimetres (y up) to device units (y down), `scale` units per mm,
// with the plate point (plateLeft, plateTop) at device point `at`.
QTransform plateToDevice(double scale, double plateLeft, double plateTop, const QPointF &at);

// The largest scale (device units per mm, at most `most`) at which bounds
// `b` fit within `area`.
double fittingScale(const dial::PlateRect &b, const QSizeF &area,
                    double most = std::numeric_limits<double>::infinity());

// Bounds `b` at `scale`, centred across `area` and hanging from its top, or
// with `middle` centred both ways.
QTransform placedIn(const dial::PlateRect &b, const QRectF &area, double scale, bool middle = false);

// The groups of `part` (all groups without one), each item once.
void paintDrawing(QPainter &painter, const dial::Drawing &drawing, std::optional<dial::Part> part,
                  const QTransform &toDevice, const PaintOptions &options = {});

// Counts what paintDrawing would paint: paths (or their pieces), circles and labels.
int paintedItems(const dial::Drawing &drawing, std::optional<dial::Part> part, const PaintOptions &options = {});

} // namespace orvane
