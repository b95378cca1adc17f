#pragma once
// The correction card's printed page, and its graph for the designer's tab.

#include "field/dial_design.h"

#include <QRectF>

class QPainter;

namespace orvane {

// The card's graph alone (its grid, axes and curve) stretched over `rect`
// (device units), its labels at least `fontPixels` high.
void paintCardGraph(QPainter &painter, const QRectF &rect, const dial::Drawing &drawing, double fontPixels);

// One page: what the card belongs to (the title, site, dial and clock), how
// to use it, then the card as drawn. `page` is the printable area in
// device units.
void paintCardPage(QPainter &painter, const QRectF &page, const DialDesign &design);

} // namespace orvane
