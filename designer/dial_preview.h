#pragma once
// The dial drawn to scale, fitted to the widget.

#include "field/dial_design.h"

#include "dial/face_frame.h"

#include <optional>

#include <QWidget>

namespace orvane {

class DialPreview : public QWidget {
    Q_OBJECT
public:
    explicit DialPreview(QWidget *parent = nullptr);

    void setDesign(const DialDesign &design);
    // No dial: `why` is shown in its place.
    void showRefused(const QString &why);
    // The sun's direction whose shadow each face shows over its lines, as
    // the dial's kind draws it; none for no shadow.
    void setSun(std::optional<dial::Vec3> sun);
    // The shadow's groups on the preview's plates, in the drawing's
    // millimetres; empty without a sun or a design.
    dial::Drawing momentDrawing() const;
    bool hasDesign() const { return hasDesign_; }
    const DialDesign &design() const { return design_; }
    // Device pixels per plate millimetre in the last paint.
    double scale() const { return scale_; }
    // How long the last paint took, in milliseconds.
    double lastPaintMs() const { return lastPaintMs_; }

    QSize sizeHint() const override { return QSize(460, 460); }
    QSize minimumSizeHint() const override { return QSize(200, 200); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DialDesign design_;
    bool hasDesign_ = false;
    std::optional<dial::Vec3> sun_;
    QString refused_;
    double scale_ = 0;
    double lastPaintMs_ = 0;
};

} // namespace orvane
