#pragma once
// The command line's dial as full-scale PDF pages: the Dial Designer's
// pages of the same design.

#include "field/dial_design.h"

#include <QIODevice>

namespace orvane {

bool paintDialPdf(QIODevice &device, const DialDesign &design);

} // namespace orvane
