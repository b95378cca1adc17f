#pragma once
// Controls whose value a screen reader on this desktop reads, and whose
// changes it hears: it takes both only from a text interface, which Qt
// gives neither to a list-style combo box nor to a label.

#include <QComboBox>
#include <QLabel>

namespace orvane {

// A combo box that says its chosen item, on arrival and on every change.
class SpokenComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit SpokenComboBox(QWidget *parent = nullptr);

private:
    QString said_;
};

// A label whose new text is read out as it appears, like a status line.
class SpokenLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setSpokenText(const QString &text);
};

} // namespace orvane
