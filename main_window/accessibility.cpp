#include "accessibility.h"

#include "accessibility_live_label.h"
#include "link_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace orvane {

namespace {

class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && link()->accessibleName().isEmpty())
            return link()->text();
        if (t == QAccessible::Accelerator && !link()->accessKey().isEmpty())
            return link()->accessKey().toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString &name) override
    {
        if (name == pressAction())
            link()->activate();
        else
            QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name == pressAction() && !link()->accessKey().isEmpty())
            return {link()->accessKey().toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    LinkLabel *link() const { return static_cast<LinkLabel *>(widget()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    // A plain frame inside a window is a border to the eye only; Qt hands it
    // on as a frame, which screen readers take for a window of its own and
    // whose controls' events they then drop as coming from a window that is
    // not the active one.
    if (className == QLatin1String("QFrame") && object->isWidgetType() && !static_cast<QWidget *>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    if (auto *link = qobject_cast<LinkLabel *>(object))
        return new LinkLabelAccessible(link);
    if (auto *live = qobject_cast<LiveLabel *>(object))
        return newLiveLabelAccessible(live);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace orvane
