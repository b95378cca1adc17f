#pragma once
// How a wall reading is taken, drawn schematically from above: the wall,
// the level board against it, the square line, the plumb line and the
// angle from the square line to the plumb line's shadow, clockwise
// positive. Painted alike on the screen and on paper.

#include <QFont>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace orvane {

void paintWallDiagram(QPainter &painter, const QRectF &area, const QFont &font);

// The drawing's words for those who cannot see it, and for its tooltip.
QString wallDiagramDescription();

class WallDiagram : public QWidget {
    Q_OBJECT
public:
    explicit WallDiagram(QWidget *parent = nullptr);

    QSize sizeHint() const override { return {160, 170}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace orvane
