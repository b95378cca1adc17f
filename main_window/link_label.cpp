#include "link_label.h"

#include <QMouseEvent>
#include <QShortcut>

namespace orvane {

void LinkLabel::setAccessKey(const QKeySequence &key)
{
    accessKey_ = key;
    // Window-wide, like a button's access key; the label is its parent, so
    // it lives and dies with the label.
    auto *shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &LinkLabel::activate);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A press that is dragged off the label and released is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace orvane
