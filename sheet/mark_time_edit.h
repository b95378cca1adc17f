#pragma once
// A time box that Tab leaves at once; the arrow keys move between its
// hours, minutes and seconds and change them. It also reads a time typed or
// pasted whole ("8:55:10", "08:55", "8:55:10 AM"), as the command line's
// --mark takes it, over a selection or the box's whole text.

#include <QTimeEdit>

#include <optional>

namespace orvane {

class MarkTimeEdit : public QTimeEdit {
    Q_OBJECT
public:
    using QTimeEdit::QTimeEdit;

protected:
    // QDateTimeEdit would spend Tab on its sections first; a separator typed
    // (":" in "8:55") still moves to the next section, as it asks the same.
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent *event) override;
    QValidator::State validate(QString &input, int &pos) const override;
    QDateTime dateTimeFromText(const QString &text) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showTyped();

    // What was typed over the whole text, while it is being typed; the
    // sections take over again at any other key.
    std::optional<QString> typed_;
    bool tabbing_ = false; // within the Tab key's own handling
};

} // namespace orvane
