#pragma once
// A dial plate and its gnomon at full size, tiled over as many pages as the
// paper needs, each page with rulers to check that nothing was scaled.

#include "dial/date_lines.h"
#include "dial/dial_layout.h"
#include "print/page_printer.h"

#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTransform>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace orvane {

struct DialDateLine {
    QString label; // "June solstice"
    std::vector<dial::Polyline> pieces;
};

// Everything the preview and the pages draw.
struct DialDrawing {
    dial::DialInput input;
    dial::DialLayout layout;
    std::vector<DialDateLine> dateLines;
    QString title;     // the dial's kind and site, on top of every page
    QStringList notes; // e.g. the style height, under the title on the first page
    // Paints one more page after the gnomon's when set (a correction card);
    // the rect is the printable area in device units.
    std::function<void(QPainter &, const QRectF &)> card;
};

// Line widths and the label size in device units, for paintDialPlate.
struct PlateStyle {
    double lineWidth = 1;
    double labelHeight = 10;
};

// Plate millimetres (y up) to device units (y down), `scale` units per mm,
// with plate point `topLeft` (xMin, yMax) at device point `at`.
QTransform plateToDevice(double scale, double plateLeft, double plateTop, const QPointF &at);

// What the plate's pages show: the plate, and the root the hour lines meet
// at when it lies near enough.
dial::PlateRect dialPlateExtent(const DialDrawing &drawing);

// The plate outline, hour lines and labels, substyle, root, the nodus's
// foot and the date lines, through `toDevice`.
void paintDialPlate(QPainter &painter, const DialDrawing &drawing, const QTransform &toDevice, const PlateStyle &style);

// How a drawing of `content` (mm, y up) is cut into tiles of `tile` size
// that overlap by `overlap`; row 0 is the top one.
struct TileGrid {
    dial::PlateRect content;
    double tileWidth = 0;
    double tileHeight = 0;
    double overlap = 10;
    int rows = 1;
    int columns = 1;

    dial::PlateRect tile(int row, int column) const;
    // The middle of the strips that neighbouring tiles share: where the
    // alignment marks go.
    std::vector<dial::PlatePoint> alignmentMarks() const;
};

inline constexpr double kTileOverlapMm = 10;

TileGrid tileGrid(const dial::PlateRect &content, double tileWidth, double tileHeight, double overlap = kTileOverlapMm);

// What paintDialPages painted: the plate's and the gnomon's grids, and the
// page count (0 when the job could not start).
struct PrintedDial {
    int pages = 0;
    TileGrid plate;
    TileGrid gnomon;
};

// Paints the plate's tiles, then the gnomon's, then the card if any, on a
// printer or PDF writer that is set up already.
PrintedDial paintDialPages(QPagedPaintDevice &device, const DialDrawing &drawing);

// The print job: the default printer with no dialog, or a PDF.
PageJob dialPageJob(const DialDrawing &drawing);

} // namespace orvane
