#include "dial_pages.h"
#include "card_page.h"
#include "drawing_painter.h"
#include "page_font.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr double kPageMarginMm = 10;
constexpr double kHeaderMm = 11;
constexpr double kFooterMm = 15;
constexpr double kMmPerInch = 25.4;
constexpr double kThinnestMm = 0.2; // no printed line finer

QPointF toQt(dial::PlatePoint p) { return QPointF(p.x, p.y); }

void cross(QPainter &p, const QPointF &at, double half)
{
    p.drawLine(at - QPointF(half, 0), at + QPointF(half, 0));
    p.drawLine(at - QPointF(0, half), at + QPointF(0, half));
}

// A ruler `length` device units long from `at` (its left end, on the line),
// ticked every `tick` units, every `major`-th tick longer.
void ruler(QPainter &p, const QPointF &at, double length, double tick, int major, double mm, const QString &text)
{
    QPen pen(Qt::black, 0.2 * mm, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(at, at + QPointF(length, 0));
    const int ticks = static_cast<int>(std::lround(length / tick));
    for (int i = 0; i <= ticks; ++i) {
        const double h = (i % major == 0 ? 3 : 1.5) * mm;
        p.drawLine(at + QPointF(i * tick, 0), at + QPointF(i * tick, -h));
    }
    p.setFont(pagePixelFont(2.8 * mm));
    p.drawText(at + QPointF(length + 2 * mm, 0), text);
}

// One page's frame: title, the tile's place, the rulers.
struct PageFrame {
    QRectF page; // the printable area, from the painter's origin
    double mm = 1;
    QRectF area() const
    {
        return QRectF(page.left(), page.top() + kHeaderMm * mm, page.width(),
                      page.height() - (kHeaderMm + kFooterMm) * mm);
    }
};

void paintFrame(QPainter &p, const PageFrame &f, const QString &title, const QString &place)
{
    const double mm = f.mm;
    p.setPen(Qt::black);
    p.setFont(pagePixelFont(3.6 * mm, true));
    p.drawText(QPointF(f.page.left(), f.page.top() + 3.8 * mm), title);
    p.setFont(pagePixelFont(3 * mm));
    p.drawText(QPointF(f.page.left(), f.page.top() + 8.5 * mm), place);
    const double foot = f.page.bottom();
    ruler(p, QPointF(f.page.left(), foot - 8.5 * mm), 100 * mm, 10 * mm, 5, mm, QStringLiteral("100 mm"));
    ruler(p, QPointF(f.page.left(), foot - 1 * mm), 4 * kMmPerInch * mm, kMmPerInch / 8 * mm, 8, mm,
          QStringLiteral("4 in"));
    p.setFont(pagePixelFont(2.6 * mm));
    p.drawText(QRectF(f.page.left(), foot - 12 * mm, f.page.width(), 12 * mm), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Print at actual size, not fitted to the page; check both rulers."));
}

// Tiles `grid` over pages, each with the drawing's `part` that meets it.
void paintTiles(QPagedPaintDevice &device, QPainter &p, const PageFrame &f, const TileGrid &grid,
                const dial::Drawing &drawing, dial::Part part, const QString &title, const QString &what,
                const QString &notes, bool &first)
{
    const double mm = f.mm;
    const QRectF area = f.area();
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            if (!first)
                device.newPage();
            first = false;
            QString place = QStringLiteral("%1: row %2, column %3 of %4 x %5")
                                .arg(what)
                                .arg(row + 1)
                                .arg(column + 1)
                                .arg(grid.rows)
                                .arg(grid.columns);
            if (!notes.isEmpty())
                place += QStringLiteral(". ") + notes;
            paintFrame(p, f, title, place);

            const dial::PlateRect t = grid.tile(row, column);
            const QTransform toDevice = plateToDevice(mm, t.xMin, t.yMax, area.topLeft());
            p.save();
            p.setClipRect(area);
            PaintOptions options;
            options.minPen = kThinnestMm * mm;
            options.only = t;
            paintDrawing(p, drawing, part, toDevice, options);
            p.setPen(QPen(QColor(0, 90, 200), 0.2 * mm));
            for (dial::PlatePoint m : grid.alignmentMarks())
                if (t.contains(m))
                    cross(p, toDevice.map(toQt(m)), 4 * mm);
            p.restore();
            p.setPen(QPen(Qt::gray, 0.1 * mm, Qt::DotLine));
            p.drawRect(area);
        }
    }
}

dial::PlateRect padded(const dial::PlateRect &r, double pad)
{
    return dial::PlateRect{r.xMin - pad, r.yMin - pad, r.xMax + pad, r.yMax + pad};
}

} // namespace

dial::PlateRect dialPlateExtent(const DialDesign &d)
{
    dial::PlateRect r = d.input.plate;
    if (d.layout.root) {
        const dial::PlatePoint root = *d.layout.root;
        const double reach = std::max(r.width(), r.height());
        if (root.x > r.xMin - reach && root.x < r.xMax + reach && root.y > r.yMin - reach && root.y < r.yMax + reach) {
            r.xMin = std::min(r.xMin, root.x - 8);
            r.xMax = std::max(r.xMax, root.x + 8);
            r.yMin = std::min(r.yMin, root.y - 8);
            r.yMax = std::max(r.yMax, root.y + 8);
        }
    }
    // Room for the outline's full width, to cut along.
    return padded(r, 5);
}

dial::PlateRect TileGrid::tile(int row, int column) const
{
    const double left = content.xMin + column * (tileWidth - overlap);
    const double top = content.yMax - row * (tileHeight - overlap);
    return dial::PlateRect{left, top - tileHeight, left + tileWidth, top};
}

std::vector<dial::PlatePoint> TileGrid::alignmentMarks() const
{
    std::vector<dial::PlatePoint> marks;
    const double half = overlap / 2;
    // Two marks per shared edge, a quarter in from the tiles' ends.
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const dial::PlateRect t = tile(row, column);
            if (column + 1 < columns)
                for (double f : {0.25, 0.75})
                    marks.push_back({t.xMax - half, t.yMin + f * tileHeight});
            if (row + 1 < rows)
                for (double f : {0.25, 0.75})
                    marks.push_back({t.xMin + f * tileWidth, t.yMin + half});
        }
    return marks;
}

TileGrid tileGrid(const dial::PlateRect &content, double tileWidth, double tileHeight, double overlap)
{
    TileGrid g;
    g.content = content;
    g.tileWidth = tileWidth;
    g.tileHeight = tileHeight;
    g.overlap = overlap;
    // A hair's tolerance so that a plate exactly one page wide takes one page.
    auto count = [overlap](double extent, double tile) {
        if (extent <= tile + 1e-6)
            return 1;
        return static_cast<int>(std::ceil((extent - overlap) / (tile - overlap) - 1e-9));
    };
    g.columns = count(content.width(), tileWidth);
    g.rows = count(content.height(), tileHeight);
    return g;
}

PrintedDial paintDialPages(QPagedPaintDevice &device, const DialDesign &design)
{
    PrintedDial out;
    device.setPageMargins(QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                          QPageLayout::Millimeter);
    PageFrame frame;
    frame.mm = device.logicalDpiX() / kMmPerInch;
    const QRect paintRect = device.pageLayout().paintRectPixels(device.logicalDpiX());
    frame.page = QRectF(0, 0, paintRect.width(), paintRect.height());
    const QRectF area = frame.area();
    const double tileWidth = area.width() / frame.mm;
    const double tileHeight = area.height() / frame.mm;

    out.plate = tileGrid(dialPlateExtent(design), tileWidth, tileHeight);
    out.gnomon = tileGrid(padded(dial::bounds(design.drawing, dial::Part::Gnomon), 5), tileWidth, tileHeight);

    QPainter p;
    if (!p.begin(&device))
        return out;
    bool first = true;
    paintTiles(device, p, frame, out.plate, design.drawing, dial::Part::Plate, design.title,
               QStringLiteral("Dial plate"), design.notes.join(QStringLiteral("; ")), first);
    const QString gnomonNote =
        design.layout.gnomon
            ? QStringLiteral("Cut the shape; stand its lower edge on the substyle, the upright edge on the foot")
            : QStringLiteral("Cut the rectangle; stand it on the substyle, its top edge is the style");
    paintTiles(device, p, frame, out.gnomon, design.drawing, dial::Part::Gnomon, design.title, QStringLiteral("Gnomon"),
               gnomonNote, first);
    int pages = out.plate.count() + out.gnomon.count();
    if (design.card) {
        device.newPage();
        paintCardPage(p, frame.page, design);
        ++pages;
    }
    if (p.end())
        out.pages = pages;
    return out;
}

PageJob dialPageJob(const DialDesign &design)
{
    return PageJob{QStringLiteral("dial"), QStringLiteral("Save Dial as PDF"), QStringLiteral("Orvane dial.pdf"),
                   [design](QPrinter &printer) { return paintDialPages(printer, design).pages > 0; }};
}

} // namespace orvane
