#include "spoken_text.h"

#include <QAccessible>
#include <QAccessibleWidget>

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
        return new TextAccessible(label, QAccessible::StatusBar, [label] { return label->text(); });
    }
    return nullptr;
}

void installFactory()
{
    static const bool installed = (QAccessible::installFactory(spokenFactory), true);
    Q_UNUSED(installed)
}

void saidChanged(QObject *object, const QString &before, const QString &now)
{
    QAccessibleTextUpdateEvent event(object, 0, before, now);
    QAccessible::updateAccessibility(&event);
}

} // namespace

SpokenComboBox::SpokenComboBox(QWidget *parent) : QComboBox(parent)
{
    installFactory();
    connect(this, &QComboBox::currentTextChanged, this, [this](const QString &now) {
        saidChanged(this, said_, now);
        said_ = now;
    });
}

void SpokenLabel::setSpokenText(const QString &text)
{
    installFactory();
    const QString before = this->text();
    setText(text);
    if (text != before)
        saidChanged(this, before, text);
}

} // namespace orvane
