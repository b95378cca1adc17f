#include "card_page.h"
#include "drawing_painter.h"
#include "page_font.h"

#include "text/translation.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace orvane {

namespace {

constexpr double kMmPerInch = 25.4;

// The card's groups named in `names` only.
dial::Drawing cardGroups(const dial::Drawing &drawing, std::initializer_list<const char *> names)
{
    dial::Drawing out;
    for (const dial::Group &top : drawing.groups)
        if (top.part == dial::Part::Card)
            for (const dial::Group &g : top.groups)
                if (std::any_of(names.begin(), names.end(), [&g](const char *n) { return g.name == n; }))
                    out.groups.push_back(g);
    return out;
}

} // namespace

void paintCardGraph(QPainter &p, const QRectF &rect, const dial::Drawing &drawing, double fontPixels)
{
    const dial::Drawing graph = cardGroups(drawing, {"card-grid", "card-axes", "card-graph"});
    const dial::PlateRect b = dial::bounds(graph);
    if (graph.groups.empty() || b.width() <= 0 || b.height() <= 0)
        return;
    // Stretched to the rect: the labels keep their own size, set by the height.
    const double sx = rect.width() / b.width(), sy = rect.height() / b.height();
    PaintOptions options;
    options.minPen = 1;
    options.minLabel = fontPixels;
    options.labelGround = false;
    paintDrawing(p, graph, std::nullopt, QTransform(sx, 0, 0, -sy, rect.left() - sx * b.xMin, rect.top() + sy * b.yMax),
                 options);
}

void paintCardPage(QPainter &p, const QRectF &page, const DialDesign &d)
{
    const double mm = p.device()->logicalDpiX() / kMmPerInch;
    p.save();
    p.setPen(Qt::black);
    double top = page.top();
    auto write = [&](const QString &text, double size, bool bold, double after) {
        p.setFont(pagePixelFont(size * mm, bold));
        const QRectF r(page.left(), top, page.width(), page.height());
        const QRectF used = p.boundingRect(r, Qt::TextWordWrap, text);
        p.drawText(r, Qt::TextWordWrap, text);
        top += used.height() + after * mm;
    };
    write(translate("field", "Correction card"), 6, true, 1);
    write(d.title, 4, true, 1);
    for (const QString &line : {d.siteLine, d.dialLine, d.card ? d.card->clockNote : QString()})
        if (!line.isEmpty())
            write(line, 3.2, false, 0.3);
    top += 2 * mm;
    write(translate("field", "Add the figure to the time the dial shows to get the clock time; negative: subtract. "
                             "Minutes and seconds."),
          3.4, false, 3);
    const dial::Drawing card = drawingParts(d.drawing, {dial::Part::Card});
    const dial::PlateRect b = dial::bounds(card);
    if (!card.groups.empty() && b.width() > 0) {
        PaintOptions options;
        options.minPen = 0.2 * mm;
        options.labelGround = false;
        // At most at full size.
        const QRectF area(page.left(), top, page.width(), page.bottom() - top);
        paintDrawing(p, card, std::nullopt, placedIn(b, area, fittingScale(b, area.size(), mm)), options);
    }
    p.restore();
}

} // namespace orvane
