#include "dial_preview.h"

#include "forms/focus_frame.h"

#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>

namespace orvane {

DialPreview::DialPreview(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DialPreview::setDrawing(const DialDrawing &drawing)
{
    drawing_ = drawing;
    hasDrawing_ = true;
    refused_.clear();
    update();
}

void DialPreview::showRefused(const QString &why)
{
    hasDrawing_ = false;
    refused_ = why;
    update();
}

void DialPreview::paintEvent(QPaintEvent *)
{
    QElapsedTimer timer;
    timer.start();
    QPainter p(this);
    p.fillRect(rect(), QColor(250, 248, 240));
    if (!hasDrawing_) {
        p.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, refused_);
        paintFocusFrame(p, this);
        return;
    }
    const dial::PlateRect extent = dialPlateExtent(drawing_);
    const double margin = 12;
    scale_ = std::min((width() - 2 * margin) / extent.width(), (height() - 2 * margin) / extent.height());
    if (scale_ <= 0)
        return;
    // Centred in the widget.
    const QPointF at((width() - scale_ * extent.width()) / 2, (height() - scale_ * extent.height()) / 2);
    const QTransform toDevice = plateToDevice(scale_, extent.xMin, extent.yMax, at);
    p.fillRect(toDevice.mapRect(QRectF(drawing_.input.plate.xMin, drawing_.input.plate.yMin,
                                       drawing_.input.plate.width(), drawing_.input.plate.height())),
               Qt::white);
    paintDialPlate(p, drawing_, toDevice, PlateStyle{1.2, std::clamp(scale_ * 4, 9.0, 12.0)});
    paintFocusFrame(p, this);
    lastPaintMs_ = timer.nsecsElapsed() / 1e6;
}

} // namespace orvane
