#include "spoken_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace orvane {

namespace {

// A read-only text: no selection, no caret, no geometry per character.
class TextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    TextAccessible(QWidget *w, QAccessible::Role role, std::function<QString()> text)
        : QAccessibleWidget(w, role), text_(std::move(text))
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || (t == QAccessible::Name && widget()->accessibleName().isEmpty()))
            return text_();
        return QAccessibleWidget::text(t);
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        const QString all = text_();
        start = std::clamp(start, 0, int(all.size()));
        end = std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(text_().size()); }
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
    std::function<QString()> text_;
};

class ComboAccessible : public TextAccessible {
public:
    explicit ComboAccessible(QComboBox *box)
        : TextAccessible(box, QAccessible::ComboBox, [box] { return box->currentText(); })
    {}
    // The chosen item stands highlighted as a whole, as in the open list; a
    // reader speaks new text that arrives selected.
    void selection(int index, int *start, int *end) const override
    {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            static_cast<QComboBox *>(widget())->showPopup();
    }
};

QAccessibleInterface *spokenFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(SpokenComboBox::staticMetaObject.className()))
        return new ComboAccessible(static_cast<QComboBox *>(object));
    if (className == QLatin1String(SpokenLabel::staticMetaObject.className())) {
        auto *label = static_cast<QLabel *>(object);
        return new TextAccessible(label, QAccessible::Notification, [label] { return label->text(); });
    }
    return nullptr;
}

void installFactory()
{
    static const bool installed = (QAccessible::installFactory(spokenFactory), true);
    Q_UNUSED(installed)
}

} // namespace

SpokenComboBox::SpokenComboBox(QWidget *parent) : QComboBox(parent)
{
    installFactory();
    // The new item arrives as an insertion alone: a removal of the old
    // selected text would be read as "selection deleted".
    connect(this, &QComboBox::currentTextChanged, this, [this](const QString &now) {
        QAccessibleTextInsertEvent event(this, 0, now);
        QAccessible::updateAccessibility(&event);
    });
}

SpokenLabel::SpokenLabel(QWidget *parent) : QLabel(parent)
{
    installFactory();
    quiet_ = new QTimer(this);
    quiet_->setSingleShot(true);
    quiet_->setInterval(kRestMs);
    connect(quiet_, &QTimer::timeout, this, [this] {
        // A reader speaks a notification as it comes into view, wherever
        // the focus is; the line stays on screen, so only the event is sent.
        QAccessibleEvent event(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
        emit announced();
    });
}

void SpokenLabel::setSpokenText(const QString &text)
{
    const QString before = this->text();
    setText(text);
    if (text != before) {
        QAccessibleTextUpdateEvent event(this, 0, before, text);
        QAccessible::updateAccessibility(&event);
    }
}

void SpokenLabel::announce()
{
    // Each key's echo would cut the line short: it waits for a pause.
    quiet_->start();
}

} // namespace orvane
