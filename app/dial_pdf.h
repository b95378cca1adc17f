#pragma once
// The command line's dial as full-scale PDF pages: the Dial Designer's
// pages of the same design.

#include "field/dial_design.h"

#include <QIODevice>

namespace orvane {

// The page count, 0 when the pages could not be painted.
int paintDialPdf(QIODevice &device, const DialDesign &design);

} // namespace orvane
