#include "link_button.h"

#include <QAccessibleWidget>

namespace orvane {

namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Accelerator)
            return button()->shortcut().toString(QKeySequence::NativeText);
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->text().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction() && !button()->shortcut().isEmpty())
            return {text(QAccessible::Accelerator)};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    QPushButton *button() const { return static_cast<QPushButton *>(widget()); }
};

QAccessibleInterface *linkFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(LinkButton::staticMetaObject.className()) && object->isWidgetType())
        return new LinkAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

LinkButton::LinkButton(QWidget *parent) : QPushButton(parent)
{
    static const bool installed = (QAccessible::installFactory(linkFactory), true);
    Q_UNUSED(installed)
    setFlat(true);
    setAutoDefault(false);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette blue = palette();
    blue.setColor(QPalette::ButtonText, QColor(0, 0, 192));
    setPalette(blue);
}

} // namespace orvane
