#pragma once
// A label that reports a click, for the two web links.

#include <QKeySequence>
#include <QLabel>

namespace orvane {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // A key that follows the link from anywhere in the label's window. The
    // label itself takes no focus, so this is the keyboard's way in.
    void setAccessKey(const QKeySequence &key);
    QKeySequence accessKey() const { return accessKey_; }

public slots:
    // Follows the link as a click would.
    void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QKeySequence accessKey_;
};

} // namespace orvane
