#pragma once
// A dial plate and its gnomon at full size, tiled over as many pages as the
// paper needs, each page with rulers to check that nothing was scaled, an
// overview of where the tiles go first, and the card's page.

#include "field/dial_design.h"
#include "print/page_printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPointF>
#include <QString>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPrinter;

namespace orvane {

// What the designer's preview shows: the plate, and the root the hour lines
// meet at when it lies near enough to see them meet.
dial::PlateRect dialPlateExtent(const DialDesign &design);

// What the plate's pages show: what is drawn on the plate, and the root when
// it lies on the plate or just off it.
dial::PlateRect printedPlateExtent(const DialDesign &design);

// How a drawing of `content` (mm, y up) is cut into tiles no larger than
// `pageWidth` x `pageHeight` that overlap by `overlap`; row 0 is the top one.
// The tiles share the content evenly, so none is a thin strip.
struct TileGrid {
    dial::PlateRect content;
    double tileWidth = 0;
    double tileHeight = 0;
    double overlap = 10;
    int rows = 1;
    int columns = 1;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    int count() const { return rows * columns; }
    dial::PlateRect tile(int row, int column) const;
    // The middle of the strips that neighbouring tiles share: where the
    // alignment marks go.
    std::vector<dial::PlatePoint> alignmentMarks() const;
};

inline constexpr double kTileOverlapMm = 10;

TileGrid tileGrid(const dial::PlateRect &content, double pageWidth, double pageHeight, double overlap = kTileOverlapMm);

// The pages of a design on paper of one size: the overview when the plate
// takes more than one tile, the plate's and the gnomon's tiles each turned
// the way that takes fewer pages, and the card's page.
struct DialPagePlan {
    bool overview = false;
    TileGrid plate;
    TileGrid gnomon;
    bool card = false;
    // A dial on the ground has no tiles: its plan and its tables, a page each.
    int stakingPages = 0;

    int pages() const { return int(overview) + plate.count() + gnomon.count() + stakingPages + int(card); }
};

DialPagePlan planDialPages(const DialDesign &design, const QPageSize &paper);

// Above this many pages the window asks before it prints.
inline constexpr int kPagesWithoutAsking = 20;

// What paintDialPages painted: its plan, and the page count (0 when the job
// could not start or was stopped).
struct PrintedDial {
    int pages = 0;
    DialPagePlan plan;
    bool stopped = false;
};

// Told after each page how many are done of how many; false stops the job.
using PageProgress = std::function<bool(int done, int total)>;

// Paints the overview, the plate's tiles, then the gnomon's, then the card's
// page when the design has a card, on a printer or PDF writer that is set
// up already (its paper size kept, its orientation set page by page).
PrintedDial paintDialPages(QPagedPaintDevice &device, const DialDesign &design, const PageProgress &progress = {});

// A4 or Letter by the locale when the printer writes a PDF; a printer keeps
// its own paper.
void setDialPaper(QPrinter &printer);

// The print job: the default printer with no dialog, or a PDF; A4 or Letter
// by the locale for a PDF.
PageJob dialPageJob(const DialDesign &design, const PageProgress &progress = {});

} // namespace orvane
