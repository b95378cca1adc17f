#pragma once
// A time box that Tab leaves at once; the arrow keys move between its
// hours, minutes and seconds and change them.

#include <QTimeEdit>

namespace orvane {

class MarkTimeEdit : public QTimeEdit {
    Q_OBJECT
public:
    using QTimeEdit::QTimeEdit;

protected:
    // QDateTimeEdit would spend Tab on its sections first.
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

} // namespace orvane
