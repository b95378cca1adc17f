#include "drawing_painter.h"
#include "page_font.h"
#include "segment_clip.h"

#include "dial/label_placer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QColor colourOf(std::uint32_t rgb) { return QColor::fromRgb(rgb >> 16 & 0xff, rgb >> 8 & 0xff, rgb & 0xff); }

QPointF qt(dial::PlatePoint p) { return QPointF(p.x, p.y); }

bool meets(const dial::PlateRect &r, double x0, double y0, double x1, double y1)
{
    return std::max(x0, x1) >= r.xMin && std::min(x0, x1) <= r.xMax && std::max(y0, y1) >= r.yMin &&
           std::min(y0, y1) <= r.yMax;
}

// The runs of a path whose segments meet `only`: a long line across many
// tiles lands on each in the pieces that show there.
std::vector<std::vector<dial::PlatePoint>> pieces(const dial::Path &path, const std::optional<dial::PlateRect> &only)
{
    const std::vector<dial::PlatePoint> &v = path.points;
    if (!only || v.size() < 2) {
        if (only && v.size() == 1 && !only->contains(v[0]))
            return {};
        return {v};
    }
    std::vector<dial::PlatePoint> all = v;
    if (path.closed)
        all.push_back(v.front());
    std::vector<std::vector<dial::PlatePoint>> out;
    std::vector<dial::PlatePoint> run;
    for (std::size_t i = 1; i < all.size(); ++i) {
        if (segmentInside(all[i - 1], all[i], *only)) {
            if (run.empty())
                run.push_back(all[i - 1]);
            run.push_back(all[i]);
        } else if (!run.empty()) {
            out.push_back(std::move(run));
            run.clear();
        }
    }
    if (!run.empty())
        out.push_back(std::move(run));
    // A closed shape that shows whole stays closed.
    if (path.closed && out.size() == 1 && out.front().size() == all.size())
        out.front().pop_back();
    return out;
}

dial::LabelBox labelBox(const dial::Label &l)
{
    const dial::LabelSize s = dial::estimatedLabelSize(l.text, l.size);
    const double shift = l.anchor == dial::Anchor::Start ? s.width / 2
                         : l.anchor == dial::Anchor::End ? -s.width / 2
                                                         : 0;
    return {{l.at.x + shift, l.at.y}, s.width, s.height};
}

bool labelMeets(const dial::Label &l, const std::optional<dial::PlateRect> &only)
{
    if (!only)
        return true;
    const dial::LabelBox b = labelBox(l);
    return meets(*only, b.centre.x - b.width / 2, b.centre.y - b.height / 2, b.centre.x + b.width / 2,
                 b.centre.y + b.height / 2);
}

template <class Visit>
void eachGroup(const dial::Drawing &drawing, std::optional<dial::Part> part, Visit visit)
{
    for (const dial::Group &top : drawing.groups)
        if (!part || top.part == *part)
            dial::forEachGroup(top, visit);
}

} // namespace

QTransform plateToDevice(double scale, double plateLeft, double plateTop, const QPointF &at)
{
    return QTransform(scale, 0, 0, -scale, at.x() - scale * plateLeft, at.y() + scale * plateTop);
}

double fittingScale(const dial::PlateRect &b, const QSizeF &area, double most)
{
    return std::min({area.width() / b.width(), area.height() / b.height(), most});
}

QTransform placedIn(const dial::PlateRect &b, const QRectF &area, double scale, bool middle)
{
    const QPointF at(area.center().x() - scale * b.width() / 2,
                     middle ? area.center().y() - scale * b.height() / 2 : area.top());
    return plateToDevice(scale, b.xMin, b.yMax, at);
}

void paintDrawing(QPainter &p, const dial::Drawing &drawing, std::optional<dial::Part> part, const QTransform &toDevice,
                  const PaintOptions &options)
{
    const double scale = std::hypot(toDevice.m11(), toDevice.m12());     // device units a millimetre across
    const double textScale = std::hypot(toDevice.m21(), toDevice.m22()); // and up: the labels' size
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    // Lines first, labels over them all.
    eachGroup(drawing, part, [&](const dial::Group &g) {
        QPen pen(colourOf(g.pen.colour), std::max(g.pen.width * scale, options.minPen),
                 g.pen.dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        for (const dial::Path &path : g.paths)
            for (const std::vector<dial::PlatePoint> &piece : pieces(path, options.only)) {
                QPolygonF poly;
                poly.reserve(qsizetype(piece.size()));
                for (dial::PlatePoint q : piece)
                    poly << toDevice.map(qt(q));
                if (path.closed && piece.size() == path.points.size())
                    p.drawPolygon(poly);
                else
                    p.drawPolyline(poly);
            }
        for (const dial::Circle &c : g.circles)
            if (!options.only || meets(*options.only, c.centre.x - c.radius, c.centre.y - c.radius,
                                       c.centre.x + c.radius, c.centre.y + c.radius))
                p.drawEllipse(toDevice.map(qt(c.centre)), c.radius * scale, c.radius * scale);
    });
    eachGroup(drawing, part, [&](const dial::Group &g) {
        for (const dial::Label &l : g.labels) {
            if (!labelMeets(l, options.only))
                continue;
            p.setFont(pagePixelFont(std::max(l.size * textScale, options.minLabel)));
            const QFontMetricsF fm(p.font(), p.device());
            // The design put the words in the language in use once, for every writer.
            const QString text = QString::fromStdString(l.text);
            QRectF box(0, 0, fm.horizontalAdvance(text), fm.height());
            const QPointF at = toDevice.map(qt(l.at));
            box.moveCenter(at);
            if (l.anchor == dial::Anchor::Start)
                box.moveLeft(at.x());
            else if (l.anchor == dial::Anchor::End)
                box.moveRight(at.x());
            if (options.labelGround)
                p.fillRect(box.adjusted(-fm.height() * 0.1, 0, fm.height() * 0.1, 0), Qt::white);
            p.setPen(colourOf(g.pen.colour));
            p.drawText(box, Qt::AlignCenter, text);
        }
    });
    p.restore();
}

int paintedItems(const dial::Drawing &drawing, std::optional<dial::Part> part, const PaintOptions &options)
{
    int n = 0;
    eachGroup(drawing, part, [&](const dial::Group &g) {
        for (const dial::Path &path : g.paths)
            n += int(pieces(path, options.only).size());
        for (const dial::Circle &c : g.circles)
            n += !options.only || meets(*options.only, c.centre.x - c.radius, c.centre.y - c.radius,
                                        c.centre.x + c.radius, c.centre.y + c.radius);
        for (const dial::Label &l : g.labels)
            n += labelMeets(l, options.only);
    });
    return n;
}

} // namespace orvane
