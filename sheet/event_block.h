#pragma once
// One event on the sheet: the method's clock time in large type, then the
// true instant, the sun, the shadow and the notes.

#include "field/field_data.h"

#include <QGroupBox>

class QLabel;

namespace orvane {

class EventBlock : public QGroupBox {
    Q_OBJECT
public:
    explicit EventBlock(FieldEvent event, QWidget *parent = nullptr);

    void setEvent(const EventField &f, double plumbHeightM);

private:
    QLabel *clock_;
    QLabel *details_[5];
    QLabel *notes_;
};

} // namespace orvane
