#pragma once
// The sun at the chosen bearing on the sheet, beside the three events: its
// clock time in large type (two where the sun passes it twice), then the
// true instant, the sun and the shadow.

#include "field/field_data.h"

#include <QGroupBox>

class QLabel;

namespace orvane {

class BearingBlock : public QGroupBox {
    Q_OBJECT
public:
    explicit BearingBlock(QWidget *parent = nullptr);

    void setBearing(const BearingField &b, double plumbHeightM);

private:
    QLabel *clock_;
    QLabel *details_;
};

} // namespace orvane
