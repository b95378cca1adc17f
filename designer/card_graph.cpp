#include "card_graph.h"

#include "forms/focus_frame.h"

#include "print/card_page.h"

#include <QPainter>

namespace orvane {

CardGraph::CardGraph(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardGraph::setDrawing(const dial::Drawing &drawing)
{
    drawing_ = drawing;
    update();
}

void CardGraph::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    paintCardGraph(p, QRectF(rect()).adjusted(4, 4, -4, -4), drawing_, QFontMetricsF(font()).height() * 0.8);
    paintFocusFrame(p, this);
}

} // namespace orvane
