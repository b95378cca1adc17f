#include "read_only_text.h"

#include <QWidget>

#include <algorithm>

namespace orvane {

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QWidget *w, QAccessible::Role role, std::function<QString()> text,
                                               bool textIsValue)
    : QAccessibleWidget(w, role), text_(std::move(text)), textIsValue_(textIsValue)
{}

QString ReadOnlyTextAccessible::text(QAccessible::Text t) const
{
    if ((t == QAccessible::Value && textIsValue_) || (t == QAccessible::Name && widget()->accessibleName().isEmpty()))
        return text_();
    return QAccessibleWidget::text(t);
}

void *ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString ReadOnlyTextAccessible::text(int start, int end) const
{
    const QString all = text_();
    start = std::clamp(start, 0, int(all.size()));
    end = std::clamp(end, start, int(all.size()));
    return all.mid(start, end - start);
}

QString ReadOnlyTextAccessible::attributes(int, int *start, int *end) const
{
    *start = 0;
    *end = characterCount();
    return QString();
}

} // namespace orvane
