#pragma once
// The dial drawn to scale, fitted to the widget.

#include "print/dial_pages.h"

#include <QWidget>

namespace orvane {

class DialPreview : public QWidget {
    Q_OBJECT
public:
    explicit DialPreview(QWidget *parent = nullptr);

    void setDrawing(const DialDrawing &drawing);
    // No dial: `why` is shown in its place.
    void showRefused(const QString &why);
    bool hasDrawing() const { return hasDrawing_; }
    const DialDrawing &drawing() const { return drawing_; }
    // Device pixels per plate millimetre in the last paint.
    double scale() const { return scale_; }
    // How long the last paint took, in milliseconds.
    double lastPaintMs() const { return lastPaintMs_; }

    QSize sizeHint() const override { return QSize(460, 460); }
    QSize minimumSizeHint() const override { return QSize(200, 200); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DialDrawing drawing_;
    bool hasDrawing_ = false;
    QString refused_;
    double scale_ = 0;
    double lastPaintMs_ = 0;
};

} // namespace orvane
