#pragma once
// A label that reports a click, for the two web links.

#include <QLabel>

namespace orvane {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace orvane
