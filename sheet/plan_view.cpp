#include "plan_view.h"

#include "shadow_plan.h"
#include "sheet_text.h"

#include "text/translation.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace orvane {

namespace {

QAccessibleInterface *imageFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(PlanView::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

PlanView::PlanView(QWidget *parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(imageFactory), true);
    Q_UNUSED(installed)
    setMinimumSize(300, 300);
    // Reached by Tab, so that a screen reader reads the description.
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAccessibleName(translate("sheet", "Plan of the site"));
}

void PlanView::setPlan(const FieldData &d, double plumbHeightM)
{
    data_ = d;
    plumbHeightM_ = plumbHeightM;
    setAccessibleDescription(planDescription(d, plumbHeightM, QLocale()));
    update();
}

void PlanView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont f = font();
    f.setPointSizeF(font().pointSizeF() * 0.95);
    paintPlan(p, QRectF(rect()), data_, plumbHeightM_, QLocale(), f);
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &p, this);
    }
}

} // namespace orvane
