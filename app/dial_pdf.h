#pragma once
// The command line's dial as full-scale PDF pages, painted as the Dial
// Designer prints them.

#include "cli/dial_data.h"

#include <QIODevice>

namespace orvane {

bool paintDialPdf(QIODevice &device, const DialData &d);

} // namespace orvane
