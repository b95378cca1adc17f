#include "spoken_text.h"

#include "forms/read_only_text.h"

#include <QAccessible>
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
        auto *label = static_cast<QLabel *>(object);
        return new ReadOnlyTextAccessible(
            label, QAccessible::Notification, [label] { return label->text(); }, true);
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
