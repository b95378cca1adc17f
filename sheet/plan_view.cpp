#include "plan_view.h"

#include "shadow_plan.h"
#include "sheet_text.h"

#include <QPainter>

namespace orvane {

PlanView::PlanView(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(300, 300);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAccessibleName(QStringLiteral("Plan of the site"));
}

void PlanView::setPlan(const FieldData &d, double plumbHeightM)
{
    data_ = d;
    plumbHeightM_ = plumbHeightM;
    setAccessibleDescription(planDescription(d, QLocale()));
    update();
}

void PlanView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont f = font();
    f.setPointSizeF(font().pointSizeF() * 0.95);
    paintPlan(p, QRectF(rect()), data_, plumbHeightM_, QLocale(), f);
}

} // namespace orvane
