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

} // namespace orvane
