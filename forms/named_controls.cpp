#include "named_controls.h"

#include <QLabel>

namespace orvane {

QLabel *labelFor(QWidget *parent, const char *name, const QString &text, QWidget *control)
{
    auto *label = namedWidget<QLabel>(parent, name);
    label->setText(text);
    label->setBuddy(control);
    control->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    return label;
}

QColor refusedColour() { return QColor(170, 0, 0); }

void showAsRefused(QWidget *w)
{
    QPalette red = w->palette();
    red.setColor(QPalette::WindowText, refusedColour());
    w->setPalette(red);
}

} // namespace orvane
