#include "spoken_text.h"

#include "read_only_text.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QTimer>

namespace orvane {

namespace {

class ComboAccessible : public ReadOnlyTextAccessible {
public:
    explicit ComboAccessible(QComboBox *box)
        : ReadOnlyTextAccessible(
              box, QAccessible::ComboBox, [box] { return box->currentText(); }, true)
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
        auto *label = static_cast<SpokenLabel *>(object);
        return new ReadOnlyTextAccessible(
            label, QAccessible::Notification, [label] { return label->spokenText(); }, true);
    }
    return nullptr;
}

// Holds a line edit's focus-in back until Qt has told of the focus: what the
// box does on focus-in (select its text, place the caret) then comes after.
class FocusFirst : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::FocusIn || passing_ || !QAccessible::isActive())
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        auto *edit = static_cast<QWidget *>(watched);
        QTimer::singleShot(0, edit, [this, edit, reason] {
            if (!edit->hasFocus())
                return;
            passing_ = true;
            QFocusEvent again(QEvent::FocusIn, reason);
            QCoreApplication::sendEvent(edit, &again);
            passing_ = false;
        });
        return true;
    }

private:
    bool passing_ = false;
};

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

void SpokenLabel::setSpokenText(const QString &text, const QString &spoken)
{
    const QString before = spokenText();
    setText(text);
    spoken_ = spoken;
    if (spokenText() != before) {
        QAccessibleTextUpdateEvent event(this, 0, before, spokenText());
        QAccessible::updateAccessibility(&event);
    }
}

void SpokenLabel::announce()
{
    // Each key's echo would cut the line short: it waits for a pause.
    quiet_->start();
}

void tellFocusFirst(QWidget *edit) { edit->installEventFilter(new FocusFirst(edit)); }

} // namespace orvane
