#include "dial_preview.h"

#include "forms/focus_frame.h"
#include "print/dial_pages.h"
#include "print/drawing_painter.h"
#include "print/page_font.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// Pixels: small plates' labels stay legible.
constexpr double kMinLabel = 8;

// Every face's plate, by the outline that opens its group.
std::vector<dial::PlateRect> platesOf(const dial::Drawing &drawing)
{
    std::vector<dial::PlateRect> plates;
    for (const dial::Group &g : drawing.groups)
        if (g.part == dial::Part::Plate && g.name.rfind("plate", 0) == 0 && !g.paths.empty())
            plates.push_back(dial::bounds(dial::Group{g.name, g.part, g.pen, {g.paths.front()}, {}, {}, {}}));
    return plates;
}

double distance(const dial::PlateRect &r, dial::PlatePoint p)
{
    return std::hypot(std::max({r.xMin - p.x, 0.0, p.x - r.xMax}), std::max({r.yMin - p.y, 0.0, p.y - r.yMax}));
}

// A label grown to the smallest legible size on a small preview, moved back
// onto the nearest plate where it would run off it: two faces' labels
// would otherwise meet between their plates.
void keepOnPlate(dial::Label &l, const std::vector<dial::PlateRect> &plates, double scale)
{
    const dial::PlateRect &plate =
        *std::min_element(plates.begin(), plates.end(), [&l](const dial::PlateRect &a, const dial::PlateRect &b) {
            return distance(a, l.at) < distance(b, l.at);
        });
    const QFontMetricsF fm(pagePixelFont(std::max(l.size * scale, kMinLabel)));
    // With the white ground's margin and as much again clear of the edge.
    const double pad = 0.2 * fm.height() / scale;
    const double text = fm.horizontalAdvance(QString::fromStdString(l.text)) / scale;
    const double w = text + 2 * pad, h = fm.height() / scale;
    const double left = (l.anchor == dial::Anchor::Start ? l.at.x
                         : l.anchor == dial::Anchor::End ? l.at.x - text
                                                         : l.at.x - text / 2) -
                        pad;
    if (w <= plate.width())
        l.at.x += std::max(plate.xMin - left, 0.0) + std::min(plate.xMax - (left + w), 0.0);
    if (h <= plate.height())
        l.at.y += std::max(plate.yMin - (l.at.y - h / 2), 0.0) + std::min(plate.yMax - (l.at.y + h / 2), 0.0);
}

void keepOnPlates(std::vector<dial::Group> &groups, const std::vector<dial::PlateRect> &plates, double scale)
{
    for (dial::Group &g : groups) {
        if (g.part != dial::Part::Plate)
            continue;
        for (dial::Label &l : g.labels)
            keepOnPlate(l, plates, scale);
        keepOnPlates(g.groups, plates, scale);
    }
}

dial::Drawing labelsOnTheirPlates(dial::Drawing drawing, const std::vector<dial::PlateRect> &plates, double scale)
{
    if (!plates.empty())
        keepOnPlates(drawing.groups, plates, scale);
    return drawing;
}

void shift(dial::Group &g, double dx)
{
    for (dial::Path &path : g.paths)
        for (dial::PlatePoint &q : path.points)
            q.x += dx;
    for (dial::Circle &c : g.circles)
        c.centre.x += dx;
    for (dial::Label &l : g.labels)
        l.at.x += dx;
    for (dial::Group &child : g.groups)
        shift(child, dx);
}

} // namespace

DialPreview::DialPreview(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DialPreview::setDesign(const DialDesign &design)
{
    design_ = design;
    hasDesign_ = true;
    refused_.clear();
    update();
}

void DialPreview::setSun(std::optional<dial::Vec3> sun)
{
    sun_ = sun;
    update();
}

dial::Drawing DialPreview::momentDrawing() const
{
    dial::Drawing all;
    if (!hasDesign_ || !sun_)
        return all;
    // Each face's shadow on its own plate: the drawing lays further faces
    // out to the right of the first.
    const std::vector<dial::PlateRect> plates = platesOf(design_.drawing);
    for (std::size_t i = 0; i < design_.faces.size() && i < plates.size(); ++i) {
        const dial::DialFace &face = design_.faces[i];
        for (dial::Group g : design_.kind->moment(face, *sun_).groups) {
            shift(g, plates[i].xMin - face.input.plate.xMin);
            all.groups.push_back(std::move(g));
        }
    }
    return all;
}

void DialPreview::showRefused(const QString &why)
{
    hasDesign_ = false;
    refused_ = why;
    update();
}

void DialPreview::paintEvent(QPaintEvent *)
{
    QElapsedTimer timer;
    timer.start();
    QPainter p(this);
    p.fillRect(rect(), QColor(250, 248, 240));
    if (!hasDesign_) {
        p.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, refused_);
        paintFocusFrame(p, this);
        return;
    }
    const dial::PlateRect extent = dialPlateExtent(design_);
    const double margin = 12;
    const QRectF area = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    scale_ = fittingScale(extent, area.size());
    if (scale_ <= 0)
        return;
    const QTransform toDevice = placedIn(extent, area, scale_, true);
    // Every face's plate white on the desk.
    const std::vector<dial::PlateRect> plates = platesOf(design_.drawing);
    for (const dial::PlateRect &plate : plates)
        p.fillRect(toDevice.mapRect(QRectF(plate.xMin, plate.yMin, plate.width(), plate.height())), Qt::white);
    PaintOptions options;
    options.minPen = 1;
    options.minLabel = kMinLabel;
    paintDrawing(p, labelsOnTheirPlates(design_.drawing, plates, scale_), dial::Part::Plate, toDevice, options);
    paintDrawing(p, momentDrawing(), dial::Part::Plate, toDevice, options);
    paintFocusFrame(p, this);
    lastPaintMs_ = timer.nsecsElapsed() / 1e6;
}

} // namespace orvane
