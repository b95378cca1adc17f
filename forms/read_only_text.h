#pragma once
// The accessible face of a widget whose text can be read but not edited.
// Qt's own labels offer no text interface, and without one their text
// changes never leave the program on Linux.

#include <QAccessibleWidget>

#include <functional>

namespace orvane {

class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    // The text is the widget's name where it has none of its own, and with
    // `textIsValue` its value as well.
    ReadOnlyTextAccessible(QWidget *w, QAccessible::Role role, std::function<QString()> text, bool textIsValue);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // No selection, no caret.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}

    QString text(int start, int end) const override;
    int characterCount() const override { return int(text_().size()); }

    // Word-wrapped plain text has no cheap geometry per character.
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override;

private:
    std::function<QString()> text_;
    bool textIsValue_;
};

} // namespace orvane
