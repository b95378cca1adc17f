#pragma once
// The Dial Designer's check: readings of the standing dial against the
// clock, typed into a table, the fit of how it stands turned and leaned,
// the advice, and a plot of each reading's error before and after the fit.

#include "field/dial_design.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace orvane {

class CheckPlot;
class SpokenLabel;

class CheckTab : public QWidget {
    Q_OBJECT
public:
    explicit CheckTab(QWidget *parent = nullptr);

    // The dial the readings are checked against, or none while it is not
    // drawn. The readings stay; the check is done again. The design must
    // stay while it is set (the preview's own).
    void setDesign(const DialDesign *design);

    // The tab's controls in the keyboard's order.
    QList<QWidget *> keyboardOrder() const;

private:
    void addReading();
    void removeReading();
    void check();
    // "Reading 3: ...", shown under the table and heard; the cell that is
    // refused in red.
    void showProblem(int row, int column, const QString &why);
    void showNoFit(const QString &fit, const QString &advice);

    const DialDesign *design_ = nullptr;
    QTableWidget *tblReadings = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *btnRemove = nullptr;
    SpokenLabel *lblProblem = nullptr;
    QLabel *lblFit = nullptr;
    QLabel *lblAdvice = nullptr;
    CheckPlot *plot = nullptr;
};

} // namespace orvane
