#pragma once
// Controls whose value a screen reader on this desktop reads, and whose
// changes it hears: it takes values only from a text interface, which Qt
// gives neither to a list-style combo box nor to a label, and speaks a
// change away from the focus only when a notification shows.

#include <QComboBox>
#include <QLabel>

class QTimer;

namespace orvane {

// A combo box that says its chosen item, on arrival and on every change.
class SpokenComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit SpokenComboBox(QWidget *parent = nullptr);
};

// A result line that a reader announces on request, like a notification.
class SpokenLabel : public QLabel {
    Q_OBJECT
public:
    explicit SpokenLabel(QWidget *parent = nullptr);

    // The line as shown and, where a sentence says it better, as read out.
    void setSpokenText(const QString &text, const QString &spoken = QString());
    QString spokenText() const { return spoken_.isEmpty() ? text() : spoken_; }
    // Reads the line out once calls to this stop for a moment.
    void announce();

    static constexpr int kRestMs = 600;

signals:
    void announced();

private:
    QTimer *quiet_ = nullptr;
    QString spoken_;
};

// Qt tells assistive technology of a line edit's caret before it tells of
// the focus arriving there, and a reader then takes the caret for the focus
// and says nothing of the box. While assistive technology listens, the
// box's own focus-in waits until the focus has been told.
void tellFocusFirst(QWidget *edit);

} // namespace orvane
