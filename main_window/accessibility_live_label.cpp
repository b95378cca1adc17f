#include "accessibility_live_label.h"

#include "forms/read_only_text.h"

#include <QAccessible>

namespace orvane {

namespace {

void toAssistiveTechnology(QAccessibleEvent *event) { QAccessible::updateAccessibility(event); }

AnnouncementSink sink = toAssistiveTechnology;

} // namespace

void setAnnouncementSink(AnnouncementSink newSink) { sink = newSink ? newSink : toAssistiveTechnology; }

// Alerts are dropped on Linux: a status line is how live output reaches
// screen readers on this desktop.
QAccessibleInterface *newLiveLabelAccessible(LiveLabel *label)
{
    return new ReadOnlyTextAccessible(
        label, QAccessible::StatusBar, [label] { return label->text(); }, false);
}

void LiveLabel::announceChange(const QString &before)
{
    QAccessibleTextUpdateEvent event(this, 0, before, text());
    sink(&event);
}

} // namespace orvane
