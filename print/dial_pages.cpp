#include "dial_pages.h"
#include "page_font.h"

#include "dial/label_placer.h"

#include "angles/angles.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr double kPageMarginMm = 10;
constexpr double kHeaderMm = 11;
constexpr double kFooterMm = 15;
constexpr double kLineMm = 0.3;
constexpr double kLabelMm = 3.2;
constexpr double kMmPerInch = 25.4;

QPointF toQt(dial::PlatePoint p) { return QPointF(p.x, p.y); }

// Text centred on `at`, on a white ground so that lines under it stay out of the way.
void label(QPainter &p, const QPointF &at, const QString &text, const QColor &colour = Qt::black)
{
    const QFontMetricsF fm(p.font(), p.device());
    QRectF box(0, 0, fm.horizontalAdvance(text), fm.height());
    box.moveCenter(at);
    p.fillRect(box.adjusted(-fm.height() * 0.1, 0, fm.height() * 0.1, 0), Qt::white);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
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

const QColor kDateColour(0, 110, 60);

// The hour and date labels placed in plate millimetres, measured in the
// painter's font; clear of the foot's and the root's marks and names.
dial::DialLabels placeLabels(const DialDrawing &d, const QTransform &toDevice, const PlateStyle &style,
                             const QFontMetricsF &fm)
{
    const double scale = std::hypot(toDevice.m11(), toDevice.m12()); // device units a millimetre
    const auto size = [&](const QString &text) {
        return dial::LabelSize{(fm.horizontalAdvance(text) + 0.2 * fm.height()) / scale, fm.height() / scale};
    };
    const double lh = style.labelHeight / scale, mark = 12 * style.lineWidth / scale;
    const dial::LabelSize foot = size(QStringLiteral("Foot")), root = size(QStringLiteral("Root"));
    std::vector<dial::LabelBox> keepClear{{{0, 0}, mark, mark}, {{0, -1.2 * lh}, foot.width, foot.height}};
    if (d.layout.root) {
        const dial::PlatePoint r = *d.layout.root;
        keepClear.push_back({r, mark, mark});
        keepClear.push_back({{r.x, r.y + 1.2 * lh}, root.width, root.height});
    }
    std::vector<dial::DateLineLabel> lines;
    for (const DialDateLine &line : d.dateLines)
        lines.push_back({line.label.toStdString(), &line.pieces});
    const auto measure = [&](const std::string &text, dial::LabelKind) { return size(QString::fromStdString(text)); };
    return dial::placeDialLabels(d.input.plate, d.layout, lines, measure, 0.25 * lh, keepClear);
}

} // namespace

dial::PlateRect dialPlateExtent(const DialDrawing &d)
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
    constexpr double pad = 5;
    return dial::PlateRect{r.xMin - pad, r.yMin - pad, r.xMax + pad, r.yMax + pad};
}

namespace {

// The gnomon's length along the substyle when the style runs parallel to the face.
double parallelGnomonLength(const DialDrawing &d)
{
    if (d.layout.substyle) {
        const dial::PlateSegment s = *d.layout.substyle;
        return std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
    }
    return std::max(d.input.plate.width(), d.input.plate.height());
}

// The gnomon's outline in its own millimetres: the root at the origin, the
// foot along +x, the nodus above the foot.
QPolygonF gnomonOutline(const DialDrawing &d)
{
    if (d.layout.gnomon) {
        const dial::Gnomon g = *d.layout.gnomon;
        return QPolygonF({QPointF(0, 0), QPointF(g.base, 0), QPointF(g.base, g.height)});
    }
    const double length = parallelGnomonLength(d);
    const double h = d.input.nodusHeight;
    return QPolygonF({QPointF(0, 0), QPointF(length, 0), QPointF(length, h), QPointF(0, h)});
}

dial::PlateRect gnomonContent(const DialDrawing &d)
{
    const QRectF r = gnomonOutline(d).boundingRect();
    const double m = 12; // room for the corner labels
    return dial::PlateRect{r.left() - m, r.top() - m, r.right() + m, r.bottom() + m};
}

void paintGnomon(QPainter &p, const DialDrawing &d, const QTransform &toDevice, double mm)
{
    const QLocale locale;
    const QPolygonF outline = toDevice.map(gnomonOutline(d));
    p.setPen(QPen(Qt::black, kLineMm * mm));
    p.setBrush(QColor(235, 235, 235));
    p.drawPolygon(outline);
    p.setBrush(Qt::NoBrush);
    p.setFont(pagePixelFont(kLabelMm * mm));
    const double off = 5 * mm;
    auto mm1 = [&](double v) { return locale.toString(v, 'f', 1) + QStringLiteral(" mm"); };
    if (d.layout.gnomon) {
        const dial::Gnomon g = *d.layout.gnomon;
        const QPointF root = outline[0], foot = outline[1], nodus = outline[2];
        label(p, root + QPointF(-off, off), QStringLiteral("Root"));
        label(p, foot + QPointF(off, off), QStringLiteral("Foot"));
        label(p, nodus + QPointF(off, -off), QStringLiteral("Nodus"));
        label(p, (root + foot) / 2 + QPointF(0, off), mm1(g.base));
        label(p, (foot + nodus) / 2 + QPointF(off * 2, 0), mm1(g.height));
        label(p, (root + nodus) / 2 + QPointF(-off * 2, -off), QStringLiteral("Style ") + mm1(g.styleLength));
        // The angle at the root, marked with an arc.
        const double r = std::min(20.0, g.base * 0.4) * mm;
        p.setPen(QPen(Qt::black, kLineMm * mm * 0.7));
        p.drawArc(QRectF(root.x() - r, root.y() - r, 2 * r, 2 * r), 0, static_cast<int>(d.layout.styleHeight * 16));
        const double mid = angles::radians(d.layout.styleHeight / 2);
        label(p, root + QPointF(std::cos(mid), -std::sin(mid)) * (r + 9 * mm),
              locale.toString(d.layout.styleHeight, 'f', 2) + QStringLiteral("°"));
    } else {
        const QRectF r = outline.boundingRect();
        label(p, QPointF(r.center().x(), r.bottom() + off),
              QStringLiteral("Along the substyle, ") + mm1(parallelGnomonLength(d)));
        label(p, QPointF(r.right() + off * 2, r.center().y()), mm1(d.input.nodusHeight));
        label(p, QPointF(r.center().x(), r.top() - off), QStringLiteral("Style edge, parallel to the face"));
    }
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

// Tiles `grid` over pages, `content` painting through a plate-to-device map.
template <class Content>
void paintTiles(QPagedPaintDevice &device, QPainter &p, const PageFrame &f, const TileGrid &grid, const QString &title,
                const QString &part, const QString &notes, bool &first, Content content)
{
    const double mm = f.mm;
    const QRectF area = f.area();
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            if (!first)
                device.newPage();
            first = false;
            QString place = QStringLiteral("%1: row %2, column %3 of %4 x %5")
                                .arg(part)
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
            content(toDevice);
            p.setPen(QPen(QColor(0, 90, 200), 0.2 * mm));
            for (dial::PlatePoint m : grid.alignmentMarks())
                cross(p, toDevice.map(toQt(m)), 4 * mm);
            p.restore();
            p.setPen(QPen(Qt::gray, 0.1 * mm, Qt::DotLine));
            p.drawRect(area);
        }
    }
}

} // namespace

QTransform plateToDevice(double scale, double plateLeft, double plateTop, const QPointF &at)
{
    return QTransform(scale, 0, 0, -scale, at.x() - scale * plateLeft, at.y() + scale * plateTop);
}

void paintDialPlate(QPainter &p, const DialDrawing &d, const QTransform &toDevice, const PlateStyle &style)
{
    const QLocale locale;
    const double w = style.lineWidth;
    const QFont font = pagePixelFont(style.labelHeight);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    const dial::PlateRect &plate = d.input.plate;
    p.setPen(QPen(Qt::black, w * 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(toDevice.mapRect(QRectF(plate.xMin, plate.yMin, plate.width(), plate.height())));

    p.setPen(QPen(kDateColour, w));
    for (const DialDateLine &line : d.dateLines)
        for (const dial::Polyline &piece : line.pieces) {
            QPolygonF poly;
            for (dial::PlatePoint pt : piece)
                poly << toDevice.map(toQt(pt));
            p.drawPolyline(poly);
        }

    if (d.layout.substyle) {
        p.setPen(QPen(QColor(150, 0, 0), w, Qt::DashLine));
        p.drawLine(toDevice.map(toQt(d.layout.substyle->from)), toDevice.map(toQt(d.layout.substyle->to)));
    }

    p.setPen(QPen(Qt::black, w));
    for (const dial::HourLine &h : d.layout.hourLines)
        p.drawLine(toDevice.map(toQt(h.line.from)), toDevice.map(toQt(h.line.to)));

    // Labels last, over the lines, where the SVG's placer puts them for this size.
    const dial::DialLabels labels = placeLabels(d, toDevice, style, QFontMetricsF(p.font(), p.device()));
    for (const dial::PlacedLabel &l : labels.hours)
        label(p, toDevice.map(toQt(l.box.centre)), QString::fromStdString(l.text));
    for (const dial::PlacedLabel &l : labels.dates)
        label(p, toDevice.map(toQt(l.box.centre)), QString::fromStdString(l.text), kDateColour);

    const QPointF foot = toDevice.map(QPointF(0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(foot, w * 2.5, w * 2.5);
    p.setBrush(Qt::NoBrush);
    label(p, foot + QPointF(0, style.labelHeight * 1.2), QStringLiteral("Foot"));
    if (d.layout.root) {
        const QPointF root = toDevice.map(toQt(*d.layout.root));
        p.setPen(QPen(QColor(150, 0, 0), w));
        p.drawEllipse(root, w * 4, w * 4);
        cross(p, root, w * 6);
        label(p, root + QPointF(0, -style.labelHeight * 1.2), QStringLiteral("Root"), QColor(150, 0, 0));
    }
    p.restore();
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

PrintedDial paintDialPages(QPagedPaintDevice &device, const DialDrawing &drawing)
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

    out.plate = tileGrid(dialPlateExtent(drawing), tileWidth, tileHeight);
    out.gnomon = tileGrid(gnomonContent(drawing), tileWidth, tileHeight);

    QPainter p;
    if (!p.begin(&device))
        return out;
    p.setRenderHint(QPainter::Antialiasing);
    const PlateStyle style{kLineMm * frame.mm, kLabelMm * frame.mm};
    bool first = true;
    paintTiles(device, p, frame, out.plate, drawing.title, QStringLiteral("Dial plate"), drawing.notes.join("; "),
               first, [&](const QTransform &t) { paintDialPlate(p, drawing, t, style); });
    const QString gnomonNote =
        drawing.layout.gnomon
            ? QStringLiteral("Cut the triangle; stand its edge Root-Foot on the substyle")
            : QStringLiteral("Cut the rectangle; stand it on the substyle, its top edge is the style");
    paintTiles(device, p, frame, out.gnomon, drawing.title, QStringLiteral("Gnomon"), gnomonNote, first,
               [&](const QTransform &t) { paintGnomon(p, drawing, t, frame.mm); });
    int pages = out.plate.rows * out.plate.columns + out.gnomon.rows * out.gnomon.columns;
    if (drawing.card) {
        device.newPage();
        drawing.card(p, frame.page);
        ++pages;
    }
    if (p.end())
        out.pages = pages;
    return out;
}

PageJob dialPageJob(const DialDrawing &drawing)
{
    return PageJob{QStringLiteral("dial"), QStringLiteral("Save Dial as PDF"), QStringLiteral("Orvane dial.pdf"),
                   [drawing](QPrinter &printer) { return paintDialPages(printer, drawing).pages > 0; }};
}

} // namespace orvane
