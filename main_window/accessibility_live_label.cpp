#include "accessibility_live_label.h"

#include "forms/read_only_text.h"

#include <QAccessible>

namespace orvane {

namespace {

void toAssistiveTechnology(QAccessibleEvent *event) { QAccessible::updateAccessibility(event); }

AnnouncementSink sink = toAssistiveTechnology;

} // namespace

void setAnnouncementSink(AnnouncementSink newSink) { sink = newSink ? newSink : toAssistiveTechnology; }

// Alerts are dropped on Linux, and a status line's change is read only
// where the focus is: a notification that shows is read wherever it is.
QAccessibleInterface *newLiveLabelAccessible(LiveLabel *label)
{
    return new ReadOnlyTextAccessible(
        label, QAccessible::Notification, [label] { return label->text(); }, false);
}

void LiveLabel::announceChange(const QString &before)
{
    QAccessibleTextUpdateEvent event(this, 0, before, text());
    sink(&event);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    sink(&shown);
}

} // namespace orvane
