#pragma once
// The plan on screen: an image in the Tab order whose accessible
// description says in sentences what the drawing shows.

#include "field/field_data.h"

#include <QWidget>

namespace orvane {

class PlanView : public QWidget {
    Q_OBJECT
public:
    explicit PlanView(QWidget *parent = nullptr);

    void setPlan(const FieldData &d, double plumbHeightM);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }
    QSize sizeHint() const override { return {340, 340}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *) override { update(); }
    void focusOutEvent(QFocusEvent *) override { update(); }

private:
    FieldData data_;
    double plumbHeightM_ = 1;
};

} // namespace orvane
