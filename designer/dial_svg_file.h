#pragma once
// Save as SVG: the dial at full scale with its date lines and, when given,
// its correction card beside the gnomon.

#include "dial/dial_svg.h"
#include "print/dial_pages.h"

#include <QString>

namespace orvane {

// Replaces `fileName` whole, or leaves it as it was; false when it cannot.
bool writeDialSvg(const QString &fileName, const DialDrawing &drawing, const dial::CardDrawing *card);

} // namespace orvane
