#pragma once
// The one face of every printed page: the report, the sheet, the dial's
// pages and its card.

#include <QFont>

namespace orvane {

// Arial where installed, its metric twin otherwise, at `points`.
QFont pageFont(qreal points, bool bold = false);
// The same face in whole device pixels, at least one: the dial's pages are
// measured in the device's pixels.
QFont pagePixelFont(double pixels, bool bold = false);

} // namespace orvane
