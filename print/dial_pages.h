#pragma once
// A dial plate and its gnomon at full size, tiled over as many pages as the
// paper needs, each page with rulers to check that nothing was scaled, and
// the card's page.

#include "field/dial_design.h"
#include "print/page_printer.h"

#include <QPointF>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace orvane {

// What the plate's pages show: the plate, and the root the hour lines meet
// at when it lies near enough.
dial::PlateRect dialPlateExtent(const DialDesign &design);

// How a drawing of `content` (mm, y up) is cut into tiles of `tile` size
// that overlap by `overlap`; row 0 is the top one.
struct TileGrid {
    dial::PlateRect content;
    double tileWidth = 0;
    double tileHeight = 0;
    double overlap = 10;
    int rows = 1;
    int columns = 1;

    int count() const { return rows * columns; }
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

// Paints the plate's tiles, then the gnomon's, then the card's page when
// the design has a card, on a printer or PDF writer that is set up already.
PrintedDial paintDialPages(QPagedPaintDevice &device, const DialDesign &design);

// The print job: the default printer with no dialog, or a PDF.
PageJob dialPageJob(const DialDesign &design);

} // namespace orvane
