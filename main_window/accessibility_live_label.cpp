#include "accessibility_live_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace orvane {

namespace {

// Qt's own label offers no text interface, and without one its text changes
// never leave the program on Linux; alerts are dropped there too. A status
// line is how live output is exposed to screen readers on this desktop.
class LiveLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LiveLabelAccessible(LiveLabel *label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Read-only text: no selection, no caret.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}

    QString text(int start, int end) const override
    {
        const QString all = label()->text();
        start = std::clamp(start, 0, int(all.size()));
        end = std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(label()->text().size()); }

    // Word-wrapped plain text has no cheap geometry per character.
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    LiveLabel *label() const { return static_cast<LiveLabel *>(widget()); }
};

void toAssistiveTechnology(QAccessibleEvent *event) { QAccessible::updateAccessibility(event); }

AnnouncementSink sink = toAssistiveTechnology;

} // namespace

void setAnnouncementSink(AnnouncementSink newSink) { sink = newSink ? newSink : toAssistiveTechnology; }

QAccessibleInterface *newLiveLabelAccessible(LiveLabel *label) { return new LiveLabelAccessible(label); }

void LiveLabel::announceChange(const QString &before)
{
    QAccessibleTextUpdateEvent event(this, 0, before, text());
    sink(&event);
}

} // namespace orvane
