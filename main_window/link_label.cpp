#include "link_label.h"

#include <QMouseEvent>

namespace orvane {

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A press that is dragged off the label and released is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace orvane
