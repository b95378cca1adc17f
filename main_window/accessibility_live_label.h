#pragma once
// A label whose new text assistive technology reads out, like a status
// line: for the result of a calculation.

#include <QLabel>

class QAccessibleEvent;
class QAccessibleInterface;

namespace orvane {

class LiveLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Tells assistive technology that the text now differs from `before`;
    // also when the two are equal, since the user asked to hear it again.
    void announceChange(const QString &before);
};

// Where announcements go: to assistive technology unless replaced. Qt
// drops every event while no reader listens, so tests watch them here.
using AnnouncementSink = void (*)(QAccessibleEvent *event);
void setAnnouncementSink(AnnouncementSink sink);

// The accessible face of a LiveLabel: a status line whose text can be read.
QAccessibleInterface *newLiveLabelAccessible(LiveLabel *label);

} // namespace orvane
