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

    void setSpokenText(const QString &text);
    // Reads the line out once calls to this stop for a moment.
    void announce();

    static constexpr int kRestMs = 600;

signals:
    void announced();

private:
    QTimer *quiet_ = nullptr;
};

} // namespace orvane
