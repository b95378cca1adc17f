#pragma once
// The dial's files: the SVG and DXF drawings, the card's SVG and the PDF,
// each written whole or not at all.

#include "dial_data.h"

#include <QIODevice>
#include <QString>

#include <functional>

namespace orvane {

// Paints the dial's PDF pages onto `device`, returning their count, 0 when it cannot.
// The command line runs without the window's libraries; the program sets a
// painter from them at start-up. The file is replaced only when it returns true.
using DialPdfWriter = std::function<int(QIODevice &device, const DialDesign &design)>;
void setDialPdfWriter(DialPdfWriter writer);
bool hasDialPdfWriter();

// The design as the files show it: with the card only when --card asked for it.
DialDesign designForFiles(const DialData &d);

// Writes --svg, --dxf, --card-svg and --pdf as asked, all or none: each
// beside its target, put in place once every one is whole. Returns an
// empty string, or the message for the first file that cannot be written
// (naming it and what failed). `pdfPages`, when given, gets the PDF's
// page count (0 without --pdf).
QString writeDialFiles(const DialData &d, int *pdfPages = nullptr);

} // namespace orvane
