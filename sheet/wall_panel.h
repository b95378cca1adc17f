#pragma once
// "Which way does my wall face?": readings typed as clock time and angle,
// always with one empty row to start the next, the drawing of how to take
// one, and the facing found or what stands in its way.

#include "field/field_data.h"

#include <QGroupBox>

#include <vector>

class QLabel;
class QTableWidget;

namespace orvane {

class SpokenLabel;

class WallPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit WallPanel(QWidget *parent = nullptr);

    // The rows read whole, in table order; half-filled rows wait.
    const std::vector<FieldInputs::WallReading> &readings() const { return readings_; }
    // The facing, or the refusals and unreadable cells, from the data
    // computed for readings().
    void showResult(const FieldData &d);

    QTableWidget *table() const { return table_; }

signals:
    void readingsChanged();

private:
    void readTable();

    QTableWidget *table_;
    SpokenLabel *result_;
    std::vector<FieldInputs::WallReading> readings_;
    std::vector<int> rowOf_; // each reading's row, counted from 1 as shown
    QStringList unreadable_;
};

} // namespace orvane
