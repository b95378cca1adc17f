#include "dial_preview.h"

#include "forms/focus_frame.h"
#include "print/dial_pages.h"
#include "print/drawing_painter.h"

#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>

namespace orvane {

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
    scale_ = std::min((width() - 2 * margin) / extent.width(), (height() - 2 * margin) / extent.height());
    if (scale_ <= 0)
        return;
    // Centred in the widget.
    const QPointF at((width() - scale_ * extent.width()) / 2, (height() - scale_ * extent.height()) / 2);
    const QTransform toDevice = plateToDevice(scale_, extent.xMin, extent.yMax, at);
    // Every face's plate white on the desk.
    for (const dial::Group &g : design_.drawing.groups)
        if (g.part == dial::Part::Plate && g.name.rfind("plate", 0) == 0 && !g.paths.empty()) {
            const dial::PlateRect plate =
                dial::bounds(dial::Group{g.name, g.part, g.pen, {g.paths.front()}, {}, {}, {}});
            p.fillRect(toDevice.mapRect(QRectF(plate.xMin, plate.yMin, plate.width(), plate.height())), Qt::white);
        }
    PaintOptions options;
    options.minPen = 1;
    options.minLabel = 8; // pixels: small plates' labels stay legible
    paintDrawing(p, design_.drawing, dial::Part::Plate, toDevice, options);
    paintFocusFrame(p, this);
    lastPaintMs_ = timer.nsecsElapsed() / 1e6;
}

} // namespace orvane
