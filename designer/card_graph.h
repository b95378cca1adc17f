#pragma once
// The correction card's graph over the year, in the designer's card tab.

#include "dial/dial_svg.h"

#include <QWidget>

namespace orvane {

class CardGraph : public QWidget {
    Q_OBJECT
public:
    explicit CardGraph(QWidget *parent = nullptr);

    void setCard(const dial::CardDrawing &card);
    const dial::CardDrawing &card() const { return card_; }

    QSize sizeHint() const override { return QSize(360, 150); }
    QSize minimumSizeHint() const override { return QSize(200, 120); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    dial::CardDrawing card_;
};

} // namespace orvane
