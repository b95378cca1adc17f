#pragma once
// The correction card's graph over the year, in the designer's card tab.

#include "dial/drawing.h"

#include <QWidget>

namespace orvane {

class CardGraph : public QWidget {
    Q_OBJECT
public:
    explicit CardGraph(QWidget *parent = nullptr);

    // The card's part of the dial's drawing.
    void setDrawing(const dial::Drawing &drawing);

    QSize sizeHint() const override { return QSize(360, 150); }
    QSize minimumSizeHint() const override { return QSize(200, 120); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    dial::Drawing drawing_;
};

} // namespace orvane
