#pragma once
// The dial's files: the SVG drawing, the card's SVG and the PDF, each
// written whole or not at all.

#include "dial/dial_svg.h"
#include "dial_data.h"

#include <QIODevice>
#include <QLocale>
#include <QString>

#include <functional>

namespace orvane {

// Paints the dial's PDF pages onto `device`, returning false when it cannot.
// The command line runs without the window's libraries; the program sets a
// painter from them at start-up. The file is replaced only when it returns true.
using DialPdfWriter = std::function<bool(QIODevice &device, const DialData &d)>;
void setDialPdfWriter(DialPdfWriter writer);
bool hasDialPdfWriter();

// The card as the drawings show it: the daily values, months labelled in
// `locale`, a table on the 1st and the 16th of each month.
dial::CardDrawing cardDrawing(const DialData &d, const QLocale &locale);

// The whole drawing; with the card when it was asked for with --card.
std::string dialSvgText(const DialData &d, const QLocale &locale);

// Writes --svg, --card-svg and --pdf as asked. Returns an empty string, or
// the message for the first file that cannot be written (naming it); files
// already written stay.
QString writeDialFiles(const DialData &d, const QLocale &locale);

} // namespace orvane
