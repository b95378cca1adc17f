#include "dial_pages.h"
#include "card_page.h"
#include "drawing_painter.h"
#include "page_font.h"
#include "staking_sheet.h"
#include "tile_labels.h"

#include "text/translation.h"

#include <QLineF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace orvane {

namespace {

constexpr double kPageMarginMm = 10;
constexpr double kHeaderMm = 11;
constexpr double kFooterMm = 15;
constexpr double kMmPerInch = 25.4;
constexpr double kThinnestMm = 0.2;       // no printed line finer
constexpr double kTileLabelMm = 4;        // the line names on the tiles
constexpr double kGnomonLabelMinMm = 3.5; // the gnomon's words, a twentieth of its size within these
constexpr double kGnomonLabelMaxMm = 8;
constexpr double kRootNearMm = 20;               // a root this close to the plate is printed with it
constexpr std::uint32_t kGuideColour = 0x005ac8; // what is there to put the tiles together
const QColor kGuide(0, 90, 200);

QPointF toQt(dial::PlatePoint p) { return QPointF(p.x, p.y); }

dial::PlateRect padded(const dial::PlateRect &r, double pad)
{
    return dial::PlateRect{r.xMin - pad, r.yMin - pad, r.xMax + pad, r.yMax + pad};
}

dial::PlateRect united(const dial::PlateRect &a, const dial::PlateRect &b)
{
    return dial::PlateRect{std::min(a.xMin, b.xMin), std::min(a.yMin, b.yMin), std::max(a.xMax, b.xMax),
                           std::max(a.yMax, b.yMax)};
}

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

// The drawing area of a page `paper` turned `orientation`, in mm.
QSizeF tileArea(const QPageSize &paper, QPageLayout::Orientation orientation)
{
    const QPageLayout layout(paper, orientation, QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                             QPageLayout::Millimeter);
    const QRectF r = layout.paintRect(QPageLayout::Millimeter);
    return QSizeF(r.width(), r.height() - kHeaderMm - kFooterMm);
}

// The grid of fewer pages, upright when both take as many.
TileGrid bestGrid(const dial::PlateRect &content, const QPageSize &paper)
{
    TileGrid best;
    for (QPageLayout::Orientation o : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        const QSizeF area = tileArea(paper, o);
        TileGrid g = tileGrid(content, area.width(), area.height());
        g.orientation = o;
        if (o == QPageLayout::Portrait || g.count() < best.count())
            best = g;
    }
    return best;
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

void paintHeader(QPainter &p, const PageFrame &f, const QString &title, const QString &place, const QString &number)
{
    const double mm = f.mm;
    p.setPen(Qt::black);
    p.setFont(pagePixelFont(3.6 * mm, true));
    p.drawText(QPointF(f.page.left(), f.page.top() + 3.8 * mm), title);
    p.drawText(QRectF(f.page.left(), f.page.top(), f.page.width(), 5 * mm), Qt::AlignRight | Qt::AlignTop, number);
    p.setFont(pagePixelFont(3 * mm));
    p.drawText(QPointF(f.page.left(), f.page.top() + 8.5 * mm), place);
}

void paintRulers(QPainter &p, const PageFrame &f)
{
    const double mm = f.mm;
    const double foot = f.page.bottom();
    ruler(p, QPointF(f.page.left(), foot - 8.5 * mm), 100 * mm, 10 * mm, 5, mm, QStringLiteral("100 mm"));
    ruler(p, QPointF(f.page.left(), foot - 1 * mm), 4 * kMmPerInch * mm, kMmPerInch / 8 * mm, 8, mm,
          QStringLiteral("4 in"));
    p.setFont(pagePixelFont(2.6 * mm));
    // Right of the inch ruler's label, wrapping where a language runs long.
    const double clear = (4 * kMmPerInch + 9) * mm;
    p.drawText(QRectF(f.page.left() + clear, foot - 12 * mm, f.page.width() - clear, 12 * mm),
               Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap,
               translate("field", "Print at actual size, not fitted to the page; check both rulers."));
}

dial::LabelBox boxOf(const dial::Label &l)
{
    const dial::LabelSize s = dial::estimatedLabelSize(l.text, l.size);
    const double shift = l.anchor == dial::Anchor::Start ? s.width / 2
                         : l.anchor == dial::Anchor::End ? -s.width / 2
                                                         : 0;
    return {{l.at.x + shift, l.at.y}, s.width, s.height};
}

// The boxes of every label and mark of `part`.
std::vector<dial::LabelBox> labelBoxes(const dial::Drawing &drawing, dial::Part part)
{
    std::vector<dial::LabelBox> out;
    for (const dial::Group &top : drawing.groups)
        if (top.part == part)
            dial::forEachGroup(top, [&](const dial::Group &g) {
                for (const dial::Label &l : g.labels)
                    out.push_back(boxOf(l));
                for (const dial::Circle &c : g.circles)
                    out.push_back({c.centre, 2 * c.radius, 2 * c.radius});
            });
    return out;
}

// The plate's own labels and marks on `tile`, which the tile's guides keep clear of.
std::vector<dial::LabelBox> labelsOn(const dial::Drawing &drawing, const dial::PlateRect &tile)
{
    const dial::LabelBox t{{(tile.xMin + tile.xMax) / 2, (tile.yMin + tile.yMax) / 2}, tile.width(), tile.height()};
    std::vector<dial::LabelBox> out = labelBoxes(drawing, dial::Part::Plate);
    out.erase(std::remove_if(out.begin(), out.end(), [&](const dial::LabelBox &b) { return !b.overlaps(t); }),
              out.end());
    return out;
}

// The name of each hour line and date line across the tile, in a drawing of its own.
dial::Drawing lineNames(const DialDesign &design, const TileGrid &grid, int row, int column)
{
    dial::Group g;
    g.name = "tile-line-names";
    g.pen.colour = kGuideColour;
    const dial::PlateRect t = grid.tile(row, column);
    const double o = grid.overlap;
    const dial::PlateRect inner{t.xMin + (column > 0 ? o : 0), t.yMin + (row + 1 < grid.rows ? o : 0),
                                t.xMax - (column + 1 < grid.columns ? o : 0), t.yMax - (row > 0 ? o : 0)};
    for (const TileLabel &l :
         tileLineLabels(tileLines(design.drawing, t), inner, kTileLabelMm, labelsOn(design.drawing, t)))
        g.labels.push_back({l.box.centre, l.text, kTileLabelMm});
    return dial::Drawing{{g}};
}

// The gnomon with words of its own size: the plate's can stand 30 mm high
// on a 2 m plate, beside a 100 mm gnomon. A word off the shape keeps its
// side, its distance from the shape shrunk with it.
dial::Drawing printedGnomon(const DialDesign &design)
{
    dial::Drawing d = drawingParts(design.drawing, {dial::Part::Gnomon});
    double xMin = 1e300, yMin = 1e300, xMax = -1e300, yMax = -1e300;
    for (const dial::Group &top : d.groups)
        dial::forEachGroup(top, [&](const dial::Group &g) {
            for (const dial::Path &path : g.paths)
                for (dial::PlatePoint p : path.points) {
                    xMin = std::min(xMin, p.x), xMax = std::max(xMax, p.x);
                    yMin = std::min(yMin, p.y), yMax = std::max(yMax, p.y);
                }
        });
    if (xMin > xMax)
        return d;
    const double size = std::clamp(std::max(xMax - xMin, yMax - yMin) / 20, kGnomonLabelMinMm, kGnomonLabelMaxMm);
    const auto closer = [](double v, double lo, double hi, double r) {
        return v < lo ? lo - (lo - v) * r : v > hi ? hi + (v - hi) * r : v;
    };
    std::function<void(dial::Group &)> resize = [&](dial::Group &g) {
        for (dial::Label &l : g.labels) {
            const double r = std::min(1.0, size / l.size);
            l.size *= r;
            l.at = {closer(l.at.x, xMin, xMax, r), closer(l.at.y, yMin, yMax, r)};
        }
        for (dial::Group &child : g.groups)
            resize(child);
    };
    for (dial::Group &g : d.groups)
        resize(g);
    return d;
}

// One tile of `grid`, with what of `drawing` meets it; a plate's tile names its lines.
void paintTile(QPainter &p, const PageFrame &f, const TileGrid &grid, int row, int column, const DialDesign &design,
               const dial::Drawing &drawing, dial::Part part)
{
    const double mm = f.mm;
    const QRectF area = f.area();
    const dial::PlateRect t = grid.tile(row, column);
    const QRectF onPage(area.topLeft(), QSizeF(grid.tileWidth * mm, grid.tileHeight * mm));
    const QTransform toDevice = plateToDevice(mm, t.xMin, t.yMax, area.topLeft());
    p.save();
    p.setClipRect(onPage);
    PaintOptions options;
    options.minPen = kThinnestMm * mm;
    options.only = t;
    paintDrawing(p, drawing, part, toDevice, options);
    if (part == dial::Part::Plate)
        paintDrawing(p, lineNames(design, grid, row, column), std::nullopt, toDevice, options);
    p.setPen(QPen(kGuide, 0.2 * mm));
    for (dial::PlatePoint m : grid.alignmentMarks())
        if (t.contains(m))
            cross(p, toDevice.map(toQt(m)), 4 * mm);
    p.restore();
    p.setPen(QPen(Qt::gray, 0.1 * mm, Qt::DotLine));
    p.drawRect(onPage);
}

// Where a tile's number goes on the overview: in the tile's outline `r`,
// the place nearest its middle that covers no label, mark or other number.
QRectF numberPlace(const QRectF &r, QSizeF size, const std::vector<QRectF> &taken)
{
    std::vector<QPointF> places;
    constexpr int kSteps = 6;
    for (int i = 0; i <= kSteps; ++i)
        for (int j = 0; j <= kSteps; ++j)
            places.push_back(QPointF(r.left() + size.width() / 2 + (r.width() - size.width()) * i / kSteps,
                                     r.top() + size.height() / 2 + (r.height() - size.height()) * j / kSteps));
    const QPointF middle = r.center();
    std::stable_sort(places.begin(), places.end(),
                     [&](QPointF a, QPointF b) { return QLineF(a, middle).length() < QLineF(b, middle).length(); });
    places.insert(places.begin(), middle);
    for (QPointF at : places) {
        QRectF box(QPointF(), size);
        box.moveCenter(at);
        if (std::none_of(taken.begin(), taken.end(), [&](const QRectF &t) { return t.intersects(box); }))
            return box;
    }
    QRectF box(QPointF(), size);
    box.moveCenter(middle);
    return box;
}

// The plate and the gnomon small, each tile's outline on them with the
// number of its page.
void paintOverview(QPainter &p, const PageFrame &f, const DialPagePlan &plan, const DialDesign &design)
{
    const double mm = f.mm;
    const QRectF area = f.area().adjusted(0, 0, 0, kFooterMm * mm);
    const dial::PlateRect b = padded(united(plan.plate.content, plan.gnomon.content), 2);
    const double scale = fittingScale(b, area.size());
    const QTransform toDevice = placedIn(b, area, scale);
    PaintOptions options;
    options.minPen = 0.1 * mm;
    options.minLabel = 1.5 * mm;
    const dial::Drawing gnomon = printedGnomon(design);
    paintDrawing(p, design.drawing, dial::Part::Plate, toDevice, options);
    paintDrawing(p, gnomon, dial::Part::Gnomon, toDevice, options);
    // The drawing's words as painted, no smaller than minLabel.
    std::vector<QRectF> taken;
    for (const auto &[drawing, part] :
         {std::pair<const dial::Drawing *, dial::Part>{&design.drawing, dial::Part::Plate},
          {&gnomon, dial::Part::Gnomon}})
        for (const dial::LabelBox &box : labelBoxes(*drawing, part)) {
            const double grow = std::max(1.0, options.minLabel / std::max(box.height * scale, 1e-9));
            QRectF r(0, 0, box.width * scale * grow, box.height * scale * grow);
            r.moveCenter(toDevice.map(toQt(box.centre)));
            taken.push_back(r);
        }
    int page = 2;
    for (const TileGrid *grid : {&plan.plate, &plan.gnomon}) {
        for (int row = 0; row < grid->rows; ++row)
            for (int column = 0; column < grid->columns; ++column, ++page) {
                const dial::PlateRect t = grid->tile(row, column);
                const QRectF r = toDevice.mapRect(QRectF(t.xMin, t.yMin, t.width(), t.height()));
                p.setPen(QPen(kGuide, 0.25 * mm));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r);
                p.setFont(pagePixelFont(std::clamp(std::min(r.width(), r.height()) / 3, 2.5 * mm, 8 * mm), true));
                const QString number = QString::number(page);
                const QRectF box = numberPlace(r, p.fontMetrics().boundingRect(number).size() + QSizeF(mm, 0), taken);
                taken.push_back(box);
                p.fillRect(box, Qt::white);
                p.drawText(box, Qt::AlignCenter, number);
            }
    }
}

// "Dial plate: column 2 of 10, row 1 of 8" in the plate's own order,
// across then down; "Gnomon, whole on this page".
QString tileCaption(const QString &what, const TileGrid &grid, int row, int column)
{
    if (grid.count() == 1)
        return translate("field", "%1, whole on this page").arg(what);
    return translate("field", "%1: column %2 of %3, row %4 of %5")
        .arg(what)
        .arg(column + 1)
        .arg(grid.columns)
        .arg(row + 1)
        .arg(grid.rows);
}

// The overview's page turned the way that shows the parts larger.
QPageLayout::Orientation overviewOrientation(const DialPagePlan &plan, const QPageSize &paper)
{
    const dial::PlateRect b = united(plan.plate.content, plan.gnomon.content);
    const auto scale = [&](QPageLayout::Orientation o) {
        const QSizeF area = tileArea(paper, o) + QSizeF(0, kFooterMm);
        return fittingScale(b, area);
    };
    return scale(QPageLayout::Landscape) > scale(QPageLayout::Portrait) ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait;
}

// Turns each page as asked, counts the pages, and tells the progress.
class Pager {
public:
    Pager(QPagedPaintDevice &device, QPainter &painter, int total, const PageProgress &progress)
        : device_(device), painter_(painter), total_(total), progress_(progress)
    {}

    // Starts the next page; false when the job cannot go on.
    bool next(QPageLayout::Orientation orientation, PageFrame &frame)
    {
        if (done_ > 0 && progress_ && !progress_(done_, total_)) {
            stopped_ = true;
            return false;
        }
        if (done_ == 0 || device_.pageLayout().orientation() != orientation) {
            // Before the first page the painter is not yet open.
            device_.setPageOrientation(orientation);
        }
        if (done_ == 0) {
            if (!painter_.begin(&device_))
                return false;
        } else if (!device_.newPage()) {
            return false;
        }
        ++done_;
        const QRect paintRect = device_.pageLayout().paintRectPixels(device_.logicalDpiX());
        frame.page = QRectF(0, 0, paintRect.width(), paintRect.height());
        return true;
    }

    int done() const { return done_; }
    bool stopped() const { return stopped_; }
    bool finish()
    {
        if (done_ > 0 && !stopped_ && progress_ && !progress_(done_, total_))
            stopped_ = true;
        if (stopped_)
            if (auto *printer = dynamic_cast<QPrinter *>(&device_))
                printer->abort();
        return painter_.isActive() ? painter_.end() && !stopped_ : false;
    }

private:
    QPagedPaintDevice &device_;
    QPainter &painter_;
    int total_;
    const PageProgress &progress_;
    int done_ = 0;
    bool stopped_ = false;
};

} // namespace

dial::PlateRect dialPlateExtent(const DialDesign &d)
{
    // Every face's plate: an equatorial dial's two stand side by side.
    dial::PlateRect r = united(d.faces.front().input.plate, dial::bounds(d.drawing, dial::Part::Plate));
    if (d.faces.front().layout.root) {
        const dial::PlatePoint root = *d.faces.front().layout.root;
        const double reach = std::max(r.width(), r.height());
        if (root.x > r.xMin - reach && root.x < r.xMax + reach && root.y > r.yMin - reach && root.y < r.yMax + reach)
            r = united(r, padded(dial::PlateRect{root.x, root.y, root.x, root.y}, 8));
    }
    // Room for the outline's full width, to cut along.
    return padded(r, 5);
}

dial::PlateRect printedPlateExtent(const DialDesign &d)
{
    dial::PlateRect r = united(d.faces.front().input.plate, dial::bounds(d.drawing, dial::Part::Plate));
    // The root mark is worth a page's edge only where the lines visibly meet at it.
    if (d.faces.front().layout.root &&
        padded(d.faces.front().input.plate, kRootNearMm).contains(*d.faces.front().layout.root))
        r = united(r, padded(dial::PlateRect{d.faces.front().layout.root->x, d.faces.front().layout.root->y,
                                             d.faces.front().layout.root->x, d.faces.front().layout.root->y},
                             8));
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

TileGrid tileGrid(const dial::PlateRect &content, double pageWidth, double pageHeight, double overlap)
{
    TileGrid g;
    g.content = content;
    g.overlap = overlap;
    // A hair's tolerance so that a plate exactly one page wide takes one page.
    auto count = [overlap](double extent, double page) {
        if (extent <= page + 1e-6)
            return 1;
        return static_cast<int>(std::ceil((extent - overlap) / (page - overlap) - 1e-9));
    };
    // n tiles sharing 10 mm strips cover overlap + n (tile - overlap): the
    // smallest equal tiles that cover the extent.
    auto size = [overlap](double extent, int n) { return n == 1 ? extent : (extent - overlap) / n + overlap; };
    g.columns = count(content.width(), pageWidth);
    g.rows = count(content.height(), pageHeight);
    g.tileWidth = size(content.width(), g.columns);
    g.tileHeight = size(content.height(), g.rows);
    return g;
}

DialPagePlan planDialPages(const DialDesign &design, const QPageSize &paper)
{
    DialPagePlan plan;
    plan.card = design.card.has_value();
    if (design.kind->paper == dial::Paper::ScalePlan) {
        plan.plate.rows = plan.plate.columns = plan.gnomon.rows = plan.gnomon.columns = 0;
        plan.stakingPages = 2;
        return plan;
    }
    plan.plate = bestGrid(printedPlateExtent(design), paper);
    plan.gnomon = bestGrid(padded(dial::bounds(printedGnomon(design), dial::Part::Gnomon), 5), paper);
    plan.overview = plan.plate.count() > 1;
    return plan;
}

PrintedDial paintDialPages(QPagedPaintDevice &device, const DialDesign &design, const PageProgress &progress)
{
    PrintedDial out;
    device.setPageMargins(QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                          QPageLayout::Millimeter);
    out.plan = planDialPages(design, device.pageLayout().pageSize());
    const DialPagePlan &plan = out.plan;
    const dial::Drawing gnomon = printedGnomon(design);
    const int total = plan.pages();
    const QString pageOf = translate("field", "Page %1 of %2");
    PageFrame frame;
    frame.mm = device.logicalDpiX() / kMmPerInch;

    QPainter p;
    Pager pager(device, p, total, progress);
    bool going = true;
    if (plan.overview && (going = pager.next(overviewOrientation(plan, device.pageLayout().pageSize()), frame))) {
        paintHeader(p, frame, design.title,
                    translate("field", "Where the pages go: the plate in %1 across x %2 down; each outline "
                                       "carries the number of its page.")
                        .arg(plan.plate.columns)
                        .arg(plan.plate.rows),
                    pageOf.arg(1).arg(total));
        paintOverview(p, frame, plan, design);
    }
    const struct {
        const TileGrid &grid;
        const dial::Drawing &drawing;
        dial::Part part;
        QString what;
        QString notes;
    } parts[] = {
        {plan.plate, design.drawing, dial::Part::Plate, translate("field", "Dial plate"),
         design.notes.join(QStringLiteral("; "))},
        {plan.gnomon, gnomon, dial::Part::Gnomon, translate("dial", design.kind->gnomonPage), design.gnomonNote}};
    for (const auto &part : parts)
        for (int row = 0; going && row < part.grid.rows; ++row)
            for (int column = 0; going && column < part.grid.columns; ++column) {
                if (!(going = pager.next(part.grid.orientation, frame)))
                    break;
                QString place = tileCaption(part.what, part.grid, row, column);
                if (!part.notes.isEmpty())
                    place += QStringLiteral(". ") + part.notes;
                paintHeader(p, frame, design.title, place, pageOf.arg(pager.done()).arg(total));
                paintRulers(p, frame);
                paintTile(p, frame, part.grid, row, column, design, part.drawing, part.part);
            }
    if (plan.stakingPages > 0) {
        if (going && (going = pager.next(QPageLayout::Portrait, frame))) {
            paintHeader(p, frame, design.title, design.siteLine, pageOf.arg(pager.done()).arg(total));
            paintStakingPlan(p, frame.area(), frame.mm, design);
        }
        if (going && (going = pager.next(QPageLayout::Portrait, frame))) {
            paintHeader(p, frame, design.title, design.dialLine, pageOf.arg(pager.done()).arg(total));
            paintStakingTables(p, frame.area(), frame.mm, design);
        }
    }
    if (going && plan.card && (going = pager.next(QPageLayout::Portrait, frame)))
        paintCardPage(p, frame.page, design);
    const bool ended = pager.finish();
    out.stopped = pager.stopped();
    if (going && ended)
        out.pages = pager.done();
    return out;
}

void setDialPaper(QPrinter &printer)
{
    // Letter where people measure in inches, A4 elsewhere.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setPageSize(
            QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4));
}

PageJob dialPageJob(const DialDesign &design, const PageProgress &progress)
{
    return PageJob{translate("field", "dial", "the thing printed or saved"), translate("field", "Save Dial as PDF"),
                   QStringLiteral("Orvane dial.pdf"), [design, progress](QPrinter &printer) {
                       setDialPaper(printer);
                       return paintDialPages(printer, design, progress).pages > 0;
                   }};
}

} // namespace orvane
